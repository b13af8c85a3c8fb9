#pragma once
// Waiting inside the message loop without burning the processor: the
// blocking operations of the socket layer pump messages until their
// condition holds, and sleep here between rounds.

// Returns once at least one event has been handled or `maxMs` have passed.
void WaitForMessages(int maxMs);

#pragma once
// The clipboard's "holds text" test.

bool ClipboardHasText();

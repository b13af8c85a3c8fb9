#pragma once
// Posted messages: the stand-in for hidden windows and their queues.
//
// A receiver (what the platform calls a window handle) is a callback on the
// GUI thread. PostMessage may be called from any thread; the message is
// delivered later from the message loop, in posting order. A message to a
// receiver that has been deallocated in the meantime is dropped.

#include <cstdint>
#include <functional>

using HWND = std::uintptr_t;  // 0 is "no window"
using UINT = unsigned;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

using TWndMethod = std::function<void(TMessage&)>;

constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_USER = 0x0400;

HWND AllocateHWnd(TWndMethod method);
// Safe inside the receiver's own handler: the current message finishes,
// later ones are dropped.
void DeallocateHWnd(HWND);
bool IsWindow(HWND);
// Thread-safe; false when no such receiver exists.
bool PostMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam);
// Calls the receiver at once (GUI thread only); 0 when there is none.
LRESULT SendMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam);
// Runs `call` on the GUI thread from the message loop (thread-safe).
void PostCall(std::function<void()> call);

// Messages posted and not yet delivered or dropped.
long PendingMessageCount();
// Delivers every posted message, also those posted while it runs, and
// handles pending window-system events once.
void ProcessPostedMessages();

// Milliseconds from a monotonic clock.
std::uint64_t GetTickCount64();

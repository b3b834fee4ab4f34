#pragma once
// Per-thread message queues standing in for windows and PostMessage.
//
// A window belongs to the thread that created it. Any thread may post to it; the
// owning thread pumps its queue, blocking or from a poll/GLib loop watching the
// queue's eventfd. Records posted to one thread come out in posting order. A posted
// record may own heap data through its deleter: the queue runs the deleter after the
// window procedure has seen the record, or when the record can no longer be delivered.
#include <functional>

#include "platform/Export.hpp"
#include "platform/win32/Messages.hpp"
#include "platform/win32/Types.hpp"

namespace vx {

using WindowProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
using RecordDeleter = void (*)(UINT message, WPARAM wParam, LPARAM lParam);

// Creates a hidden window owned by the calling thread.
VX_EXPORT HWND CreateMessageWindow(WindowProc proc);
// Frees every record still pending for the window. Callable from any thread.
VX_EXPORT bool DestroyWindow(HWND window);
VX_EXPORT bool IsWindow(HWND window);

// Takes ownership of the record: when the window does not exist or its thread has
// ended, the deleter runs at once and false is returned.
VX_EXPORT bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           RecordDeleter deleter = nullptr);

// The calling thread's queue.
// An eventfd that is readable while records may be pending; watch it for POLLIN.
VX_EXPORT int MessageQueueEventFd();
// Waits up to `timeoutMs` (INFINITE allowed) for one record and dispatches it.
// Returns false when nothing arrived in time.
VX_EXPORT bool PumpMessage(DWORD timeoutMs);
// Dispatches every record pending now, without waiting; returns how many.
VX_EXPORT std::size_t DispatchPendingMessages();

}  // namespace vx

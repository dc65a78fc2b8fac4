#pragma once
// The pointer's moves as input arrives: a low-level mouse hook on a thread of its own, so that the
// system's pointer never waits for the mark's thread, whatever that is doing.
#include <windows.h>

#include <memory>

#include "mark/move_coalescer.h"
#include "platform/handles.h"

class PointerMoveHook {
  public:
    // Posts `message` to `window` for the moves stored in `moves`, paced (see WakePacer). Null when the
    // hook cannot be had: the follow poll alone then keeps the mark on the pointer. One at a time.
    static std::unique_ptr<PointerMoveHook> Start(HWND window, UINT message, MoveCoalescer& moves);
    ~PointerMoveHook();  // the hook is gone when this returns

    PointerMoveHook(const PointerMoveHook&) = delete;
    PointerMoveHook& operator=(const PointerMoveHook&) = delete;

  private:
    PointerMoveHook() = default;
    static DWORD WINAPI Run(void* self);

    KernelHandle m_ready;  // set once the thread knows whether it holds the hook
    KernelHandle m_thread;
    DWORD m_threadId = 0;
    bool m_hooked = false;
};

#pragma once
// The pointer's moves as input arrives: a low-level mouse hook on a thread of its own, so that the
// system's pointer never waits for the mark's thread, whatever that is doing.
#include <windows.h>

#include <atomic>
#include <memory>

#include "mark/hook_watch.h"
#include "mark/move_coalescer.h"
#include "platform/handles.h"

class PointerMoveHook {
  public:
    // Stores every move in `moves` and posts `message` to `window` whenever no wake-up is on its way
    // (see MoveCoalescer). Null when the hook cannot be had: the follow poll alone then keeps the mark
    // on the pointer. Each hook has a context of its own, so two may overlap.
    static std::unique_ptr<PointerMoveHook> Start(HWND window, UINT message, MoveCoalescer& moves);
    ~PointerMoveHook();  // the hook is gone when this returns

    PointerMoveHook(const PointerMoveHook&) = delete;
    PointerMoveHook& operator=(const PointerMoveHook&) = delete;

    // Mark's thread, on every tick of the follow poll: whether the pointer moved since the last tick.
    // A hook that has gone silent while the pointer keeps moving is installed again, on its thread.
    void OnPollTick(bool pointerMoved);

    // How often the hook has been installed so far, the first time included.
    int Installations() const { return m_context.installations.load(); }

    // What the hook procedure works with, found through its thread (a hook procedure has no argument of
    // its own to carry it).
    struct Context {
        HWND window = nullptr;
        UINT message = 0;
        MoveCoalescer* moves = nullptr;
        std::atomic<bool> sawMove{false};  // since the last poll tick
        std::atomic<int> installations{0};
    };

  private:
    PointerMoveHook() = default;
    static DWORD WINAPI Run(void* self);

    Context m_context;
    HookWatch m_watch;
    KernelHandle m_ready;  // set once the thread knows whether it holds the hook
    KernelHandle m_thread;
    DWORD m_threadId = 0;
    bool m_hooked = false;
};

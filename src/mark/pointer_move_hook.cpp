#include "mark/pointer_move_hook.h"

namespace {

// The context of the hook installed on this thread; the system calls the hook on the thread that
// installed it, and on no other.
thread_local PointerMoveHook::Context* t_context = nullptr;

// Posted to the hook's thread: install the hook again.
constexpr UINT kReinstall = WM_APP + 1;

// Called for every mouse event of the desktop, and the system waits for it: it only tests, stores,
// posts when no wake-up is on its way, and returns.
LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && wParam == WM_MOUSEMOVE) {
        PointerMoveHook::Context& context = *t_context;
        const POINT pt = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt;
        context.moves->Store({pt.x, pt.y});
        context.sawMove.store(true, std::memory_order_relaxed);
        if (context.moves->ClaimWake()) ::PostMessageW(context.window, context.message, 0, 0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

HHOOK Install() {
    HHOOK hook = ::SetWindowsHookExW(WH_MOUSE_LL, MouseHook, ::GetModuleHandleW(nullptr), 0);
    if (hook) t_context->installations.fetch_add(1);
    return hook;
}

}  // namespace

std::unique_ptr<PointerMoveHook> PointerMoveHook::Start(HWND window, UINT message, MoveCoalescer& moves) {
    std::unique_ptr<PointerMoveHook> hook(new PointerMoveHook());
    hook->m_context.window = window;
    hook->m_context.message = message;
    hook->m_context.moves = &moves;
    hook->m_ready.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!hook->m_ready) return nullptr;
    hook->m_thread.reset(::CreateThread(nullptr, 0, &PointerMoveHook::Run, hook.get(), 0, &hook->m_threadId));
    if (!hook->m_thread) return nullptr;
    ::WaitForSingleObject(hook->m_ready.get(), INFINITE);
    if (!hook->m_hooked) return nullptr;  // the destructor has the thread end
    return hook;
}

DWORD WINAPI PointerMoveHook::Run(void* p) {
    auto* self = static_cast<PointerMoveHook*>(p);
    t_context = &self->m_context;
    // The system removes a hook that keeps it waiting too long; this thread does nothing else, so
    // whatever else the machine is doing must not keep it from answering.
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before anyone posts to it
    Hook hook(Install());
    self->m_hooked = hook != nullptr;
    ::SetEvent(self->m_ready.get());
    if (!hook) return 0;
    // The hook is called through this thread's message retrieval, which does nothing else.
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message != kReinstall) continue;
        // A hook the system removed can no longer be unhooked; that failure changes nothing.
        hook.reset();
        hook.reset(Install());
    }
    return 0;
}

void PointerMoveHook::OnPollTick(bool pointerMoved) {
    const bool sawMoves = m_context.sawMove.exchange(false, std::memory_order_relaxed);
    if (m_watch.OnPollTick(pointerMoved, sawMoves)) ::PostThreadMessageW(m_threadId, kReinstall, 0, 0);
}

PointerMoveHook::~PointerMoveHook() {
    if (!m_thread) return;
    ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    ::WaitForSingleObject(m_thread.get(), INFINITE);
}

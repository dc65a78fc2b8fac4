#include "mark/pointer_move_hook.h"

namespace {

// An input move wakes the mark's thread at most this often: about two placements per frame of a
// 60 Hz screen, and an eighth of what a 1000 Hz mouse reports.
constexpr std::int64_t kWakeGapUs = 8000;

// A hook procedure has no context of its own; there is one hook at a time, and only its thread
// touches the pacer.
HWND g_window = nullptr;
UINT g_message = 0;
MoveCoalescer* g_moves = nullptr;
WakePacer g_pacer(kWakeGapUs);

std::int64_t NowUs() {
    static const std::int64_t frequency = [] {
        LARGE_INTEGER f{};
        ::QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now.QuadPart / frequency * 1'000'000 + now.QuadPart % frequency * 1'000'000 / frequency;
}

void WakeMarkThread() {
    if (g_moves->ClaimWake()) ::PostMessageW(g_window, g_message, 0, 0);
}

// Called for every mouse event of the desktop, and the system waits for it: it only tests, stores,
// posts when the pacer says so, and returns.
LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && wParam == WM_MOUSEMOVE) {
        const POINT pt = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt;
        g_moves->Store({pt.x, pt.y});
        if (g_pacer.OnMove(NowUs())) WakeMarkThread();
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

std::unique_ptr<PointerMoveHook> PointerMoveHook::Start(HWND window, UINT message, MoveCoalescer& moves) {
    g_window = window;
    g_message = message;
    g_moves = &moves;
    g_pacer = WakePacer(kWakeGapUs);
    std::unique_ptr<PointerMoveHook> hook(new PointerMoveHook());
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
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before anyone posts the end
    HHOOK hook = ::SetWindowsHookExW(WH_MOUSE_LL, MouseHook, ::GetModuleHandleW(nullptr), 0);
    self->m_hooked = hook != nullptr;
    ::SetEvent(self->m_ready.get());
    if (!hook) return 0;
    // The hook is called through this thread's message retrieval, which does nothing else.
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    }
    ::UnhookWindowsHookEx(hook);
    return 0;
}

PointerMoveHook::~PointerMoveHook() {
    if (!m_thread) return;
    ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    ::WaitForSingleObject(m_thread.get(), INFINITE);
}

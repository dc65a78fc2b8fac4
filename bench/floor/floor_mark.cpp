// The benchmark's floor: only what any pointer mark must do. A layered, click-through, topmost tool
// window the size of Glimmora's default mark, cut to a disc, moved onto the cursor every 10 ms.
// Nothing else: no effects, no z-order care, no main window.
//
// With --events it is the event-driven reference: the same, and re-centred as each pointer move comes
// in, seen by a low-level mouse hook. The hook only posts a note to the window and returns; the window
// places itself once for however many notes were posted meanwhile.
#include <windows.h>

#include <string_view>

namespace {

constexpr wchar_t kClassName[] = L"GlimmoraFloorMark";
constexpr wchar_t kTitle[] = L"_GLIMMORA_FLOOR";  // how the benchmark driver finds it
constexpr int kDiameter = 81;                     // Glimmora's default size
constexpr BYTE kAlpha = 127;                      // and its default transparency, 50 %
constexpr COLORREF kColour = RGB(255, 255, 0);
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kIntervalMs = 10;
constexpr UINT kPointerMoved = WM_APP;

HWND g_mark = nullptr;
bool g_movePosted = false;  // a kPointerMoved is on its way; the hook runs on the window's thread

void PlaceOnCursor(HWND hwnd) {
    POINT p{};
    ::GetCursorPos(&p);
    ::SetWindowPos(hwnd, nullptr, p.x - kDiameter / 2, p.y - kDiameter / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK OnMouseInput(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_MOUSEMOVE && !g_movePosted)
        g_movePosted = ::PostMessageW(g_mark, kPointerMoved, 0, 0) != FALSE;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kPointerMoved:
            g_movePosted = false;
            PlaceOnCursor(hwnd);
            return 0;
        case WM_TIMER:
            PlaceOnCursor(hwnd);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = instance;
    wc.hbrBackground = ::CreateSolidBrush(kColour);
    wc.lpszClassName = kClassName;
    if (!::RegisterClassW(&wc)) return 1;
    HWND hwnd = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName,
                                  kTitle, WS_POPUP, 0, 0, kDiameter, kDiameter, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    ::SetLayeredWindowAttributes(hwnd, 0, kAlpha, LWA_ALPHA);
    ::SetWindowRgn(hwnd, ::CreateEllipticRgn(0, 0, kDiameter, kDiameter), FALSE);  // the system owns it
    PlaceOnCursor(hwnd);
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    ::SetTimer(hwnd, kTimerId, kIntervalMs, nullptr);
    g_mark = hwnd;
    HHOOK hook = nullptr;
    if (std::wstring_view(commandLine) == L"--events") {
        hook = ::SetWindowsHookExW(WH_MOUSE_LL, OnMouseInput, instance, 0);
        if (!hook) return 1;
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    if (hook) ::UnhookWindowsHookEx(hook);
    return 0;
}

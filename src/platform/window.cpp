#include "platform/window.h"

namespace {
constexpr wchar_t kObjectProperty[] = L"Glimmora.Window";
}

Window* Window::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Window*>(::GetPropW(hwnd, kObjectProperty)) : nullptr;
}

bool Window::PreTranslateMessage(MSG&) { return false; }

void Window::Attach(HWND hwnd) {
    m_hwnd = hwnd;
    ::SetPropW(hwnd, kObjectProperty, this);
}

void Window::Detach() {
    if (m_hwnd) ::RemovePropW(m_hwnd, kObjectProperty);
    m_hwnd = nullptr;
}

bool PreTranslateWalk(MSG& msg, HWND top) {
    for (HWND h = msg.hwnd; h;) {
        if (Window* w = Window::FromHandle(h); w && w->PreTranslateMessage(msg)) return true;
        if (h == top || !(::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) break;
        h = ::GetParent(h);
    }
    return false;
}

#include "platform/control.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

Control::~Control() {
    if (m_hwnd) {
        ::RemoveWindowSubclass(m_hwnd, SubclassProc, kSubclassId);
        Detach();
    }
}

bool Control::Subclass(HWND control) {
    if (!control || !::SetWindowSubclass(control, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    Attach(control);
    return true;
}

LRESULT Control::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefSubclassProc(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) noexcept {
    auto* self = reinterpret_cast<Control*>(data);
    if (message == WM_NCDESTROY) {
        self->OnNcDestroy();
        ::RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        self->Detach();
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (...) {
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

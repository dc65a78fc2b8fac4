#include "platform/data_exchange.h"

#include <commctrl.h>

namespace {

bool IsRadioButton(HWND control) { return (::SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0; }

}  // namespace

void DdxRadio(DataExchange& dx, int firstId, int& value) {
    HWND control = ::GetDlgItem(dx.dialog, firstId);
    if (!control) return;
    if (dx.saveAndValidate) value = -1;
    int index = 0;
    do {
        if (IsRadioButton(control)) {
            if (dx.saveAndValidate) {
                if (::SendMessageW(control, BM_GETCHECK, 0, 0) != BST_UNCHECKED) value = index;
            } else {
                ::SendMessageW(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        control = ::GetWindow(control, GW_HWNDNEXT);
    } while (control && !(::GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP));
}

void DdxCheck(DataExchange& dx, int id, int& value) {
    HWND control = ::GetDlgItem(dx.dialog, id);
    if (!control) return;
    if (dx.saveAndValidate) {
        value = ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    } else {
        if (value < 0 || value > 2) value = 0;
        ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DdxCheck(DataExchange& dx, int id, bool& ticked) {
    int value = ticked ? 1 : 0;
    DdxCheck(dx, id, value);
    ticked = value != 0;
}

void DdxSlider(DataExchange& dx, int id, int& value) {
    HWND control = ::GetDlgItem(dx.dialog, id);
    if (!control) return;
    if (dx.saveAndValidate)
        value = static_cast<int>(::SendMessageW(control, TBM_GETPOS, 0, 0));
    else
        ::SendMessageW(control, TBM_SETPOS, TRUE, value);
}

void DdxText(DataExchange& dx, int id, std::wstring& value) {
    HWND control = ::GetDlgItem(dx.dialog, id);
    if (!control) return;
    if (dx.saveAndValidate) {
        const int length = ::GetWindowTextLengthW(control);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), length + 1)));
        value = std::move(text);
    } else {
        ::SetWindowTextW(control, value.c_str());
    }
}

void DdvMinMaxInt(DataExchange& dx, int value, int min, int max) {
    if (dx.saveAndValidate && (value < min || value > max)) dx.failed = true;
}

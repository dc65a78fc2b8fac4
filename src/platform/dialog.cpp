#include "platform/dialog.h"

#include <cstdio>
#include <cstdlib>

#include "base/centring.h"
#include "platform/win32_geometry.h"

namespace {

Dialog* g_mainDialog = nullptr;

bool ReturnsDirectly(UINT message) {
    return message == WM_INITDIALOG || message == WM_QUERYDRAGICON || message == WM_COMPAREITEM ||
           message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
           (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

}  // namespace

void SetApplicationMainDialog(Dialog* dialog) { g_mainDialog = dialog; }
HWND ApplicationMainWindow() { return g_mainDialog ? g_mainDialog->Hwnd() : nullptr; }

Dialog::Dialog(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

// By now the object that overrides OnDestroy is gone: a window still up here would go without the
// cleanup of its class (the mark's input hook and timers), and nobody would know. Every window object
// has its window destroyed before it goes (its destructor, or the end of DoModal); one that does not is
// a fault that stops the program here, in every build, rather than leak behind the presenter's back.
Dialog::~Dialog() {
    if (m_hwnd) {
        std::fputs("Glimmora: a window object went before its window; its cleanup never ran\n", stderr);
        std::abort();
    }
    if (g_mainDialog == this) g_mainDialog = nullptr;
}

bool Dialog::Create(HWND parent) {
    m_parent = parent;
    m_modal = false;
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent, DialogProc,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR Dialog::DoModal() {
    HWND owner = m_parent ? m_parent : ApplicationMainWindow();
    if (owner) owner = ::GetAncestor(owner, GA_ROOT);
    bool ownerDisabled = false;
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        ownerDisabled = true;
    }
    m_modal = true;
    m_ending = false;
    m_result = -1;
    if (::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner, DialogProc,
                             reinterpret_cast<LPARAM>(this))) {
        if (!m_ending) ::ShowWindow(m_hwnd, SW_SHOWNORMAL);
        RunModalLoop();
    }
    // The owner comes back before the dialog goes, so activation returns to it, not elsewhere.
    if (ownerDisabled) ::EnableWindow(owner, TRUE);
    if (owner && m_hwnd && ::GetActiveWindow() == m_hwnd) ::SetActiveWindow(owner);
    if (m_hwnd) DestroyWindow();
    m_modal = false;
    return m_result;
}

void Dialog::RunModalLoop() {
    while (!m_ending && m_hwnd) {
        MSG msg;
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // Someone asked the thread to quit: end this loop and let the outer one see it too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        RouteLoopMessage(msg, m_hwnd);
    }
}

void RouteLoopMessage(MSG& msg, HWND dialog) {
    if (PreTranslateWalk(msg, dialog)) return;
    if (dialog && ::IsDialogMessageW(dialog, &msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

void Dialog::EndDialog(INT_PTR result) {
    m_result = result;
    // A message sent by another thread or process is handled inside GetMessage, which then goes on
    // waiting: a posted message wakes the loop so that it sees it is ending.
    if (m_modal && !m_ending && m_hwnd) ::PostMessageW(m_hwnd, WM_NULL, 0, 0);
    m_ending = true;
}

BOOL Dialog::DestroyWindow() { return m_hwnd ? ::DestroyWindow(m_hwnd) : FALSE; }

bool Dialog::UpdateData(bool saveAndValidate) {
    if (!m_hwnd) return false;
    DataExchange dx{m_hwnd, saveAndValidate};
    DoDataExchange(dx);
    return !dx.failed;
}

BOOL Dialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

bool Dialog::OnCommand(WORD id, WORD code, HWND) {
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

// Only a modal dialog ends on OK or Cancel: a modeless child (the panel) or the mark must never
// be hidden or destroyed behind its owner's back by Enter or Alt+F4.
void Dialog::OnOK() {
    if (m_modal && UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() {
    if (m_modal) EndDialog(IDCANCEL);
}

bool Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_INITDIALOG:
            result = OnInitDialog();
            return true;
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
        case WM_TIMER:
            OnTimer(wParam);
            return false;  // the default handling runs as well
        case WM_DESTROY:
            OnDestroy();
            return false;
        case WM_PAINT:
            return OnPaint();
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam, lParam);
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
            return result != 0;
        default:
            if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
                HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                          message - WM_CTLCOLORMSGBOX);
                result = reinterpret_cast<LRESULT>(brush);
                return brush != nullptr;
            }
            return false;
    }
}

// A popup whose template sits at (0, 0) with no centring style, and which its initialisation did
// not move, is centred over its owner, or on the work area when there is no visible owner.
void Dialog::CentreOnOwner() {
    RECT window{};
    ::GetWindowRect(m_hwnd, &window);
    HWND owner = ::GetWindow(m_hwnd, GW_OWNER);
    HMONITOR monitor = ::MonitorFromWindow(owner ? owner : m_hwnd, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(monitor, &info);
    RECT centreOn = info.rcWork;
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &centreOn);
    const Point p =
        CentreWithin(ToRect(centreOn), {window.right - window.left, window.bottom - window.top}, ToRect(info.rcWork));
    ::SetWindowPos(m_hwnd, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    Dialog* self = nullptr;
    RECT before{};
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->Attach(hwnd);
        ::GetWindowRect(hwnd, &before);
    } else {
        self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;  // messages before WM_INITDIALOG, or after the object let go

    LRESULT result = 0;
    bool handled = false;
    try {
        handled = self->WindowProc(message, wParam, lParam, result);
    } catch (...) {
        handled = false;  // no exception may cross into the system
    }

    if (message == WM_INITDIALOG) {
        RECT after{};
        ::GetWindowRect(hwnd, &after);
        const LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
        if (!(style & WS_CHILD) && !(style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) &&
            ::EqualRect(&before, &after))
            self->CentreOnOwner();
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->Detach();
        self->m_ending = true;
        return FALSE;
    }
    if (!handled) return FALSE;
    if (ReturnsDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

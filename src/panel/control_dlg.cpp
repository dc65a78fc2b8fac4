#include "panel/control_dlg.h"

#include "platform/profile_file.h"
#include "resource.h"
#include "settings/settings_file.h"

namespace {
constexpr COLORREF kPanelBackground = RGB(200, 200, 200);
}

ControlDlg::ControlDlg(const std::wstring& executableDirectory)
    : Dialog(GLM_IDD_PANEL),
      m_profilePath(ProfilePath(executableDirectory)),
      m_background(::CreateSolidBrush(kPanelBackground)) {
    ApplyColourCode(m_settings);
}

BOOL ControlDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    LoadSettings(m_settings, ProfileFile(m_profilePath));
    ApplyColourCode(m_settings);
    UpdateData(false);
    return TRUE;
}

void ControlDlg::DoDataExchange(DataExchange& dx) { DdxCheck(dx, GLM_IDC_ONOFF, m_onFlag); }

// Escape inside the panel does nothing.
bool ControlDlg::PreTranslateMessage(MSG& msg) {
    return msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
}

HBRUSH ControlDlg::OnCtlColor(HDC, HWND, UINT kind) {
    return kind == CTLCOLOR_BTN || kind == CTLCOLOR_DLG ? m_background.get() : nullptr;
}

void ControlDlg::CreateOverlay() {}

void ControlDlg::DestroyOverlay() {}

BOOL ControlDlg::DestroyWindow() {
    DestroyOverlay();
    return Dialog::DestroyWindow();
}

#include "panel/control_dlg.h"

#include "mark/pointer_win.h"
#include "panel/mark_params_from.h"
#include "panel/properties_accept.h"
#include "panel/save_failed_text.h"
#include "panel/switch_step.h"
#include "platform/app_message.h"
#include "platform/hot_keys.h"
#include "platform/profile_file.h"
#include "platform/window_manager.h"
#include "properties/propaty_dlg.h"
#include "res/resource.h"
#include "settings/settings_file.h"

namespace {

constexpr COLORREF kPanelBackground = RGB(200, 200, 200);
constexpr int kToggleHotKeyId = 114;
// Posted to the panel itself with a MarkCommand in wParam (see TakeCommand).
constexpr UINT kCommandArrived = WM_APP + 2;
constexpr wchar_t kRegisterFailedAtStart[] = L"ホットキーの登録が失敗しました.他のキーに変更してください.";
constexpr wchar_t kRegisterFailedAfterChange[] = L"ホットキーの登録が重複しています.他のキーに変更してください ";

}  // namespace

ControlDlg::ControlDlg(const std::wstring& executableDirectory)
    : Dialog(GLM_IDD_PANEL),
      m_profilePath(ProfilePath(executableDirectory)),
      m_background(::CreateSolidBrush(kPanelBackground)) {
    ApplyColourCode(m_settings);
}

// The window goes while the object is whole, so that OnDestroy runs (the mark's own object would go
// with this one anyway).
ControlDlg::~ControlDlg() { DestroyWindow(); }

BOOL ControlDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_onOffButton.Subclass(::GetDlgItem(m_hwnd, GLM_IDC_ONOFF));
    m_propertiesButton.Subclass(::GetDlgItem(m_hwnd, GLM_IDC_PROPERTIES));

    LoadSettings(m_settings, ProfileFile(m_profilePath));
    ApplyColourCode(m_settings);
    UpdateData(false);
    if (m_settings.hotKeyEnabled) RegisterToggleHotKey(kRegisterFailedAtStart);

    // For the monitor the panel is made on, whose scale the dialog's layout already has: the system's
    // own metrics are those of the monitor the user signed in on.
    if (const auto font = MenuFont(DpiOf(m_hwnd))) m_menuFont.reset(::CreateFontIndirectW(&*font));
    for (const PanelButton* button : {&m_onOffButton, &m_propertiesButton})
        if (m_menuFont) ::SendMessageW(button->Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(m_menuFont.get()), TRUE);
    return TRUE;
}

void ControlDlg::RegisterToggleHotKey(const wchar_t* failureText) {
    if (const auto error = RegisterHotKeyOnce(m_hwnd, kToggleHotKeyId, static_cast<UINT>(m_settings.hotKeyModifiers),
                                              static_cast<UINT>(m_settings.hotKeyCode))) {
        TraceLine("RegisterHotKey() Error=%d\n", static_cast<int>(*error));
        ShowAppMessage(failureText);
    }
}

void ControlDlg::DoDataExchange(DataExchange& dx) { DdxCheck(dx, GLM_IDC_ONOFF, m_onFlag); }

// Escape inside the panel does nothing.
bool ControlDlg::PreTranslateMessage(MSG& msg) { return msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE; }

bool ControlDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_HOTKEY && wParam == kToggleHotKeyId) SwitchAsHotKey();
    if (message == kCommandArrived) {
        // Anyone may post to our window: only the three commands do anything.
        if (const auto command = MarkCommandFrom(wParam); command && CommandSwitches(*command, m_onFlag != 0))
            SwitchAsHotKey();
        result = 0;
        return true;
    }
    return Dialog::WindowProc(message, wParam, lParam, result);
}

void ControlDlg::SwitchAsHotKey() {
    m_onFlag = !m_onFlag;
    UpdateData(false);
    UpdateData(true);
    SwitchStep();
}

// Posted, like WM_HOTKEY, rather than carried out at once: the command then reaches the panel in the
// same order and through the same loops as the hot key, never halfway through another handler of ours
// (a message sent by another process is taken wherever this thread waits for messages, as it may inside
// a message box or a SendMessage to another thread).
bool ControlDlg::TakeCommand(MarkCommand command) {
    return m_hwnd && ::PostMessageW(m_hwnd, kCommandArrived, static_cast<WPARAM>(command), 0);
}

bool ControlDlg::OnCommand(WORD id, WORD code, HWND control) {
    if (code == BN_CLICKED && id == GLM_IDC_ONOFF) {
        OnBnClickedOnOff();
        return true;
    }
    if (code == BN_CLICKED && id == GLM_IDC_PROPERTIES) {
        OnBnClickedProperties();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

HBRUSH ControlDlg::OnCtlColor(HDC, HWND, UINT kind) {
    return kind == CTLCOLOR_BTN || kind == CTLCOLOR_DLG ? m_background.get() : nullptr;
}

void ControlDlg::OnBnClickedOnOff() {
    UpdateData(true);  // the click has already flipped the check state
    SwitchStep();
}

void ControlDlg::SwitchStep() {
    const MarkChange change = DecideSwitch(m_onFlag, m_mark != nullptr);
    if (change == MarkChange::Create) CreateMark();
    if (change == MarkChange::Destroy) DestroyMark();
    ShowSwitchOutcome(SwitchOutcomeFor(change, m_onFlag, m_mark != nullptr));
}

void ControlDlg::ShowSwitchOutcome(const SwitchOutcome& outcome) {
    if (outcome.onFlag != m_onFlag) {
        m_onFlag = outcome.onFlag;
        UpdateData(false);
    }
    if (outcome.buttonText) ::SetDlgItemTextW(m_hwnd, GLM_IDC_ONOFF, outcome.buttonText);
    if (outcome.minimiseMainWindow) {
        HWND mainWindow = ::GetAncestor(m_hwnd, GA_ROOT);
        // Never SW_SHOWMINIMIZED: it activates us. When the hot key was pressed in another program,
        // the minimising must not touch activation at all, so the presenter's slides keep the
        // keyboard. After a click on our own button, the next window gets it as usual (never the
        // mark, which cannot be activated).
        const int how = ::GetForegroundWindow() == mainWindow ? SW_MINIMIZE : SW_SHOWMINNOACTIVE;
        if (!::IsIconic(mainWindow)) ::ShowWindow(mainWindow, how);
    }
}

// Around the About box and the properties dialog the mark is made anew; if that fails, the button
// must not go on saying OFF.
void ControlDlg::RecreateMarkIfOn() {
    if (!m_onFlag) return;
    CreateMark();
    if (!m_mark) ShowSwitchOutcome(SwitchOutcomeFor(MarkChange::Create, true, false));
}

void ControlDlg::CreateMark() {
    if (m_mark) return;
    // A window that cannot be created leaves no mark at all; the next switch tries again.
    m_mark = PointerWin::Create(m_hwnd, MarkParamsFrom(m_settings));
}

void ControlDlg::DestroyMark() {
    if (!m_mark) return;
    ::ShowWindow(m_mark->Hwnd(), SW_HIDE);
    m_mark->DestroyWindow();
    m_mark.reset();
}

void ControlDlg::OnBnClickedProperties() {
    UpdateData(true);
    DestroyMark();
    if (const std::optional<Settings> edited = PropatyDlg::Edit(m_settings)) {
        m_settings = AcceptedSettings(*edited);
        for (const AcceptStep step : AcceptSteps(m_settings)) {
            switch (step) {
                case AcceptStep::ReleaseHotKey:
                    ::UnregisterHotKey(m_hwnd, kToggleHotKeyId);
                    break;
                case AcceptStep::RegisterHotKey:
                    RegisterToggleHotKey(kRegisterFailedAfterChange);
                    break;
                // The new values stay in force for this run either way; the user must know they are not kept.
                case AcceptStep::Save: {
                    ProfileFile profile(m_profilePath);
                    if (!SaveSettings(m_settings, profile)) ShowAppMessage(SaveFailedText(m_profilePath));
                    break;
                }
            }
        }
    }
    RecreateMarkIfOn();
}

// However the panel goes (with the main window, closed by the system, or with this object), the mark
// goes first, then the toggle hot key.
void ControlDlg::OnDestroy() {
    DestroyMark();
    ::UnregisterHotKey(m_hwnd, kToggleHotKeyId);
}

#include "properties/propaty_dlg.h"

#include <commctrl.h>

#include "platform/app_message.h"
#include "platform/hot_keys.h"
#include "properties/properties_messages.h"
#include "res/resource.h"

namespace {
constexpr int kProbeHotKeyId = 115;
constexpr int kPeriodMin = 1;
constexpr int kPeriodMax = 10;
}  // namespace

PropatyDlg::PropatyDlg(const Settings& settings) : Dialog(GLM_IDD_PROPERTIES), m_settings(settings) {}

std::optional<Settings> PropatyDlg::Edit(const Settings& settings) {
    PropatyDlg dialog(settings);
    if (dialog.DoModal() != IDOK) return std::nullopt;
    return dialog.m_settings;
}

// The stored combination and the blink period are not exchanged here: initialisation and
// the OK handler move them.
void PropatyDlg::DoDataExchange(DataExchange& dx) {
    Settings& s = m_settings;
    DdxRadio(dx, GLM_IDC_COLOR_YELLOW, s.colourCode);
    DdxSlider(dx, GLM_IDC_TRANS_SLIDER, s.transparency);
    DdvMinMaxInt(dx, s.transparency, 0, 100);
    DdxRadio(dx, GLM_IDC_SHAPE_CIRCLE, s.shape);
    DdxRadio(dx, GLM_IDC_SIZE_20, s.sizeIndex);
    if (!m_hotKeyField.Hwnd()) m_hotKeyField.Subclass(::GetDlgItem(dx.dialog, GLM_IDC_HOTKEY_FIELD));
    DdxCheck(dx, GLM_IDC_HOTKEY_ENABLED, s.hotKeyEnabled);
    DdxCheck(dx, GLM_IDC_BLINK_ENABLED, s.blinkEnabled);
    DdxRadio(dx, GLM_IDC_TRIG_ALWAYS, s.blinkTrigger);
    if (!m_periodSlider) m_periodSlider = ::GetDlgItem(dx.dialog, GLM_IDC_BLINK_PERIOD);
    DdxCheck(dx, GLM_IDC_RIPPLE, s.rippleEnabled);
    DdxCheck(dx, GLM_IDC_MOUSEMON, s.clickMonitor);
}

// TRUE: the dialog manager gives the focus to the first tab stop, the transparency slider.
BOOL PropatyDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    // The preset counts as a complete entry: the first key the field sees starts a new one.
    PresetHotKeyEntry(m_hotKeyField.Entry(), m_settings.hotKeyCode, m_settings.hotKeyModifiers);
    m_hotKeyField.Redraw();
    ::SendMessageW(m_periodSlider, TBM_SETRANGEMIN, FALSE, kPeriodMin);
    ::SendMessageW(m_periodSlider, TBM_SETRANGEMAX, FALSE, kPeriodMax);
    ::SendMessageW(m_periodSlider, TBM_SETPOS, TRUE, m_settings.blinkPeriod);
    return TRUE;
}

bool PropatyDlg::OnCommand(WORD id, WORD code, HWND control) {
    if (id == GLM_IDC_DUPLICATE && code == BN_CLICKED) {
        OnDuplicateCheck();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool PropatyDlg::Probe(HotKeyCombination combination) {
    TraceLine("Modifiers=%d\n", combination.modifiers);
    TraceLine("HotKey = %d\n", combination.code);
    return ProbeHotKey(m_hwnd, kProbeHotKeyId, static_cast<UINT>(combination.modifiers),
                       static_cast<UINT>(combination.code));
}

// A taken combination keeps the dialog open with everything the user entered.
void PropatyDlg::OnOK() {
    UpdateData(true);
    Settings& s = m_settings;
    const HotKeyEntry& entry = m_hotKeyField.Entry();
    if (const auto probe = OkHandlerProbe(s.hotKeyEnabled, {s.hotKeyCode, s.hotKeyModifiers}, entry.selectedKey,
                                          entry.selectedModifiers)) {
        if (!Probe(*probe)) {
            ShowAppMessage(kOkProbeTakenText);
            return;
        }
        s.hotKeyModifiers = probe->modifiers;
        s.hotKeyCode = probe->code;
    }
    s.blinkPeriod = static_cast<int>(::SendMessageW(m_periodSlider, TBM_GETPOS, 0, 0));
    Dialog::OnOK();
}

// The stored combination is never probed: we may hold it ourselves as the toggle hot key.
void PropatyDlg::OnDuplicateCheck() {
    const HotKeyEntry& entry = m_hotKeyField.Entry();
    const auto probe = DuplicateCheckProbe({m_settings.hotKeyCode, m_settings.hotKeyModifiers}, entry.selectedKey,
                                           entry.selectedModifiers);
    if (!probe) {
        ShowAppMessage(kCurrentSettingText);
        return;
    }
    ShowAppMessage(Probe(*probe) ? kProbeFreeText : kProbeTakenText);
}

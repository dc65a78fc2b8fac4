#pragma once
// The properties dialog: edits every setting that has a control and checks hot-key combinations.
#include "platform/dialog.h"
#include "properties/hot_key_decisions.h"
#include "properties/hot_key_ex_ctrl.h"

class PropatyDlg final : public Dialog {
  public:
    PropatyDlg();

    // Assigned by the caller before DoModal and read back after IDOK.
    int m_colourCode = 0;
    int m_transparency = 0;
    int m_shape = 0;
    int m_sizeIndex = 0;
    int m_positionControl = 0;
    int m_hotKeyEnabled = 0;
    int m_hotKeyCode = 0;       // the stored combination: key...
    int m_hotKeyModifiers = 0;  // ...and MOD_ modifiers
    int m_blinkPeriod = 0;
    int m_clickMonitor = 0;
    int m_rippleEnabled = 0;
    int m_blinkEnabled = 0;
    int m_blinkTrigger = 0;

  private:
    void DoDataExchange(DataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    void OnOK() override;
    void OnDuplicateCheck();
    bool Probe(HotKeyCombination combination);

    CHotKeyExCtrl m_hotKeyField;
    HWND m_periodSlider = nullptr;
};

#pragma once
// The properties dialog: edits every setting that has a control and checks hot-key combinations.
#include <optional>

#include "platform/dialog.h"
#include "properties/hot_key_decisions.h"
#include "properties/hot_key_ex_ctrl.h"
#include "settings/settings.h"

class PropatyDlg final : public Dialog {
  public:
    // Runs the dialog modally over a copy of `settings`: after OK the copy as the user left it
    // (a field without a control comes back as it went in), after Cancel nothing.
    static std::optional<Settings> Edit(const Settings& settings);

  private:
    explicit PropatyDlg(const Settings& settings);

    void DoDataExchange(DataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    void OnOK() override;
    void OnDuplicateCheck();
    bool Probe(HotKeyCombination combination);

    Settings m_settings;
    CHotKeyExCtrl m_hotKeyField;
    HWND m_periodSlider = nullptr;
};

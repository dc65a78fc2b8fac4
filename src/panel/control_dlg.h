#pragma once
// The control panel: the ON/OFF and Properties buttons, the settings record, the toggle hot key,
// and the one mark while the mark is shown.
#include <windows.h>

#include <memory>
#include <string>

#include "panel/mark_command.h"
#include "panel/panel_button.h"
#include "panel/switch_step.h"
#include "platform/dialog.h"
#include "platform/handles.h"
#include "settings/settings.h"

class PointerWin;

class ControlDlg final : public Dialog {
  public:
    explicit ControlDlg(const std::wstring& executableDirectory);
    ~ControlDlg() override;

    bool PreTranslateMessage(MSG& msg) override;

    void DestroyMark();       // does nothing while none exists
    void RecreateMarkIfOn();  // after a dialog that took the mark down

    // Queues a command from outside, to be carried out by whichever message loop runs, as the toggle
    // hot key is; false when the panel can take nothing (no window, or its queue refused it).
    bool TakeCommand(MarkCommand command);

  private:
    BOOL OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind) override;
    void OnDestroy() override;

    void OnBnClickedOnOff();
    void OnBnClickedProperties();
    void SwitchAsHotKey();
    void CreateMark();  // does nothing while an mark exists
    void SwitchStep();
    void ShowSwitchOutcome(const SwitchOutcome& outcome);
    void RegisterToggleHotKey(const wchar_t* failureText);

    std::wstring m_profilePath;
    Brush m_background;
    bool m_onFlag = false;
    Settings m_settings;
    std::unique_ptr<PointerWin> m_mark;  // the mark, while it is shown
    PanelButton m_onOffButton;
    PanelButton m_propertiesButton;
    GdiObject<HFONT> m_menuFont;
};

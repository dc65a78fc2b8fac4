#pragma once
// The control panel: the ON/OFF and Properties buttons, the settings record, the toggle hot key,
// and the one overlay while the mark is shown.
#include <windows.h>

#include <string>

#include "platform/dialog.h"
#include "platform/handles.h"
#include "settings/settings.h"

class ControlDlg final : public Dialog {
  public:
    explicit ControlDlg(const std::wstring& executableDirectory);

    BOOL DestroyWindow() override;
    bool PreTranslateMessage(MSG& msg) override;

    void CreateOverlay();
    void DestroyOverlay();
    bool OnFlag() const { return m_onFlag != 0; }

  private:
    BOOL OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind) override;

    std::wstring m_profilePath;
    Brush m_background;
    int m_onFlag = FALSE;
    Settings m_settings;
};

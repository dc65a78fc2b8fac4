#pragma once
// The main window: hosts the control panel, the About item and the application icon.
#include <windows.h>

#include <string>

#include "panel/control_dlg.h"
#include "platform/dialog.h"

class CGlimmoraDlg final : public Dialog {
  public:
    explicit CGlimmoraDlg(const std::wstring& executableDirectory);
    ~CGlimmoraDlg() override;

    bool PreTranslateMessage(MSG& msg) override;

  private:
    BOOL OnInitDialog() override;
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnSysCommand(WPARAM command, LPARAM) override;
    bool OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    void RunAboutBox();

    HICON m_icon;  // a shared resource icon: the system keeps it
    ControlDlg m_panel;
    SIZE m_clientSize{};  // what the panel needs, in pixels, on every monitor
};

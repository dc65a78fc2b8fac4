#pragma once
// The main window: hosts the control panel, the About item and the application icon.
#include <windows.h>

#include <optional>
#include <string>

#include "panel/control_dlg.h"
#include "panel/mark_command.h"
#include "platform/dialog.h"

class CGlimmoraDlg final : public Dialog {
  public:
    // `startCommand`: what the command line asked for, carried out once the window is shown.
    explicit CGlimmoraDlg(const std::wstring& executableDirectory,
                          std::optional<MarkCommand> startCommand = std::nullopt);
    ~CGlimmoraDlg() override;

    bool PreTranslateMessage(MSG& msg) override;

  private:
    BOOL OnInitDialog() override;
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;
    LRESULT TakeHandedCommand(WPARAM wParam);
    bool OnSysCommand(WPARAM command, LPARAM) override;
    bool OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    void RunAboutBox();

    HICON m_icon;  // a shared resource icon: the system keeps it
    ControlDlg m_panel;
    SIZE m_clientSize{};  // what the panel needs, in pixels, on every monitor
    std::optional<MarkCommand> m_startCommand;
    bool m_takesCommands = false;  // from the end of the initialisation until the window goes
};

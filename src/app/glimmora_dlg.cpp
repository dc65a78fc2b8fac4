#include "app/glimmora_dlg.h"

#include "app/about_dlg.h"
#include "app/hand_over.h"
#include "app/hand_over_message.h"
#include "app/main_window_layout.h"
#include "platform/window_manager.h"
#include "res/resource.h"

CGlimmoraDlg::CGlimmoraDlg(const std::wstring& executableDirectory, std::optional<MarkCommand> startCommand)
    : Dialog(GLM_IDD_MAIN),
      m_icon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(GLM_IDI_APP))),
      m_panel(executableDirectory),
      m_startCommand(startCommand) {
    SetApplicationMainDialog(this);
}

// Its window goes while the object is whole (the end of DoModal has destroyed it already).
CGlimmoraDlg::~CGlimmoraDlg() { DestroyWindow(); }

BOOL CGlimmoraDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    // The panel inside is made at run time with the menu font, which the dialog manager's rescaling
    // would neither lay out nor resize: the window keeps its pixel size on every monitor instead.
    KeepPixelSizeOnDpiChange(m_hwnd);

    if (HMENU menu = ::GetSystemMenu(m_hwnd, FALSE)) {
        wchar_t text[256] = {};
        if (::LoadStringW(::GetModuleHandleW(nullptr), GLM_IDS_ABOUTBOX, text, 256) > 0 && text[0]) {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuW(menu, MF_STRING, GLM_IDM_ABOUTBOX, text);
        }
    }
    ::SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    ::SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

    // Without its panel the main window has nothing to offer: end the run rather than show an
    // empty window.
    if (!m_panel.Create(m_hwnd)) {
        EndDialog(IDABORT);
        return TRUE;
    }
    RECT client{}, panel{};
    ::GetClientRect(m_hwnd, &client);
    ::GetWindowRect(m_panel.Hwnd(), &panel);
    const Size panelSize{panel.right - panel.left, panel.bottom - panel.top};
    const Point at = CentredOffset({client.right - client.left, client.bottom - client.top}, panelSize);
    ::MoveWindow(m_panel.Hwnd(), at.x, at.y, panelSize.cx, panelSize.cy, TRUE);
    ::ShowWindow(m_panel.Hwnd(), SW_SHOW);
    m_clientSize = {client.right - client.left, client.bottom - client.top};

    // Queued now, and carried out by the modal loop once the window is shown, as every command is; a
    // message box of the panel's start (the hot key taken) has been closed by then.
    if (m_startCommand) m_panel.TakeCommand(*m_startCommand);
    m_takesCommands = true;
    return TRUE;
}

// On a monitor of another scale the system scales the caption and the borders but, with the dialog
// manager's rescaling off, not the window: the client area would shrink and clip the panel. The frame
// is made to fit the same client area at the new scale, where the system suggests.
bool CGlimmoraDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (const UINT handOver = HandOverMessage(); handOver != 0 && message == handOver) {
        result = TakeHandedCommand(wParam);
        return true;
    }
    if (message == WM_DPICHANGED && m_clientSize.cx > 0) {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        const auto style = static_cast<DWORD>(::GetWindowLongPtrW(m_hwnd, GWL_STYLE));
        const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE));
        if (const auto frame =
                FrameForClient(style, exStyle, m_clientSize, HIWORD(wParam), {suggested.left, suggested.top})) {
            ::SetWindowPos(m_hwnd, nullptr, frame->left, frame->top, frame->right - frame->left,
                           frame->bottom - frame->top, SWP_NOZORDER | SWP_NOACTIVATE);
            result = 0;
            return true;
        }
    }
    return Dialog::WindowProc(message, wParam, lParam, result);
}

// A start that found us running hands its command over; it learns only whether we took it. Before our
// initialisation has ended, and once the window goes, nothing is taken, so that start ends with a
// failure rather than a command lost.
LRESULT CGlimmoraDlg::TakeHandedCommand(WPARAM wParam) {
    const std::optional<MarkCommand> command = MarkCommandFrom(wParam);
    if (!command || !m_takesCommands) return 0;
    return m_panel.TakeCommand(*command) ? kCommandTaken : 0;
}

void CGlimmoraDlg::OnDestroy() { m_takesCommands = false; }

bool CGlimmoraDlg::OnSysCommand(WPARAM command, LPARAM) {
    if (!IsAboutCommand(static_cast<unsigned>(command))) return false;
    RunAboutBox();
    return true;
}

void CGlimmoraDlg::RunAboutBox() {
    m_panel.DestroyMark();
    {
        CAboutDlg about;
        about.DoModal();
    }
    m_panel.RecreateMarkIfOn();
}

bool CGlimmoraDlg::OnPaint() {
    if (!::IsIconic(m_hwnd)) return false;
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hwnd, &ps);
    ::SendMessageW(m_hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    const Point at = IconOrigin({client.right - client.left, client.bottom - client.top},
                                {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)});
    ::DrawIcon(dc, at.x, at.y, m_icon);
    ::EndPaint(m_hwnd, &ps);
    return true;
}

HCURSOR CGlimmoraDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_icon); }

// Escape and Enter never end the main window; it closes only through its Close command.
bool CGlimmoraDlg::PreTranslateMessage(MSG& msg) {
    return msg.message == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN);
}

// The mark's window keeps to itself: it never takes the activation and keeps the size it chose.
#include "harness.h"

using namespace e2e;

namespace {

void ClickAt(POINT p) {
    ::SetCursorPos(p.x, p.y);
    INPUT clicks[2]{};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, clicks, sizeof(INPUT));
}

HWND ActiveWindowOf(HWND anyWindowOfThread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(anyWindowOfThread, nullptr), &info);
    return info.hwndActive;
}

}  // namespace

// A click on ON minimises the main window, and the system hands the activation to the next window
// in the z-order: that must be the presenter's program, never the mark just shown above it.
E2E_SCENARIO(ClickOnOnLeavesTheKeyboardToTheProgramBehind) {
    const std::wstring folder = PreparedFolder(L"activation", "SIZE=1\r\n");
    KeyTarget target;
    if (!CHECK(target.TakeKeyboard())) return;
    Glimmora app(folder);
    HWND main = app.MainWindow();
    if (!CHECK(main)) return;
    HWND button = ::GetDlgItem(app.Panel(), GLM_IDC_ONOFF);
    const RECT b = WindowRect(button);
    ClickAt({(b.left + b.right) / 2, (b.top + b.bottom) / 2});
    CHECK(WaitFor([&] { return ::IsIconic(main) != FALSE; }));
    HWND mark = nullptr;
    CHECK(WaitFor([&] { return (mark = app.Mark()) && ::IsWindowVisible(mark); }));
    // The minimising, and any handing on of the activation, is over once the panel's thread answers.
    DWORD_PTR ignored = 0;
    CHECK(::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored));
    CHECK(::GetForegroundWindow() != mark);
    CHECK(ActiveWindowOf(main) != mark);
    // Moving the pointer makes the mark place itself again: still not activated.
    CHECK(MoveAndFollow(mark, OnScreen(0.33, 0.32)));
    CHECK(::GetForegroundWindow() != mark);
    CHECK(ActiveWindowOf(main) != mark);
    CHECK(app.Close());
}

// Only the mark sizes itself (size table, press-to-grow): a resize from outside, such as the
// system's rescaling on a move to a monitor of another scale, changes nothing.
E2E_SCENARIO(TheMarkKeepsItsSizeWhenResizedFromOutside) {
    const std::wstring folder = PreparedFolder(L"size", "SIZE=2\r\nSHAPE=1\r\n");
    const POINT start = OnScreen(0.23, 0.23), next = OnScreen(0.28, 0.27);
    ::SetCursorPos(start.x, start.y);
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    HWND mark = SwitchMarkOnByButton(app);
    if (!CHECK(mark)) return;
    ::SetWindowPos(mark, nullptr, 0, 0, 92, 92, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK(MoveAndFollow(mark, next));
    const RECT r = WindowRect(mark);
    CHECK_EQ(r.right - r.left, 61);
    CHECK_EQ(r.bottom - r.top, 61);
    CHECK(MarkCentredOn(mark, next));
    CHECK(!RegionContains(mark, 30, 30));  // still the ring it was cut into
    CHECK(RegionContains(mark, 1, 30));
    CHECK(app.Close());
}

namespace {

std::wstring DriverFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

// Wine, like Windows, then looks in the application's folder first for these DLLs.
class SearchAppFolderFirst {
  public:
    explicit SearchAppFolderFirst(const std::wstring& dlls) {
        wchar_t old[1024] = {};
        m_had = ::GetEnvironmentVariableW(L"WINEDLLOVERRIDES", old, 1024) > 0;
        m_old = old;
        ::SetEnvironmentVariableW(L"WINEDLLOVERRIDES", (m_old + L";" + dlls + L"=n,b").c_str());
    }
    ~SearchAppFolderFirst() { ::SetEnvironmentVariableW(L"WINEDLLOVERRIDES", m_had ? m_old.c_str() : nullptr); }

  private:
    bool m_had;
    std::wstring m_old;
};

}  // namespace

// A download folder may hold a DLL named like a system one beside Glimmora.exe: it is never loaded.
// (Wine's own DLLs load some others, such as uxtheme.dll, before the program's first instruction.)
E2E_SCENARIO(DllsPlantedBesideTheExeAreNeverLoaded) {
    const std::wstring folder = PreparedFolder(L"planted", "SIZE=1\r\n");
    const wchar_t* planted[] = {L"version.dll", L"dwmapi.dll"};
    for (const wchar_t* dll : planted)
        CHECK(::CopyFileW((DriverFolder() + L"\\planted.dll").c_str(), (folder + L"\\" + dll).c_str(), FALSE));
    SearchAppFolderFirst overrides(L"version,dwmapi");
    Glimmora app(folder);
    HWND main = app.MainWindow();
    if (CHECK(main)) {
        ::PostMessageW(main, WM_SYSCOMMAND, 0x10, 0);  // the About box reads our version resource
        if (HWND about = app.WaitTopLevel(L"Glimmora について")) {
            CHECK(WindowText(::GetDlgItem(about, GLM_IDC_VERSION)) == L"Glimmora Ver.:2-3-4-135");
            PressButton(about, IDOK);
            CHECK(WaitFor([&] { return !::IsWindow(about); }));
        } else {
            CHECK(!"the About box opens");
        }
        CHECK(SwitchMarkOnByButton(app));
        CHECK(app.Close());
    }
    for (const wchar_t* dll : planted) CHECK(!FileExists(folder + L"\\" + dll + L".loaded"));
}

// The mark: switched by the ON/OFF button and the toggle hot key, following the pointer.
#include <string>

#include "harness.h"

using namespace e2e;

namespace {

const POINT kAway = AwayFromMainWindow();

// A window of the driver's own, in front and focused, that records the characters typed into it.
class FrontWindow {
  public:
    FrontWindow() {
        const POINT at = OnScreen(0.55, 0.6);  // clear of the main window and of the mark's places
        m_window = ::CreateWindowExW(WS_EX_TOPMOST, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, at.x, at.y, 300,
                                     120, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SetForegroundWindow(m_window);
        ::SetFocus(m_window);
        Pump();
        SettleFocusChange();  // Wine lets go of held modifiers a moment after a focus change
    }
    ~FrontWindow() { ::DestroyWindow(m_window); }
    HWND Hwnd() const { return m_window; }
    std::wstring Text() {
        Pump();
        return WindowText(m_window);
    }
    static void Pump() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }

  private:
    HWND m_window;
};

}  // namespace

E2E_PLACEMENT(OnButtonShowsTheMarkOnThePointerAndMinimisesTheMainWindow) {
    const std::wstring folder = PreparedFolder(L"on", "SIZE=1\r\nTRANS=50\r\n");
    ::SetCursorPos(kAway.x, kAway.y);
    Glimmora app(folder);
    HWND main = app.MainWindow();
    if (!CHECK(main)) return;
    HWND mark = SwitchMarkOnByButton(app);
    if (!CHECK(mark)) return;
    CHECK(WindowText(::GetDlgItem(app.Panel(), GLM_IDC_ONOFF)) == L"OFF");
    CHECK(WaitFor([&] { return ::IsIconic(main) != FALSE; }));
    const RECT r = WindowRect(mark);
    CHECK_EQ(r.right - r.left, 41);
    CHECK_EQ(r.bottom - r.top, 41);
    CHECK(WaitFor([&] { return MarkCentredOn(mark, kAway); }));
    const LONG_PTR ex = ::GetWindowLongPtrW(mark, GWL_EXSTYLE);
    CHECK((ex & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) ==
          (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
    BYTE alpha = 0;
    DWORD flags = 0;
    CHECK(::GetLayeredWindowAttributes(mark, nullptr, &alpha, &flags));
    CHECK_EQ(alpha, 127);
    CHECK(flags & LWA_ALPHA);

    // It follows the pointer, also half off the screen in its corners.
    const RECT screen = PrimaryMonitor();
    for (POINT p : {OnScreen(0.23, 0.24), POINT{15, 12}, POINT{screen.right - 3, 130},
                    POINT{screen.right - 1, screen.bottom - 1}}) {
        ::SetCursorPos(p.x, p.y);
        CHECK(WaitFor([&] { return MarkCentredOn(mark, p); }, 2000));
    }

    // Off again: the mark goes, the text is back, the window stays minimised.
    ::ShowWindow(main, SW_RESTORE);
    CHECK(WaitFor([&] { return !::IsIconic(main); }));
    ::SetCursorPos(kAway.x, kAway.y);
    PressButton(app.Panel(), GLM_IDC_ONOFF);
    CHECK(WaitFor([&] { return app.Mark() == nullptr; }));
    CHECK(WindowText(::GetDlgItem(app.Panel(), GLM_IDC_ONOFF)) == L"ON");
    CHECK(!::IsIconic(main));
    CHECK(app.Close());
}

E2E_SCENARIO(SizesShapesAndOutOfRangeValuesGiveTheirMarks) {
    struct Case {
        const char* settings;
        int diameter;
        bool ring;
        int inset;
        int alpha;
    };
    const Case cases[] = {
        {"SIZE=0\r\nSHAPE=1\r\n", 21, true, 5, 127},
        {"SIZE=1\r\nSHAPE=1\r\nTRANS=100\r\n", 41, true, 10, 255},
        {"SIZE=5\r\nSHAPE=0\r\n", 150, false, 0, 127},
        {"SIZE=2\r\nSHAPE=1\r\n", 61, true, 15, 127},
        {"SIZE=9\r\nSHAPE=2\r\nTRANS=120\r\n", 81, true, 15, 50},
        {"SIZE=4\r\nTRANS=0\r\n", 101, false, 0, 0},
    };
    for (const Case& c : cases) {
        const std::wstring folder = PreparedFolder(L"shape", c.settings);
        ::SetCursorPos(kAway.x + 100, kAway.y + 100);
        Glimmora app(folder);
        if (!CHECK(app.MainWindow())) continue;
        HWND mark = SwitchMarkOnByButton(app);
        if (!CHECK(mark)) continue;
        const RECT r = WindowRect(mark);
        CHECK_EQ(r.right - r.left, c.diameter);
        const int mid = c.diameter / 2;
        CHECK_EQ(RegionContains(mark, mid, mid), !c.ring);
        CHECK(RegionContains(mark, 1, mid));
        if (c.ring) {
            CHECK(RegionContains(mark, c.inset - 2, mid));
            CHECK(!RegionContains(mark, c.inset + 2, mid));
        }
        BYTE alpha = 0;
        ::GetLayeredWindowAttributes(mark, nullptr, &alpha, nullptr);
        CHECK_EQ(alpha, c.alpha);
        if (c.alpha == 0) {  // invisible, but it still follows
            const POINT p = OnScreen(0.31, 0.29);
            ::SetCursorPos(p.x, p.y);
            CHECK(WaitFor([&] { return MarkCentredOn(mark, p); }, 2000));
        }
        CHECK(app.Close());
    }
}

E2E_PLACEMENT(MarkShowsItsColourOnScreen) {
    struct Case {
        const char* code;
        COLORREF colour;
    };
    for (const Case c : {Case{"0", RGB(255, 255, 0)}, Case{"2", RGB(255, 0, 0)}, Case{"5", RGB(0, 255, 255)}}) {
        const std::wstring folder =
            PreparedFolder(L"colour", std::string("TRANS=100\r\nSIZE=3\r\nCOLORCODE=") + c.code + "\r\n");
        ::SetCursorPos(kAway.x, kAway.y);
        Glimmora app(folder);
        if (!CHECK(app.MainWindow())) continue;
        HWND mark = SwitchMarkOnByButton(app);
        if (!CHECK(mark)) continue;
        CHECK(WaitFor([&] { return MarkCentredOn(mark, kAway); }));
        HDC screen = ::GetDC(nullptr);
        // A point of the body beside the pointer (the pointer itself is not in the screen image).
        COLORREF seen = CLR_INVALID;
        const bool shown =
            WaitFor([&] { return (seen = ::GetPixel(screen, kAway.x + 20, kAway.y)) == c.colour; }, 3000);
        CHECK(shown);
        if (!shown) std::printf("    colour %06lx seen %06lx\n", c.colour, seen);
        ::ReleaseDC(nullptr, screen);
        CHECK(app.Close());
    }
}

E2E_PLACEMENT(MarkHidesOverTheMainWindowAndStaysBelowVisibleSiblings) {
    const std::wstring folder = PreparedFolder(L"hide", "SIZE=1\r\n");
    ::SetCursorPos(kAway.x, kAway.y);
    Glimmora app(folder);
    HWND main = app.MainWindow();
    if (!CHECK(main)) return;
    HWND mark = SwitchMarkOnByButton(app);
    if (!CHECK(mark)) return;
    ::ShowWindow(main, SW_RESTORE);
    CHECK(WaitFor([&] { return !::IsIconic(main); }));
    const RECT m = WindowRect(main);
    ::SetCursorPos(m.left, m.top);  // left and top edges are inside
    CHECK(WaitFor([&] { return !::IsWindowVisible(mark); }));
    ::SetCursorPos(m.right - 1, m.bottom - 1);
    CHECK(WaitFor([&] { return !::IsWindowVisible(mark); }));
    ::SetCursorPos(m.right, (m.top + m.bottom) / 2);  // the right edge is outside
    CHECK(WaitFor([&] { return ::IsWindowVisible(mark) != FALSE; }));

    // Two sibling tools' windows: directly below the second's when both are shown, hidden ones ignored.
    auto makeSibling = [](const wchar_t* title, double fx) {
        const POINT at = OnScreen(fx, 0.7);
        return ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", title, WS_POPUP | WS_VISIBLE, at.x, at.y, 80, 60, nullptr,
                                 nullptr, ::GetModuleHandleW(nullptr), nullptr);
    };
    HWND first = makeSibling(L"_BRINDLECOVE_VEILPAN", 0.08);
    HWND second = makeSibling(L"_BRINDLECOVE_TORVELIN", 0.24);
    auto directlyBelow = [&](HWND above) { return ::GetWindow(above, GW_HWNDNEXT) == mark; };
    ::SetCursorPos(kAway.x, kAway.y);
    CHECK(WaitFor([&] { return directlyBelow(second); }, 3000));
    ::ShowWindow(second, SW_HIDE);
    CHECK(WaitFor([&] { return directlyBelow(first); }, 3000));
    // Both hidden: nothing that can be seen is above the mark any more (hidden windows may stay above it:
    // placing it above those would show nothing new).
    ::ShowWindow(first, SW_HIDE);
    CHECK(WaitFor(
        [&] {
            for (HWND above = ::GetWindow(mark, GW_HWNDPREV); above; above = ::GetWindow(above, GW_HWNDPREV))
                if (::IsWindowVisible(above)) return false;
            return true;
        },
        3000));
    ::DestroyWindow(first);
    ::DestroyWindow(second);
    CHECK(app.Close());
}

E2E_SCENARIO(HotKeyTogglesTheMarkWithoutTakingTheKeyboard) {
    const std::wstring folder = PreparedFolder(L"hotkey", "RPHTOKEYFLAG=1\r\n");  // Alt+Z by default
    ::SetCursorPos(kAway.x, kAway.y);
    Glimmora app(folder);
    HWND main = app.MainWindow();
    if (!CHECK(main)) return;
    FrontWindow front;
    CHECK(::GetForegroundWindow() == front.Hwnd());

    CHECK(PressHotKey({VK_MENU}, 'Z'));
    HWND mark = nullptr;
    CHECK(WaitFor([&] { return (mark = app.Mark()) && ::IsWindowVisible(mark); }));
    CHECK(WaitFor([&] { return WindowText(::GetDlgItem(app.Panel(), GLM_IDC_ONOFF)) == L"OFF"; }));
    CHECK(WaitFor([&] { return ::IsIconic(main) != FALSE; }));
    FrontWindow::Pump();
    if (!CHECK(::GetForegroundWindow() == front.Hwnd())) {
        HWND fg = ::GetForegroundWindow();
        DWORD pid = 0;
        ::GetWindowThreadProcessId(fg, &pid);
        std::printf("    foreground %p '%s' pid %lu (glimmora %lu, main %p mark %p)\n", (void*)fg,
                    Narrow(WindowText(fg)).c_str(), pid, app.Pid(), (void*)main, (void*)mark);
    }
    CHECK(::GetFocus() == front.Hwnd());
    SendCombination({}, 'G');
    SendCombination({}, 'O');
    CHECK(WaitFor([&] { return front.Text() == L"go"; }, 3000));

    CHECK(PressHotKey({VK_MENU}, 'Z'));
    CHECK(WaitFor([&] { return app.Mark() == nullptr; }));
    CHECK(WindowText(::GetDlgItem(app.Panel(), GLM_IDC_ONOFF)) == L"ON");
    CHECK(app.Close());
    // Released at exit: someone else may now have the combination.
    CHECK(::RegisterHotKey(front.Hwnd(), 1, MOD_ALT, 'Z'));
    ::UnregisterHotKey(front.Hwnd(), 1);
}

E2E_SCENARIO(HotKeyHeldElsewhereIsReportedAtStart) {
    FrontWindow holder;
    if (!CHECK(::RegisterHotKey(holder.Hwnd(), 7, MOD_ALT, 'Z'))) return;
    const std::wstring folder = PreparedFolder(L"taken", "RPHTOKEYFLAG=1\r\n");
    Glimmora app(folder);
    HWND box = app.WaitTopLevel(L"Glimmora");
    // The main window and the message share the caption; the message box is the one with a text.
    WaitFor([&] {
        for (HWND h : TopLevelWindowsOf(app.Pid(), true))
            if (!MessageBoxText(h).empty()) return (box = h) != nullptr;
        return false;
    });
    if (CHECK(box)) {
        CHECK(WindowText(box) == L"Glimmora");  // the application name, taken from the file name
        CHECK(MessageBoxText(box) == L"ホットキーの登録が失敗しました.他のキーに変更してください.");
        PressButton(box, IDOK);
    }
    CHECK(app.MainWindow());
    CHECK(WaitFor([&] { return app.Output().find("RegisterHotKey() Error=") != std::string::npos; }));
    ::UnregisterHotKey(holder.Hwnd(), 7);
    CHECK(app.Close());
}

E2E_SCENARIO(ClosingWithTheMarkOnRemovesItAndFreesTheHotKey) {
    const std::wstring folder = PreparedFolder(L"close", "RPHTOKEYFLAG=1\r\nRPHOTKEY=75\r\nRPMODIFIERS=6\r\n");
    ::SetCursorPos(kAway.x, kAway.y);
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;
    CHECK(SwitchMarkOnByButton(app));
    FrontWindow other;
    CHECK(!::RegisterHotKey(other.Hwnd(), 3, MOD_CONTROL | MOD_SHIFT, 'K'));
    CHECK(app.Close());
    CHECK_EQ(app.ExitCode(), 0);
    CHECK(::RegisterHotKey(other.Hwnd(), 3, MOD_CONTROL | MOD_SHIFT, 'K'));
    ::UnregisterHotKey(other.Hwnd(), 3);
    CHECK(!FileExists(folder + L"\\Glimmora.ini") ||
          ReadFileText(folder + L"\\Glimmora.ini").find(L"COLORCODE") == std::wstring::npos);
}

E2E_SCENARIO(StartedByABareOrRelativeNameItStillReadsTheProfileBesideIt) {
    const std::wstring folder = PreparedFolder(L"relative", "SIZE=5\r\n");
    const std::wstring parent = folder.substr(0, folder.rfind(L'\\'));
    const std::wstring leaf = folder.substr(folder.rfind(L'\\') + 1);
    struct Start {
        std::wstring commandLine;
        std::wstring workingDirectory;
    };
    for (const Start& s : {Start{L"Glimmora.exe", folder}, Start{L"\"" + leaf + L"\\Glimmora.exe\"", parent}}) {
        ::SetCursorPos(kAway.x, kAway.y);
        Glimmora app(folder, s.commandLine, s.workingDirectory);
        if (!CHECK(app.MainWindow())) continue;
        HWND mark = SwitchMarkOnByButton(app);
        if (CHECK(mark)) CHECK_EQ(WindowRect(mark).right - WindowRect(mark).left, 150);
        CHECK(app.Close());
    }
}

E2E_SCENARIO(ABlinkPeriodOfZeroOrBelowStillBlinks) {
    for (const char* period : {"0", "-3"}) {
        const std::wstring folder =
            PreparedFolder(L"period", std::string("TENMETU=1\r\nTRANS=100\r\nTENMETUTIME=") + period + "\r\n");
        ::SetCursorPos(kAway.x, kAway.y);
        Glimmora app(folder);
        if (!CHECK(app.MainWindow())) continue;
        HWND mark = SwitchMarkOnByButton(app);
        if (!CHECK(mark)) continue;
        // Treated as a period of 1: full alpha, then nothing, and so on.
        auto alphaIs = [&](BYTE wanted) {
            BYTE alpha = 1;
            ::GetLayeredWindowAttributes(mark, nullptr, &alpha, nullptr);
            return alpha == wanted;
        };
        CHECK(WaitFor([&] { return alphaIs(0); }, 3000));
        CHECK(WaitFor([&] { return alphaIs(255); }, 3000));
        CHECK(app.Close());
        CHECK_EQ(app.ExitCode(), 0);
    }
}

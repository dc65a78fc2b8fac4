// The command-line options /on, /off and /toggle at a first start.
#include <string>

#include "harness.h"
#include "mark/window_titles.h"

using namespace e2e;

namespace {

// A profile with a line of its own, so that a rewrite of any kind shows.
constexpr char kProfile[] = "SIZE=1\r\n; the presenter's note\r\nTRANS=50\r\n";
constexpr int kMarkDiameter = 41;  // SIZE=1

// Clear of the main window, which is centred on the screen.
POINT Away() { return {::GetSystemMetrics(SM_CXSCREEN) / 6, ::GetSystemMetrics(SM_CYSCREEN) / 6}; }

std::wstring StartLine(const std::wstring& folder, const std::wstring& options) {
    return L"\"" + folder + L"\\Glimmora.exe\" " + options;
}

std::wstring Profile(const std::wstring& folder) { return ReadFileText(folder + L"\\Glimmora.ini"); }

int MarkWindows(Glimmora& app) {
    int count = 0;
    for (HWND h : TopLevelWindowsOf(app.Pid(), false)) count += WindowText(h) == kMarkTitle;
    return count;
}

HWND OnOffButton(Glimmora& app) { return ::GetDlgItem(app.Panel(), GLM_IDC_ONOFF); }
bool ButtonChecked(Glimmora& app) { return Ask(OnOffButton(app), BM_GETCHECK) == BST_CHECKED; }

// What a click on ON shows: one mark, on the pointer, the button at "OFF" and checked, the main
// window minimised.
void ExpectSwitchedOn(Glimmora& app) {
    HWND mark = nullptr;
    CHECK(WaitFor([&] { return (mark = app.Mark()) && ::IsWindowVisible(mark); }));
    CHECK(WaitFor([&] { return WindowText(OnOffButton(app)) == L"OFF" && ::IsIconic(app.MainWindow()); }));
    CHECK(ButtonChecked(app));
    CHECK_EQ(MarkWindows(app), 1);
    if (mark) CHECK(WaitFor([&] { return MarkCentredOn(mark, Away()); }));
}

// Minimises or restores the main window by a posted command and waits for it: the instance takes
// posted messages in order, so everything queued there before has been carried out by then.
bool MinimiseBehindTheQueue(Glimmora& app, bool minimised) {
    HWND main = app.MainWindow();
    if (!CHECK((::IsIconic(main) != FALSE) != minimised)) return false;
    ::PostMessageW(main, WM_SYSCOMMAND, minimised ? SC_MINIMIZE : SC_RESTORE, 0);
    return CHECK(WaitFor([&] { return (::IsIconic(main) != FALSE) == minimised; }));
}

}  // namespace

E2E_SCENARIO(OnOrToggleAtStartShowsTheMarkAsAClickOnOnDoes) {
    for (const wchar_t* option : {L"/on", L"-TOGGLE"}) {
        const std::wstring folder = PreparedFolder(L"start on", kProfile);
        const std::wstring profile = Profile(folder);
        ::SetCursorPos(Away().x, Away().y);
        Glimmora app(folder, StartLine(folder, option));
        if (!CHECK(app.MainWindow())) continue;
        ExpectSwitchedOn(app);
        if (HWND mark = app.Mark()) CHECK_EQ(MarkWidth(mark), kMarkDiameter);  // the profile was read first
        CHECK(app.Close());
        CHECK_EQ(app.ExitCode(), 0);
        CHECK(Profile(folder) == profile);
    }
}

E2E_SCENARIO(OffOrAnUnknownOptionAtStartIsAPlainStart) {
    for (const wchar_t* option : {L"/off", L"/onn", L"toggle"}) {
        const std::wstring folder = PreparedFolder(L"start off", kProfile);
        Glimmora app(folder, StartLine(folder, option));
        if (!CHECK(app.MainWindow())) continue;
        MinimiseBehindTheQueue(app, true);
        CHECK(app.Mark() == nullptr);
        CHECK(WindowText(OnOffButton(app)) == L"ON");
        CHECK(!ButtonChecked(app));
        CHECK(app.Close());
    }
}

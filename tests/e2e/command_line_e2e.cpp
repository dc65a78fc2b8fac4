// The command-line options /on, /off and /toggle: at a first start, and handed to a running instance.
#include <atomic>
#include <string>

#include "app/hand_over_message.h"
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

// Starts Glimmora.exe with `options` beside the instance that runs from `folder`, and gives its exit
// code once it has ended by itself. A message box would keep it from ending.
DWORD HandOver(const std::wstring& folder, const std::wstring& options) {
    Glimmora start(folder, StartLine(folder, options));
    if (!CHECK(start.WaitExit(5000))) return STILL_ACTIVE;
    CHECK(start.Output().empty());
    return start.ExitCode();
}

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

void ExpectSwitchedOff(Glimmora& app) {
    CHECK(WaitFor([&] { return app.Mark() == nullptr && WindowText(OnOffButton(app)) == L"ON"; }));
    CHECK(!ButtonChecked(app));
}

// Minimises or restores the main window by a posted command and waits for it: the instance takes
// posted messages in order, so everything queued there before has been carried out by then.
bool MinimiseBehindTheQueue(Glimmora& app, bool minimised) {
    HWND main = app.MainWindow();
    if (!CHECK((::IsIconic(main) != FALSE) != minimised)) return false;
    ::PostMessageW(main, WM_SYSCOMMAND, minimised ? SC_MINIMIZE : SC_RESTORE, 0);
    return CHECK(WaitFor([&] { return (::IsIconic(main) != FALSE) == minimised; }));
}

void CloseDialog(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0);
    CHECK(WaitFor([&] { return !::IsWindow(dialog); }));
}

// A dialog of the driver's own with the main window's class and caption, on a thread that answers
// every message as any other program's window would, and counts the hand-over messages it gets.
class Impostor {
  public:
    Impostor() {
        m_thread = ::CreateThread(nullptr, 0, &Impostor::Run, this, 0, nullptr);
        WaitFor([this] { return m_window != nullptr; });
    }
    ~Impostor() {
        ::PostMessageW(m_window, WM_CLOSE, 0, 0);
        ::WaitForSingleObject(m_thread, 10000);
        ::CloseHandle(m_thread);
    }
    int Asked() const { return s_asked; }

  private:
    static DWORD WINAPI Run(void* p) {
        auto* self = static_cast<Impostor*>(p);
        HWND window = ::CreateWindowExW(0, L"#32770", L"Glimmora", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        ::GetModuleHandleW(nullptr), nullptr);
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Impostor::Proc));
        self->m_window = window;
        MSG msg;
        while (::IsWindow(window) && ::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
        return 0;
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == ::RegisterWindowMessageW(kHandOverMessageName)) ++s_asked;
        if (message == WM_CLOSE) {
            ::DestroyWindow(hwnd);
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HANDLE m_thread = nullptr;
    std::atomic<HWND> m_window = nullptr;
    static inline std::atomic<int> s_asked = 0;
};

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

E2E_SCENARIO(ToggleHandedToTheRunningInstanceSwitchesEachTime) {
    const std::wstring folder = PreparedFolder(L"toggle", kProfile);
    const std::wstring profile = Profile(folder);
    ::SetCursorPos(Away().x, Away().y);
    Glimmora app(folder);  // its toggle hot key disabled, as by default
    if (!CHECK(app.MainWindow())) return;
    CHECK_EQ(HandOver(folder, L"/toggle"), 0);
    ExpectSwitchedOn(app);
    CHECK_EQ(HandOver(folder, L"-Toggle"), 0);
    ExpectSwitchedOff(app);
    CHECK(::IsIconic(app.MainWindow()));  // switching off never restores it
    CHECK(Profile(folder) == profile);
    CHECK(app.Close());
}

E2E_SCENARIO(OnAndOffHandedToTheRunningInstanceSwitchOnlyFromTheOtherState) {
    const std::wstring folder = PreparedFolder(L"on off", kProfile);
    const std::wstring profile = Profile(folder);
    ::SetCursorPos(Away().x, Away().y);
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;

    CHECK_EQ(HandOver(folder, L"/off"), 0);
    MinimiseBehindTheQueue(app, true);
    CHECK(app.Mark() == nullptr);
    MinimiseBehindTheQueue(app, false);

    CHECK_EQ(HandOver(folder, L"/on"), 0);
    ExpectSwitchedOn(app);
    HWND mark = app.Mark();
    CHECK_EQ(HandOver(folder, L"/ON"), 0);
    MinimiseBehindTheQueue(app, false);
    CHECK(app.Mark() == mark);  // the same mark, not a new one
    CHECK_EQ(MarkWindows(app), 1);
    CHECK(WindowText(OnOffButton(app)) == L"OFF");
    CHECK(ButtonChecked(app));

    CHECK_EQ(HandOver(folder, L"/off"), 0);
    ExpectSwitchedOff(app);
    CHECK(!::IsIconic(app.MainWindow()));
    CHECK_EQ(HandOver(folder, L"-off"), 0);
    MinimiseBehindTheQueue(app, true);
    CHECK(app.Mark() == nullptr);
    CHECK(WindowText(OnOffButton(app)) == L"ON");
    CHECK(Profile(folder) == profile);
    CHECK(app.Close());
}

// As the toggle hot key does while the properties dialog is open: the switch runs against the mark
// taken down for the dialog.
E2E_SCENARIO(CommandsWhileThePropertiesAreOpenActAsTheHotKeyThen) {
    const std::wstring folder = PreparedFolder(L"properties", kProfile);
    ::SetCursorPos(Away().x, Away().y);
    Glimmora app(folder);
    if (!CHECK(app.MainWindow())) return;

    // Off: the mark comes at once, and closing the dialog makes no second one.
    HWND dialog = OpenProperties(app);
    if (!CHECK(dialog)) return;
    CHECK_EQ(HandOver(folder, L"/on"), 0);
    ExpectSwitchedOn(app);
    HWND mark = app.Mark();
    CloseDialog(dialog, IDCANCEL);
    MinimiseBehindTheQueue(app, false);
    CHECK(app.Mark() == mark);
    CHECK_EQ(MarkWindows(app), 1);

    // On: the button is unchecked at once (its text stays, as the hot key leaves it), and no mark
    // comes back when the dialog closes.
    dialog = OpenProperties(app);
    if (!CHECK(dialog)) return;
    CHECK(WaitFor([&] { return app.Mark() == nullptr; }));
    CHECK_EQ(HandOver(folder, L"/off"), 0);
    CHECK(WaitFor([&] { return !ButtonChecked(app); }));
    CHECK(WindowText(OnOffButton(app)) == L"OFF");
    CloseDialog(dialog, IDCANCEL);
    MinimiseBehindTheQueue(app, true);
    CHECK(app.Mark() == nullptr);
    CHECK(app.Close());
}

E2E_SCENARIO(CommandsWhileTheAboutBoxIsOpenActAsTheHotKeyThen) {
    const std::wstring folder = PreparedFolder(L"about", kProfile);
    ::SetCursorPos(Away().x, Away().y);
    Glimmora app(folder);
    HWND main = app.MainWindow();
    if (!CHECK(main)) return;
    ::PostMessageW(main, WM_SYSCOMMAND, 0x10, 0);
    HWND about = app.WaitTopLevel(L"Glimmora について");
    if (!CHECK(about)) return;
    CHECK_EQ(HandOver(folder, L"/toggle"), 0);
    ExpectSwitchedOn(app);
    HWND mark = app.Mark();
    CloseDialog(about, IDOK);
    MinimiseBehindTheQueue(app, false);
    CHECK(app.Mark() == mark);  // the box's closing made no second mark
    CHECK_EQ(MarkWindows(app), 1);
    CHECK(app.Close());
}

E2E_SCENARIO(ASecondStartWithoutAKnownOptionStillShowsTheMessage) {
    const std::wstring folder = MakeScratchFolder(L"unknown");
    Glimmora first(folder);
    if (!CHECK(first.MainWindow())) return;
    for (const wchar_t* options : {L"/onn", L"on /x"}) {
        Glimmora second(folder, StartLine(folder, options));
        HWND box = second.WaitTopLevel(L"２重起動");
        if (CHECK(box)) {
            CHECK(MessageBoxText(box) == L"     Glimmoraは既に起動されています.     ");
            PressButton(box, IDOK);
        }
        CHECK(second.WaitExit());
        CHECK_EQ(second.ExitCode(), 0);
    }
    CHECK(first.Mark() == nullptr);
    CHECK(first.Close());
}

// The name is taken but no Glimmora answers (one that is ending has no window left): the command
// is refused with 1, silently, and a window that only looks like Glimmora's does not take it.
E2E_SCENARIO(ACommandNoInstanceTakesEndsTheStartWithOne) {
    HANDLE name = ::CreateMutexW(nullptr, TRUE, L"__GLIMMORA_BRINDLECOVE__");
    if (!CHECK(name && ::GetLastError() != ERROR_ALREADY_EXISTS)) return;
    {
        const Impostor impostor;
        const std::wstring folder = MakeScratchFolder(L"no instance");
        Glimmora start(folder, StartLine(folder, L"/toggle"));
        if (CHECK(start.WaitExit(5000))) CHECK_EQ(start.ExitCode(), 1);
        CHECK(start.Output().empty());
        CHECK(impostor.Asked() > 0);
        CHECK(!FileExists(folder + L"\\Glimmora.ini"));
    }
    ::CloseHandle(name);
}

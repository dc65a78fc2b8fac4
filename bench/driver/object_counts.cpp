// Objects and memory of a long session: GDI and USER objects and handles must come back to where they
// were after a thousand on/off switches, a thousand ripples and a hundred properties dialogs.
#include <windows.h>
// After <windows.h>, which it needs.
#include <psapi.h>

#include <cstdio>
#include <functional>
#include <string>

#include "figures.h"
#include "gdi_objects.h"
#include "harness.h"
#include "subject.h"

using namespace bench;

namespace {

constexpr int kDiameter = 150;  // SIZE=5
constexpr int kGrown = kDiameter + 12;

struct Counts {
    long gdi = -1, user = -1, handles = -1;
    bool operator==(const Counts&) const = default;
};

Counts CountsOf(HANDLE process, DWORD pid) {
    Counts c;
    c.gdi = e2e::GdiObjects(process);
    c.user = e2e::UserObjectCount(process, pid);
    c.handles = e2e::KernelHandleCount(process, pid);
    return c;
}

// A paint or a cached device context may hold an object for a moment; a leak stays.
Counts SettledCounts(HANDLE process, DWORD pid, const Counts& expected) {
    Counts now;
    e2e::WaitFor([&] { return (now = CountsOf(process, pid)) == expected; }, 3000);
    return now;
}

// Working set and its peak; private bytes where the system gives them (Wine gives 0).
void ReportMemory(const std::string& when, HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (!::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory))) return;
    Report(when + "_working_set_kb", static_cast<double>(memory.WorkingSetSize) / 1024);
    Report(when + "_peak_working_set_kb", static_cast<double>(memory.PeakWorkingSetSize) / 1024);
    Report(when + "_private_kb", static_cast<double>(memory.PrivateUsage) / 1024);
}

void ReportCounts(const std::string& phase, const Counts& c) {
    Report(phase + "_gdi", c.gdi);
    Report(phase + "_user", c.user);
    Report(phase + "_handles", c.handles);
}

int Width(HWND mark) {
    RECT r{};
    ::GetWindowRect(mark, &r);
    return r.right - r.left;
}

// WaitFor with a poll well below the click tick, so that a loop paced by the tick loses none.
bool WaitClosely(const std::function<bool()>& condition) { return e2e::WaitFor(condition, 3000, 1); }

void Click(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    ::SendInput(1, &in, sizeof(in));
}

class Session {
  public:
    Session(Process& process, HWND panel) : m_process(process), m_panel(panel) {}

    HWND Mark() { return MarkWindow(Kind::Glimmora, m_process.Pid()); }
    bool Switch(bool on) {
        e2e::PressButton(m_panel, GLM_IDC_ONOFF);
        return e2e::WaitFor([&] {
            HWND mark = Mark();
            return on ? mark && ::IsWindowVisible(mark) : mark == nullptr;
        });
    }
    // One ripple, paced by the click tick: it grows the disc when it sees the press and shrinks it
    // when it sees the release. Some are left to draw their whole ring before the next press.
    bool Ripple(HWND mark, int i) {
        Click(MOUSEEVENTF_LEFTDOWN);
        const bool grown = WaitClosely([&] { return Width(mark) == kGrown; });
        Click(MOUSEEVENTF_LEFTUP);
        const bool back = WaitClosely([&] { return Width(mark) == kDiameter; });
        if (i % 100 == 99) ::Sleep(800);
        return grown && back;
    }
    bool PropertiesDialog() {
        e2e::PressButton(m_panel, GLM_IDC_PROPERTIES);
        HWND dialog = nullptr;
        if (!e2e::WaitFor([&] { return (dialog = TopLevelTitled(m_process.Pid(), e2e::kPropertiesCaption, true)); }))
            return false;
        // Painted in full before it goes, as a person would see it: under Wine each control that paints
        // takes a device context from a cache that grows to 64 and is kept, so the counts are only
        // comparable between fully painted dialogs.
        ::RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        e2e::PressButton(dialog, IDCANCEL);
        return e2e::WaitFor([&] { return !::IsWindow(dialog); });
    }

  private:
    Process& m_process;
    HWND m_panel;
};

}  // namespace

E2E_SCENARIO(ObjectCounts) {
    const int switches = IntSetting("BENCH_SWITCHES", 1000);
    const int ripples = IntSetting("BENCH_RIPPLES", 1000);
    const int dialogs = IntSetting("BENCH_DIALOGS", 100);
    Process process;
    const std::wstring exe = PrepareGlimmora("MOUSEMON=1 HAMON=1 SIZE=5 TRANS=100");
    if (!CHECK(process.Start(exe, exe.substr(0, exe.rfind(L'\\'))))) return;
    HWND main = nullptr;
    if (!CHECK(e2e::WaitFor([&] { return (main = MainWindow(process.Pid())) != nullptr; }, 10000))) return;
    Session session(process, Panel(main));
    ::SetCursorPos(220, 200);
    HANDLE h = process.Handle();
    const DWORD pid = process.Pid();

    // Each path once first, so that what is made once and kept (classes, fonts, caches) is in the baseline.
    CHECK(session.Switch(true));
    CHECK(session.Ripple(session.Mark(), 0));
    CHECK(session.PropertiesDialog());
    CHECK(session.Switch(false));
    const Counts baseline = SettledCounts(h, pid, CountsOf(h, pid));
    ReportCounts("baseline", baseline);

    double phase = NowMs();
    auto phaseSeconds = [&](const char* name) {
        const double now = NowMs();
        Report(std::string(name) + "_seconds", (now - phase) / 1000);
        phase = now;
    };
    ReportMemory("baseline", h);
    int done = 0;
    while (done < switches && session.Switch(true) && session.Switch(false)) ++done;
    CHECK(done == switches);
    const Counts afterSwitches = SettledCounts(h, pid, baseline);
    ReportCounts("switches", afterSwitches);
    Report("switches_done", done);
    phaseSeconds("switches");

    CHECK(session.Switch(true));
    HWND mark = session.Mark();
    done = 0;
    while (done < ripples && session.Ripple(mark, done)) ++done;
    CHECK(done == ripples);
    CHECK(session.Switch(false));
    const Counts afterRipples = SettledCounts(h, pid, baseline);
    ReportCounts("ripples", afterRipples);
    Report("ripples_done", done);
    phaseSeconds("ripples");

    // With the mark on, so that each dialog also takes the mark down and builds a new one after it.
    CHECK(session.Switch(true));
    done = 0;
    while (done < dialogs && session.PropertiesDialog()) ++done;
    CHECK(done == dialogs);
    CHECK(session.Switch(false));
    const Counts afterDialogs = SettledCounts(h, pid, baseline);
    ReportCounts("dialogs", afterDialogs);
    Report("dialogs_done", done);
    phaseSeconds("dialogs");
    ReportMemory("end", h);
    CHECK(afterSwitches == baseline);
    CHECK(afterRipples == baseline);
    CHECK(afterDialogs == baseline);
    ::PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    CHECK(::WaitForSingleObject(h, 10000) == WAIT_OBJECT_0);
}

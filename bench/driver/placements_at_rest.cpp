// Placements with the pointer still: every SetWindowPos call of the program, which Wine's relay trace
// lists (WINEDEBUG=+relay for the program alone, RelayInclude naming that one function). The trace goes
// to the standard error of the Wine process, which the script collects with the driver's output; the
// driver marks where each window of BENCH_SECONDS begins and ends, and the report counts the calls in
// between. First with nothing above the mark, then with a hidden topmost window kept above it, as the
// system keeps hidden windows of its own above every program's on Windows.
#include <windows.h>

#include <cstdio>

#include "figures.h"
#include "harness.h"
#include "subject.h"

using namespace bench;

namespace {

constexpr wchar_t kDebugKey[] = L"Software\\Wine\\Debug";
constexpr wchar_t kRelayInclude[] = L"RelayInclude";

// While it lasts, a program started has Wine trace its calls of SetWindowPos.
class RelayTrace {
  public:
    RelayTrace() {
        const wchar_t only[] = L"user32.SetWindowPos";
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kDebugKey, kRelayInclude, REG_SZ, only, sizeof(only));
        ::SetEnvironmentVariableW(L"WINEDEBUG", L"+relay");
    }
    ~RelayTrace() {
        ::SetEnvironmentVariableW(L"WINEDEBUG", L"-all");
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kDebugKey, kRelayInclude);
    }
    RelayTrace(const RelayTrace&) = delete;
    RelayTrace& operator=(const RelayTrace&) = delete;
};

// A window of the trace, named, while `during` runs every millisecond or so.
template <typename During>
void TraceWindow(const char* name, double seconds, During during) {
    std::printf("TRACE %s begin\n", name);
    std::fflush(stdout);
    const double start = NowMs();
    while (NowMs() - start < 1000 * seconds) {
        during();
        ::Sleep(1);
    }
    std::printf("TRACE %s end\n", name);
    std::fflush(stdout);
    Report(std::string("trace_") + name + "_seconds", (NowMs() - start) / 1000);
}

}  // namespace

E2E_SCENARIO(PlacementsAtRest) {
    const Kind kind = SubjectKind();
    const double seconds = IntSetting("BENCH_SECONDS", 5);
    Process process;
    HWND mark = nullptr;
    {
        RelayTrace relay;
        const POINT still = e2e::OnScreen(0.3, 0.3);
        ::SetCursorPos(still.x, still.y);
        mark = StartWithMarkOn(kind, process, "");
    }
    if (!CHECK(mark)) return;
    ::Sleep(1500);  // the start's own placements are over, and the pointer has not moved since
    TraceWindow("still", seconds, [] {});

    // A hidden topmost window above the mark, put back above it whenever the mark has gone above it.
    HWND hidden = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"hidden", WS_POPUP, 0, 0, 10, 10,
                                    nullptr, nullptr, nullptr, nullptr);
    auto keepAbove = [&] {
        if (::GetWindow(hidden, GW_HWNDPREV))
            ::SetWindowPos(hidden, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    };
    keepAbove();
    CHECK(!::IsWindowVisible(hidden));
    TraceWindow("hidden_above", seconds, keepAbove);
    ::DestroyWindow(hidden);
}

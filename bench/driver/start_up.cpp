// Start-up, warm: process start to the first window visible, and to the mark shown by the toggle hot key.
#include <vector>

#include "figures.h"
#include "harness.h"
#include "subject.h"

using namespace bench;

namespace {

// Polls every millisecond, returning the time at which `condition` first held, or a negative value.
template <typename Condition>
double TimeUntil(Condition condition, double timeoutMs = 10000) {
    const double start = NowMs();
    for (;;) {
        if (condition()) return NowMs();
        if (NowMs() - start > timeoutMs) return -1;
        ::Sleep(1);
    }
}

double Median(std::vector<double> v) { return SpreadOf(std::move(v)).p50; }

}  // namespace

E2E_SCENARIO(StartUp) {
    const Kind kind = SubjectKind();
    const int runs = IntSetting("BENCH_STARTS", 7);
    // Glimmora with its toggle hot key, Alt+Z by default.
    const std::wstring exe = kind != Kind::Glimmora ? FloorExe() : PrepareGlimmora("RPHTOKEYFLAG=1");
    const std::wstring folder = exe.substr(0, exe.rfind(L'\\'));
    std::vector<double> toWindow, toMark, hotKeyToMark;
    // The first start warms the caches and is not counted.
    for (int run = 0; run <= runs; ++run) {
        Process process;
        const double start = NowMs();
        if (!CHECK(process.Start(exe, folder))) return;
        const DWORD pid = process.Pid();
        HWND main = nullptr, mark = nullptr;
        const double windowShown = TimeUntil([&] {
            if (kind != Kind::Glimmora) return (mark = TopLevelTitled(pid, L"_GLIMMORA_FLOOR", true)) != nullptr;
            return (main = MainWindow(pid)) != nullptr;
        });
        if (!CHECK(windowShown > 0)) return;
        double markShown = windowShown, pressed = windowShown;
        if (kind == Kind::Glimmora) {
            pressed = NowMs();
            e2e::SendCombination({VK_MENU}, 'Z');
            markShown = TimeUntil([&] { return (mark = MarkWindow(kind, pid)) && ::IsWindowVisible(mark); });
            if (!CHECK(markShown > 0)) return;
            ::PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
            CHECK(::WaitForSingleObject(process.Handle(), 10000) == WAIT_OBJECT_0);
        }
        if (run == 0) continue;
        toWindow.push_back(windowShown - start);
        toMark.push_back(markShown - start);
        hotKeyToMark.push_back(markShown - pressed);
    }
    Report("startup_window_ms", Median(toWindow));
    Report("startup_window_max_ms", SpreadOf(toWindow).max);
    Report("startup_mark_ms", Median(toMark));
    Report("startup_hotkey_to_mark_ms", Median(hotKeyToMark));
}

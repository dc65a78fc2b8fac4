// Follow latency: from a SetCursorPos move to the mark centred on the new position.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "figures.h"
#include "harness.h"
#include "subject.h"

using namespace bench;

namespace {

// Targets spread over a part of the screen that Glimmora's minimised main window never covers, in a fixed
// pseudo-random order, each far enough from the last that a stale placement is never taken as centred.
POINT NextTarget(unsigned& seed, POINT last) {
    for (;;) {
        seed = seed * 1103515245u + 12345u;
        const POINT p{120 + static_cast<LONG>((seed >> 8) % 480),
                      120 + static_cast<LONG>((seed >> 20) % 360)};
        if (std::abs(p.x - last.x) + std::abs(p.y - last.y) > 20) return p;
    }
}

}  // namespace

E2E_SCENARIO(FollowLatency) {
    const Kind kind = SubjectKind();
    const int moves = IntSetting("BENCH_MOVES", 300);
    const int pause = IntSetting("BENCH_PAUSE_MS", 30);
    const bool raw = IntSetting("BENCH_RAW", 0) != 0;  // every sample too, for a closer look
    Process process;
    HWND mark = StartWithMarkOn(kind, process, "");
    if (!CHECK(mark)) return;

    unsigned seed = 2024;
    POINT at{300, 300};
    ::SetCursorPos(at.x, at.y);
    CHECK(e2e::WaitFor([&] { return e2e::MarkCentredOn(mark, at); }, 3000));
    std::vector<double> samples;
    int missed = 0;
    for (int i = 0; i < moves; ++i) {
        at = NextTarget(seed, at);
        // A varying pause, so the moves fall at every phase of the mark's 10 ms tick. Under Wine, warps
        // closer than about 15 ms can lose the race with the X server's pointer events, which puts the
        // old position back for 100 ms, in any program: that would measure Wine, not the mark.
        ::Sleep(pause + seed % 9);
        const double start = NowMs();
        ::SetCursorPos(at.x, at.y);
        double took = -1;
        // Polled closely; yielding between polls leaves the CPU to the program and the Wine server. The
        // time is taken after the read that saw the mark centred: an upper bound, never an underestimate.
        while (took < 0) {
            const bool centred = e2e::MarkCentredOn(mark, at);
            const double now = NowMs();
            if (centred)
                took = now - start;
            else if (now - start > 1000)
                break;
            else
                ::SwitchToThread();
        }
        if (raw) std::printf("SAMPLE %d %.3f\n", i, took);
        if (took < 0)
            ++missed;
        else
            samples.push_back(took);
    }
    CHECK(missed == 0);
    const Spread s = SpreadOf(samples);
    Report("latency_p50_ms", s.p50);
    Report("latency_p99_ms", s.p99);
    Report("latency_max_ms", s.max);
    Report("latency_missed", missed);
}

// Follow latency: from a pointer move to the mark centred where the pointer now is. The move is made
// as BENCH_MOVE says: "warp" (SetCursorPos, the default), "relative" or "absolute" (SendInput moves).
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "figures.h"
#include "harness.h"
#include "subject.h"

using namespace bench;

namespace {

enum class Move { Warp, Relative, Absolute };

Move MoveSetting() {
    const std::string name = TextSetting("BENCH_MOVE");
    return name == "relative" ? Move::Relative : name == "absolute" ? Move::Absolute : Move::Warp;
}

// Targets spread over a part of the screen that Glimmora's minimised main window never covers, in a fixed
// pseudo-random order, each more than `least` and at most `most` pixels from the last (far enough that a stale
// placement is never taken as centred).
POINT NextTarget(unsigned& seed, POINT last, double least, double most) {
    for (;;) {
        seed = seed * 1103515245u + 12345u;
        const POINT p{120 + static_cast<LONG>((seed >> 8) % 480), 120 + static_cast<LONG>((seed >> 20) % 360)};
        const double jump = std::hypot(p.x - last.x, p.y - last.y);
        if (jump > least && jump <= most) return p;
    }
}

void Send(const MOUSEINPUT& mouse) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi = mouse;
    ::SendInput(1, &in, sizeof(in));
}

// Moves the pointer towards `target` and returns where it went.
POINT MoveTo(Move how, POINT from, POINT target) {
    switch (how) {
        case Move::Warp:
            ::SetCursorPos(target.x, target.y);
            return target;
        case Move::Relative:
            // Half the way: a relative move of more than 6 counts goes twice as far (the system's
            // pointer acceleration). Where it lands is read back, whatever the acceleration did.
            Send({(target.x - from.x) / 2, (target.y - from.y) / 2, 0, MOUSEEVENTF_MOVE, 0, 0});
            break;
        case Move::Absolute:
            // 0..65535 over the primary screen.
            Send({::MulDiv(target.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1),
                  ::MulDiv(target.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1), 0,
                  MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0});
            break;
    }
    POINT now{};
    ::GetCursorPos(&now);
    return now;
}

}  // namespace

E2E_SCENARIO(FollowLatency) {
    const Kind kind = SubjectKind();
    const Move how = MoveSetting();
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
    int missed = 0, stayed = 0;
    for (int i = 0; i < moves; ++i) {
        // Warps go anywhere in the area; input moves jump 40 to 200 px, as a hand moves a mouse.
        const POINT target = how == Move::Warp ? NextTarget(seed, at, 20, 1e9) : NextTarget(seed, at, 40, 200);
        // A varying pause, so the moves fall at every phase of the mark's 10 ms tick. Under Wine, warps
        // closer than about 15 ms can lose the race with the X server's pointer events, which puts the
        // old position back for 100 ms, in any program: that would measure Wine, not the mark.
        ::Sleep(pause + seed % 9);
        const double start = NowMs();
        const POINT went = MoveTo(how, at, target);
        if (went.x == at.x && went.y == at.y) {
            ++stayed;  // nothing to follow
            continue;
        }
        at = went;
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
        if (raw) std::printf("SAMPLE %d %.3f %ld %ld\n", i, took, at.x, at.y);
        if (took < 0)
            ++missed;
        else
            samples.push_back(took);
    }
    CHECK(missed == 0);
    CHECK(stayed == 0);
    const Spread s = SpreadOf(samples);
    Report("latency_p50_ms", s.p50);
    Report("latency_p99_ms", s.p99);
    Report("latency_max_ms", s.max);
    Report("latency_missed", missed);
}

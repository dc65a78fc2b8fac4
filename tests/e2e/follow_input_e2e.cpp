// The mark follows the pointer's input as it arrives, by the same rules as its poll.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "harness.h"

using namespace e2e;

namespace {

double NowMs() {
    LARGE_INTEGER f{}, t{};
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

POINT PointerNow() {
    POINT p{};
    ::GetCursorPos(&p);
    return p;
}

// Milliseconds from just before `move` until the mark is centred where the pointer now is, away from
// where it was; -1 if that never comes.
using Move = std::function<void()>;
double TimeToFollow(HWND mark, const Move& move) {
    const POINT before = PointerNow();
    const double start = NowMs();
    move();
    while (NowMs() - start < 2000) {
        const POINT now = PointerNow();
        if ((now.x != before.x || now.y != before.y) && MarkCentredOn(mark, now)) return NowMs() - start;
        ::SwitchToThread();
    }
    return -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

HWND StartWithMarkOn(Glimmora& app) { return SwitchMarkOnAt(app, OnScreen(0.25, 0.3)); }

// The follow poll is due a full interval after each placement, so a move made right after one waits that
// whole interval for the poll, as a SetCursorPos move does, which no input event announces. Each of 25
// rounds, after a hand's pause, times the input move that `move(round, time)` makes, then a warp as soon
// as the mark was seen to follow it, under the same load: the input moves must be placed in well under
// half the time the warps take.
void CheckPlacedWellBeforeThePoll(const wchar_t* tag, const char* what,
                                  const std::function<void(int, const std::function<void(Move)>&)>& round) {
    Glimmora app(PreparedFolder(tag, "SIZE=1\r\n"));
    HWND mark = StartWithMarkOn(app);
    if (!CHECK(mark)) return;
    std::vector<double> byInput, byWarp;
    for (int i = 0; i < 25; ++i) {
        // In the pause the warp before has reached the display for good: under Wine its echo could
        // otherwise undo the input move.
        ::Sleep(20 + (i * 37) % 10);
        round(i, [&](Move move) { byInput.push_back(TimeToFollow(mark, move)); });
        const POINT warp = OnScreen(0.7 - 0.015 * i, 0.68 - 0.013 * i);
        byWarp.push_back(TimeToFollow(mark, [&] { ::SetCursorPos(warp.x, warp.y); }));
    }
    const double input = Median(byInput), warp = Median(byWarp);
    const auto never =
        std::count(byInput.begin(), byInput.end(), -1.0) + std::count(byWarp.begin(), byWarp.end(), -1.0);
    std::printf("    median to follow: %s %.2f ms, warps %.2f ms; %d never followed\n", what, input, warp,
                static_cast<int>(never));
    CHECK(never == 0);
    CHECK(input >= 0 && input < warp / 2);
    CHECK(app.Close());
}

POINT RoundStart(int i) { return OnScreen(0.15 + 0.018 * i, 0.15 + 0.011 * i); }

}  // namespace

// Input moves are placed as they arrive, never left to the poll.
E2E_PLACEMENT(InputMovesArePlacedWellBeforeThePollWould) {
    CheckPlacedWellBeforeThePoll(L"input", "input moves", [](int i, const std::function<void(Move)>& timed) {
        timed([i] { MoveByInput(RoundStart(i)); });
    });
}

// The end of a fast sweep too: the last of two moves 5 ms apart, as a 200 Hz sweep makes them (closer
// than a screen frame, so a mark paced to the screen would leave it to the poll).
E2E_PLACEMENT(TheLastMoveOfAFastSweepIsPlacedWellBeforeThePollWould) {
    CheckPlacedWellBeforeThePoll(L"sweep", "a sweep's last move", [](int i, const std::function<void(Move)>& timed) {
        const POINT from = RoundStart(i);
        MoveByInput(from);
        const double sent = NowMs();
        while (NowMs() - sent < 5) ::SwitchToThread();
        timed([from] { MoveByInput({from.x + 9, from.y + 5}); });
    });
}

// The input path keeps the poll's rules: hidden over the main window, directly below a sibling tool's
// window, and a burst of moves placed where the last one went.
E2E_PLACEMENT(InputMovesKeepThePlacementRules) {
    Glimmora app(PreparedFolder(L"input rules", "SIZE=1\r\n"));
    HWND main = app.MainWindow();
    HWND mark = StartWithMarkOn(app);
    if (!CHECK(mark)) return;
    ::ShowWindow(main, SW_RESTORE);
    CHECK(WaitFor([&] { return !::IsIconic(main); }));
    const RECT m = WindowRect(main);
    MoveByInput({(m.left + m.right) / 2, (m.top + m.bottom) / 2});
    CHECK(WaitFor([&] { return !::IsWindowVisible(mark); }));
    const POINT out = MoveByInput({m.right + 30, (m.top + m.bottom) / 2});
    CHECK(WaitFor([&] { return ::IsWindowVisible(mark) && MarkCentredOn(mark, out); }));

    const POINT at = OnScreen(0.25, 0.7);
    HWND sibling = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"_BRINDLECOVE_TORVELIN", WS_POPUP | WS_VISIBLE, at.x,
                                     at.y, 80, 60, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    const POINT beside = MoveByInput(OnScreen(0.16, 0.2));
    CHECK(WaitFor([&] { return MarkCentredOn(mark, beside) && ::GetWindow(sibling, GW_HWNDNEXT) == mark; }));
    ::DestroyWindow(sibling);

    // Fifty relative moves in one go, as a fast mouse reports them.
    std::vector<INPUT> burst;
    for (int i = 0; i < 50; ++i) burst.push_back(MouseMove(i % 2 ? 3 : 2, 1, 0));
    SendInputs(burst);
    POINT last{};
    ::GetCursorPos(&last);
    CHECK(last.x > beside.x && last.y > beside.y);
    CHECK(WaitFor([&] { return MarkCentredOn(mark, last); }));
    CHECK(app.Close());
}

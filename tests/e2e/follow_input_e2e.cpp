// The mark follows the pointer's input as it arrives, by the same rules as its poll.
#include <algorithm>
#include <vector>

#include "harness.h"

using namespace e2e;

namespace {

INPUT MouseMove(LONG dx, LONG dy, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | flags;
    return in;
}

// An absolute move, as a pen or a touch screen makes it; where the pointer went.
POINT MoveByInput(POINT to) {
    const int w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
    SendInputs({MouseMove(::MulDiv(to.x, 65535, w - 1), ::MulDiv(to.y, 65535, h - 1), MOUSEEVENTF_ABSOLUTE)});
    POINT went{};
    ::GetCursorPos(&went);
    return went;
}

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
template <typename Move>
double TimeToFollow(HWND mark, Move move) {
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

HWND StartWithMarkOn(Glimmora& app) {
    if (!app.MainWindow()) return nullptr;
    HWND mark = SwitchMarkOnByButton(app);
    return mark && MoveAndFollow(mark, {300, 300}) ? mark : nullptr;
}

}  // namespace

// Input moves are placed as they arrive. A mark that only polled every 10 ms would place a move at a
// random point of its interval, in 5 ms half the time; the pauses between the moves vary so that they
// fall at every point of it. Between the input moves, a SetCursorPos move is still followed.
E2E_SCENARIO(InputMovesArePlacedWellBeforeThePollWould) {
    Glimmora app(PreparedFolder(L"input", "SIZE=1\r\n"));
    HWND mark = StartWithMarkOn(app);
    if (!CHECK(mark)) return;
    std::vector<double> byInput;
    for (int i = 0; i < 25; ++i) {
        // A hand's pause: moves closer together than a screen frame are placed at the pace of a sweep,
        // not one by one, which is not what is measured here.
        ::Sleep(15 + (i * 37) % 10);
        byInput.push_back(TimeToFollow(mark, [&] { MoveByInput({200 + 23 * i, 150 + 11 * i}); }));
        CHECK(MoveAndFollow(mark, {900 - 19 * i, 700 - 13 * i}));
    }
    const double median = Median(byInput);
    const auto never = std::count(byInput.begin(), byInput.end(), -1.0);
    std::printf("    input moves: median %.2f ms to follow, %d never followed\n", median, static_cast<int>(never));
    CHECK(never == 0);
    CHECK(median >= 0 && median < 3.0);
    CHECK(app.Close());
}

// The input path keeps the poll's rules: hidden over the main window, directly below a sibling tool's
// window, and a burst of moves placed where the last one went.
E2E_SCENARIO(InputMovesKeepThePlacementRules) {
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

    HWND sibling = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"_BRINDLECOVE_TORVELIN", WS_POPUP | WS_VISIBLE, 300,
                                     700, 80, 60, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    const POINT beside = MoveByInput({200, 200});
    CHECK(WaitFor([&] { return MarkCentredOn(mark, beside) && ::GetWindow(sibling, GW_HWNDNEXT) == mark; }));
    ::DestroyWindow(sibling);

    // Fifty relative moves in one go, as a fast mouse reports them.
    std::vector<INPUT> burst;
    for (int i = 0; i < 50; ++i) burst.push_back(MouseMove(i % 2 ? 3 : 2, 1, 0));
    SendInputs(burst);
    POINT last{};
    ::GetCursorPos(&last);
    CHECK(last.x > 200 && last.y > 200);
    CHECK(WaitFor([&] { return MarkCentredOn(mark, last); }));
    CHECK(app.Close());
}

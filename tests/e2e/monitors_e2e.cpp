// The presenter's laptop and projector: the mark on a second monitor, across the boundary between the two
// and half off the virtual screen, and hidden over the main window wherever that is. On a display of one
// monitor these are skipped (the placement scenarios run on a second one, too, where there is one).
#include <algorithm>
#include <cstdio>
#include <vector>

#include "harness.h"

using namespace e2e;

namespace {

// The second monitor, or nothing (the scenario is then skipped).
bool SecondMonitor(RECT& second) {
    const std::vector<RECT> monitors = Monitors();
    if (monitors.size() < 2) {
        Skip("one monitor");
        return false;
    }
    second = monitors[1];
    return true;
}

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

bool Inside(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

E2E_PLACEMENT(TheMarkFollowsOntoTheSecondMonitorAcrossTheBoundaryAndHalfOffTheScreen) {
    RECT second{};
    if (!SecondMonitor(second)) return;
    const RECT primary = PrimaryMonitor();
    Glimmora app(PreparedFolder(L"monitors", "SIZE=2\r\n"));
    HWND main = app.MainWindow();
    if (!CHECK(main)) return;
    CHECK(Inside(primary, WindowRect(main)));  // the main window opens on the primary monitor
    HWND mark = SwitchMarkOnAt(app, Middle(second));
    if (!CHECK(mark)) return;

    // The boundary of the two monitors, on either side of it, and the corners of both, where three quarters
    // of the mark lie off the monitor (a corner of the virtual screen's rectangle may lie on no monitor:
    // the pointer never goes there).
    const LONG boundary = second.right == primary.left ? primary.left : second.left;
    const LONG y = (std::max(primary.top, second.top) + std::min(primary.bottom, second.bottom)) / 2;
    std::vector<POINT> points{{boundary, y}, {boundary - 1, y}, {boundary + 1, y}};
    for (const RECT& m : {second, primary})
        for (POINT corner : {POINT{m.left, m.top}, POINT{m.right - 1, m.top}, POINT{m.left, m.bottom - 1},
                             POINT{m.right - 1, m.bottom - 1}})
            points.push_back(corner);
    points.push_back(Middle(second));
    const RECT minimised = WindowRect(main);
    for (POINT p : points) {
        if (::PtInRect(&minimised, p)) continue;  // the minimised main window may sit in a corner
        if (!CHECK(MoveAndFollow(mark, p))) std::printf("    not followed to (%ld, %ld)\n", p.x, p.y);
        CHECK(::IsWindowVisible(mark));
    }

    // Input moves carry the pointer across the boundary, both ways, absolute and relative.
    for (POINT p : {Middle(primary), Middle(second), POINT{boundary + 40, y}})
        if (!CHECK(MoveByInputAndFollow(mark, p))) std::printf("    not followed to (%ld, %ld)\n", p.x, p.y);
    const LONG step = boundary == primary.left ? -4 : 4;  // towards the second monitor
    std::vector<INPUT> sweep;
    for (int i = 0; i < 30; ++i) sweep.push_back(MouseMove(step, 0, 0));
    SendInputs(sweep);
    POINT last{};
    ::GetCursorPos(&last);
    CHECK(step < 0 ? last.x < boundary : last.x >= boundary);
    CHECK(WaitFor([&] { return MarkCentredOn(mark, last); }));
    CHECK(app.Close());
}

E2E_PLACEMENT(TheMarkHidesOverTheMainWindowMovedOntoTheSecondMonitor) {
    RECT second{};
    if (!SecondMonitor(second)) return;
    Glimmora app(PreparedFolder(L"monitors hide", "SIZE=1\r\n"));
    HWND main = app.MainWindow();
    HWND mark = SwitchMarkOnAt(app, Middle(second));
    if (!CHECK(mark)) return;
    ::ShowWindow(main, SW_RESTORE);
    CHECK(WaitFor([&] { return !::IsIconic(main); }));
    const POINT to = Middle(second);
    ::SetWindowPos(main, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK(WaitFor([&] { return WindowRect(main).left == to.x; }));
    const RECT m = WindowRect(main);
    ::SetCursorPos(m.left, m.top);  // left and top edges are inside
    CHECK(WaitFor([&] { return !::IsWindowVisible(mark); }));
    MoveByInput({m.right - 1, m.bottom - 1});
    CHECK(WaitFor([&] { return !::IsWindowVisible(mark); }));
    const POINT out{m.right, (m.top + m.bottom) / 2};  // the right edge is outside
    ::SetCursorPos(out.x, out.y);
    CHECK(WaitFor([&] { return ::IsWindowVisible(mark) && MarkCentredOn(mark, out); }));
    CHECK(app.Close());
}

// The mark's effects seen from outside: the ripple, press-to-grow, the ring's colour swap and the blink.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "gdi_objects.h"
#include "harness.h"

using namespace e2e;

namespace {

const POINT kAway = AwayFromMainWindow();
// COLORCODE=0: the body is yellow and the click colour red.
constexpr COLORREF kMarkColour = RGB(255, 255, 0);
constexpr COLORREF kClickColour = RGB(255, 0, 0);
constexpr int kDiameter = 150;  // SIZE=5
constexpr int kGrown = kDiameter + 12;
// Under Wine a press is seen up to 60 ms late (while a button is up, GetAsyncKeyState answers from a
// cache refreshed every 50 ms), which makes a ripple paced by the click tick take about 80 ms there.
constexpr int kRipples = 1000;

bool SizeIs(HWND mark, int d) {
    const RECT r = WindowRect(mark);
    return r.right - r.left == d && r.bottom - r.top == d;
}

POINT Middle(HWND mark) {
    const RECT r = WindowRect(mark);
    return {r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
}

// `count` pixels of the screen rightwards from (x, y), in one read, so they belong to the same frame.
std::vector<COLORREF> ScreenRow(int x, int y, int count) {
    std::vector<COLORREF> row(static_cast<std::size_t>(count), CLR_INVALID);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = count;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && bitmap) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        if (::BitBlt(memory, 0, 0, count, 1, screen, x, y, SRCCOPY)) {
            ::GdiFlush();
            const auto* px = static_cast<const DWORD*>(bits);  // 0x00RRGGBB
            for (int i = 0; i < count; ++i)
                row[static_cast<std::size_t>(i)] = RGB((px[i] >> 16) & 0xFF, (px[i] >> 8) & 0xFF, px[i] & 0xFF);
        }
        ::SelectObject(memory, old);
    }
    if (bitmap) ::DeleteObject(bitmap);
    if (memory) ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return row;
}

// The centre of the mark shows this colour, and so does a point of the body 30 px right of it.
bool Shows(HWND mark, COLORREF centre, COLORREF body) {
    const POINT m = Middle(mark);
    return ScreenPixel(m.x, m.y) == centre && ScreenPixel(m.x + 30, m.y) == body;
}

// The distance from the mark's centre of the outermost click-coloured pixel on the row to its right, in one
// frame; -1 when there is none. The dot reaches kDotRadius; anything further out is a ring.
constexpr int kDotRadius = 3;
int OutermostClickColour(HWND mark) {
    const POINT m = Middle(mark);
    const std::vector<COLORREF> row = ScreenRow(m.x, m.y, kDiameter / 2);
    for (int i = static_cast<int>(row.size()) - 1; i >= 0; --i)
        if (row[static_cast<std::size_t>(i)] == kClickColour) return i;
    return -1;
}

// Watches a ripple from the release until its ring has gone, and returns the outermost distance of every
// frame that showed a ring. Right after the release the row may show the dot, or nothing while the shrunk
// disc waits for its first ring. Waits on what the screen shows, never on the time a ripple should take.
std::vector<int> TraceRing(HWND mark) {
    std::vector<int> radii;
    auto look = [&] {
        const int outermost = OutermostClickColour(mark);
        if (outermost > kDotRadius && (radii.empty() || radii.back() != outermost)) radii.push_back(outermost);
        return outermost;
    };
    WaitFor([&] { return look() > kDotRadius; });
    WaitFor([&] { return look() < 0; });
    return radii;
}

// Whether the ring grew outward to near the edge of the mark and went: every frame seen at least as far
// out as the one before, more than one of them, the last beyond half the radius.
bool GrewOutward(const std::vector<int>& radii) {
    std::string trace;
    bool outward = true;
    for (std::size_t i = 0; i < radii.size(); ++i) {
        trace += ' ' + std::to_string(radii[i]);
        if (i > 0 && radii[i] < radii[i - 1]) outward = false;
    }
    const bool grew = radii.size() >= 2 && outward && radii.front() < radii.back() && radii.back() > kDiameter / 4;
    if (!grew) std::printf("    ring radii seen:%s\n", trace.c_str());
    return grew;
}

// Puts the left and right buttons the other way round for the whole desktop while it lasts: the primary
// button is then the right one, as a left-handed presenter sets it.
class SwappedButtons {
  public:
    SwappedButtons() { ::SwapMouseButton(TRUE); }
    ~SwappedButtons() { ::SwapMouseButton(FALSE); }
    SwappedButtons(const SwappedButtons&) = delete;
    SwappedButtons& operator=(const SwappedButtons&) = delete;
};

double NowMs() { return static_cast<double>(::GetTickCount64()); }

// WaitFor with a poll interval well below the click tick, so that a loop paced by the tick loses none.
bool WaitClosely(const std::function<bool()>& condition) { return WaitFor(condition, 3000, 1); }

// One click of `button` that shows the dot while held and sends a ripple; how long that took, from the
// press until the ring had gone, as a reference for this machine in this run.
double ClickSendsARipple(HWND mark, Hands& hands, Hands::Input button) {
    const double start = NowMs();
    hands.Press(button);
    CHECK(WaitFor([&] { return SizeIs(mark, kGrown) && Shows(mark, kClickColour, kMarkColour); }, 3000));
    hands.Release(button);
    CHECK(GrewOutward(TraceRing(mark)));
    const double took = NowMs() - start;
    CHECK(WaitFor([&] { return SizeIs(mark, kDiameter) && Shows(mark, kMarkColour, kMarkColour); }, 3000));
    return took;
}

// One click of `button` on the circle: the press is seen (the disc grows), then the release; returns
// whether the centre ever showed the click colour from the press until `watchMs` after the disc shrank
// back, or until a ring had come and gone, whichever is later.
bool ClickShowsTheClickColour(HWND mark, Hands& hands, Hands::Input button, double watchMs) {
    bool clickColour = false;
    auto centreIsClickColour = [&] {
        const POINT m = Middle(mark);
        clickColour = clickColour || ScreenPixel(m.x, m.y) == kClickColour;
        return clickColour;
    };
    hands.Press(button);
    CHECK(WaitFor([&] { return centreIsClickColour(), SizeIs(mark, kGrown) && MarkCentredOn(mark, kAway); }));
    hands.Release(button);
    CHECK(WaitFor([&] { return centreIsClickColour(), SizeIs(mark, kDiameter); }));
    const double shrunk = NowMs();
    WaitFor([&] { return centreIsClickColour(), NowMs() - shrunk > watchMs; }, static_cast<DWORD>(watchMs) + 5000);
    return clickColour;
}

// The primary button's click shows the dot and sends a ripple; the other button's grows the disc, but
// the centre must never turn red: a click of the primary button tells how long its dot and its whole
// ripple take on this machine now, and the other one is watched for twice that.
void OnlyThePrimaryButtonRipples(const wchar_t* tag, Hands::Input primary, Hands::Input secondary) {
    Glimmora app(PreparedFolder(tag, "MOUSEMON=1\r\nHAMON=1\r\nSIZE=5\r\nTRANS=100\r\nCOLORCODE=0\r\n"));
    HWND mark = SwitchMarkOnAt(app, kAway);
    if (!mark) return;
    CHECK(WaitFor([&] { return Shows(mark, kMarkColour, kMarkColour); }, 3000));
    Hands hands;
    const double primaryClickMs = ClickSendsARipple(mark, hands, primary);
    CHECK(!ClickShowsTheClickColour(mark, hands, secondary, 2 * primaryClickMs));
    CHECK(Shows(mark, kMarkColour, kMarkColour));
    CHECK(app.Close());
}

}  // namespace

E2E_PLACEMENT(LeftButtonShowsTheDotGrowsTheDiscAndReleaseSendsARipple) {
    const std::wstring folder =
        PreparedFolder(L"ripple", "MOUSEMON=1\r\nHAMON=1\r\nSIZE=5\r\nTRANS=100\r\nCOLORCODE=0\r\n");
    ::SetCursorPos(kAway.x, kAway.y);
    Glimmora app(folder);
    HWND mark = SwitchMarkOnAt(app, kAway);
    if (!mark) return;
    CHECK(SizeIs(mark, kDiameter));
    CHECK(WaitFor([&] { return Shows(mark, kMarkColour, kMarkColour); }, 3000));

    Hands hands;
    for (int round = 0; round < 2; ++round) {  // the second ripple proves the first one re-armed it
        hands.Press(Hands::kLeft);
        // While held: 12 px larger, still centred on the pointer, the dot in the middle of a yellow body.
        CHECK(WaitFor([&] { return SizeIs(mark, kGrown) && MarkCentredOn(mark, kAway); }, 3000));
        CHECK(WaitFor([&] { return Shows(mark, kClickColour, kMarkColour); }, 3000));
        CHECK(SizeIs(mark, kGrown));

        hands.Release(Hands::kLeft);
        // The ring was seen growing outward, frame after frame, to near the edge, and then it went.
        CHECK(GrewOutward(TraceRing(mark)));
        CHECK(WaitFor([&] { return SizeIs(mark, kDiameter) && MarkCentredOn(mark, kAway); }, 3000));
        CHECK(WaitFor([&] { return Shows(mark, kMarkColour, kMarkColour); }, 3000));
    }
    CHECK(app.Close());
}

E2E_PLACEMENT(RightButtonGrowsTheDiscButStartsNoRipple) {
    OnlyThePrimaryButtonRipples(L"right", Hands::kLeft, Hands::kRight);
}

// With the buttons swapped, the primary button is the right one: it is the one that clicks, so it shows
// the dot and sends the ripple, and the other one only grows the disc. Nothing else tells the mark which
// button is the primary one: the buttons it reads are the physical ones.
E2E_PLACEMENT(ALeftHandedPresentersPrimaryButtonSendsTheRipple) {
    SwappedButtons swapped;  // before the start: a running process may keep the setting it read first
    OnlyThePrimaryButtonRipples(L"left-handed", Hands::kRight, Hands::kLeft);
}

E2E_PLACEMENT(RingTurnsToTheClickColourWhileAButtonIsHeld) {
    const std::wstring folder =
        PreparedFolder(L"swap", "SHAPE=1\r\nMOUSEMON=1\r\nHAMON=1\r\nSIZE=5\r\nTRANS=100\r\nCOLORCODE=0\r\n");
    ::SetCursorPos(kAway.x, kAway.y);
    Glimmora app(folder);
    HWND mark = SwitchMarkOnAt(app, kAway);
    if (!mark) return;
    // A point in the middle of the 15 px band, left of the centre.
    auto band = [&] {
        const RECT r = WindowRect(mark);
        return ScreenPixel(r.left + 7, r.top + (r.bottom - r.top) / 2);
    };
    CHECK(WaitFor([&] { return band() == kMarkColour; }, 3000));

    Hands hands;
    for (Hands::Input button : {Hands::kLeft, Hands::kRight, Hands::kLeft}) {
        hands.Press(button);
        CHECK(WaitFor([&] { return band() == kClickColour; }, 3000));
        CHECK(SizeIs(mark, kDiameter));  // the ring never grows
        hands.Release(button);
        CHECK(WaitFor([&] { return band() == kMarkColour; }, 3000));
        CHECK(SizeIs(mark, kDiameter));
    }
    CHECK(app.Close());
}

E2E_SCENARIO(BlinkShowsOnlyItsStepsAndAlternates) {
    struct Case {
        const char* settings;
        std::set<int> steps;  // every alpha the blink may show
    };
    const Case cases[] = {
        // Alpha 255, period 1: full for one tick, then 0 for two.
        {"TENMETU=1\r\nTENMETUTIME=1\r\nTRANS=100\r\n", {255, 0}},
        // Alpha 127 (TRANS 50), step 25: down to 2, then 0 twice, and up by 25 to the peak.
        {"TENMETU=1\r\nTENMETUTIME=5\r\nTRANS=50\r\n", {127, 102, 77, 52, 27, 2, 0, 25, 50, 75, 100, 125}},
    };
    for (const Case& c : cases) {
        const std::wstring folder = PreparedFolder(L"blink", std::string(c.settings) + "SIZE=2\r\n");
        ::SetCursorPos(kAway.x, kAway.y);
        Glimmora app(folder);
        HWND mark = SwitchMarkOnAt(app, kAway);
        if (!mark) continue;
        std::set<int> seen, stray;
        int changes = 0, last = -1;
        const bool allSeen = WaitFor(
            [&] {
                const int a = MarkAlpha(mark);
                (c.steps.count(a) ? seen : stray).insert(a);
                if (a != last) ++changes;
                last = a;
                return seen.size() == c.steps.size() && changes > 2 * static_cast<int>(c.steps.size());
            },
            8000);
        CHECK(allSeen);
        CHECK(stray.empty());
        for (int a : stray) std::printf("    alpha %d is not a step of the blink\n", a);
        CHECK(app.Close());
    }
}

E2E_SCENARIO(BlinkOnCtrlKeepsTheAlphaSteadyUntilCtrlIsHeld) {
    const std::wstring folder =
        PreparedFolder(L"ctrl", "TENMETU=1\r\nTENMETUTRIG=1\r\nTENMETUTIME=1\r\nTRANS=50\r\nSIZE=2\r\n");
    ::SetCursorPos(kAway.x, kAway.y);
    Glimmora app(folder);
    HWND mark = SwitchMarkOnAt(app, kAway);
    if (!mark) return;
    // Steady is the absence of change, so it is watched for several times as long as blinking through
    // both of its values took while Ctrl was held, measured in the same run.
    auto steadyFor = [&](double ms) {
        const double from = NowMs();
        bool steady = true;
        WaitFor([&] { return (steady = steady && MarkAlpha(mark) == 127), !steady || NowMs() - from > ms; },
                static_cast<DWORD>(ms) + 5000);
        return steady;
    };
    Hands hands;
    double blinkMs = 0;
    for (int round = 0; round < 2; ++round) {  // the second proves that blinking resumes
        hands.Press(Hands::kCtrl);
        std::set<int> seen;
        const double start = NowMs();
        CHECK(WaitFor(
            [&] {
                seen.insert(MarkAlpha(mark));
                return seen.count(0) && seen.count(127) && MarkAlpha(mark) == 127;
            },
            3000));
        blinkMs = std::max(blinkMs, NowMs() - start);
        CHECK(seen.size() == 2);  // period 1: the full alpha and 0, nothing between
        hands.Release(Hands::kCtrl);
        CHECK(WaitFor([&] { return MarkAlpha(mark) == 127; }, 3000));
        CHECK(steadyFor(std::max(400.0, 4 * blinkMs)));
    }
    CHECK(app.Close());
}

E2E_SCENARIO(AThousandRipplesLeakNoGdiObject) {
    // The measure itself must see an object come and go, or equal counts would prove nothing.
    const long mine = GdiObjects(::GetCurrentProcess());
    HBRUSH probe = ::CreateSolidBrush(RGB(1, 2, 3));
    CHECK_EQ(GdiObjects(::GetCurrentProcess()), mine + 1);
    ::DeleteObject(probe);

    const std::wstring folder =
        PreparedFolder(L"leak", "MOUSEMON=1\r\nHAMON=1\r\nSIZE=5\r\nTRANS=100\r\nCOLORCODE=0\r\n");
    ::SetCursorPos(kAway.x, kAway.y);
    Glimmora app(folder);
    HWND mark = SwitchMarkOnAt(app, kAway);
    if (!mark) return;

    Hands hands;
    // One ripple, paced by what the click tick does: it grows the disc when it sees the press (and
    // paints the dot with a pen and a brush of its own) and shrinks it when it sees the release (a new
    // region each time). Every tenth ripple is left to draw its ring before the next press.
    auto ripple = [&](int i) {
        hands.Press(Hands::kLeft);
        bool ok = WaitClosely([&] { return MarkWidth(mark) == kGrown; });
        hands.Release(Hands::kLeft);
        ok = WaitClosely([&] { return MarkWidth(mark) == kDiameter; }) && ok;
        if (ok && i % 10 == 9) ok = WaitFor([&] { return OutermostClickColour(mark) > kDotRadius + 2; }, 3000);
        return ok;
    };
    // Counted once the ring has gone, so that no paint is half done.
    auto settledCount = [&] {
        WaitFor([&] { return OutermostClickColour(mark) < 0; }, 3000);
        return GdiObjects(app.Process());
    };

    const ULONGLONG start = ::GetTickCount64();
    int done = 0;
    while (done < 10 && ripple(done)) ++done;
    if (!CHECK_EQ(done, 10)) return;
    const long afterTen = settledCount();
    CHECK(afterTen > 0);
    while (done < kRipples && ripple(done)) ++done;
    CHECK_EQ(done, kRipples);
    long afterMany = -1;
    // A paint or a cached device context may hold an object for a moment; a leak stays.
    CHECK(WaitFor([&] { return (afterMany = settledCount()) == afterTen; }, 3000));
    std::printf("    GDI objects after 10 ripples: %ld, after %d: %ld (%llu ms)\n", afterTen, done, afterMany,
                ::GetTickCount64() - start);
    CHECK(app.Close());
}

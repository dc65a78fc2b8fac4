#include "mark/pointer_win.h"

#include "mark/mark_region.h"
#include "mark/mark_timers.h"
#include "mark/placement.h"
#include "mark/ripple_figure.h"
#include "mark/size_table.h"
#include "mark/window_titles.h"
#include "platform/version_info.h"
#include "platform/win32_geometry.h"
#include "platform/window_manager.h"
#include "res/resource.h"

namespace {

RECT WindowRectOf(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return r;
}

class AsyncKeyPoll final : public KeyPoll {
  public:
    std::int16_t AsyncKeyState(std::uint16_t vk) override { return ::GetAsyncKeyState(vk); }
};

// Milliseconds on the performance counter: GetTickCount moves only with the system's 15.6 ms tick.
ULONGLONG NowMs() {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f{};
        ::QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return static_cast<ULONGLONG>(now.QuadPart / frequency * 1000 + now.QuadPart % frequency * 1000 / frequency);
}

Region EllipticRegion(const Rect& r) { return Region(::CreateEllipticRgn(r.left, r.top, r.right, r.bottom)); }

// Posted by the input hook's thread when the pointer has moved (see MoveCoalescer).
constexpr UINT kPointerMoved = WM_APP + 1;

}  // namespace

PointerWin::PointerWin(HWND panelWindow, const MarkParams& params)
    : Dialog(GLM_IDD_POINTER), m_panelWindow(panelWindow), m_params(params) {}

std::unique_ptr<PointerWin> PointerWin::Create(HWND panelWindow, const MarkParams& params) {
    std::unique_ptr<PointerWin> mark(new PointerWin(panelWindow, params));
    if (!mark->Dialog::Create(::GetDesktopWindow())) return nullptr;
    ::ShowWindow(mark->m_hwnd, SW_HIDE);
    mark->SetUp();
    return mark;
}

// The window goes while the object is whole, so that OnDestroy runs.
PointerWin::~PointerWin() { DestroyWindow(); }

// FALSE: the mark never takes the focus, not even at creation.
BOOL PointerWin::OnInitDialog() {
    Dialog::OnInitDialog();
    ::SetWindowTextW(m_hwnd, kMarkTitle);
    KeepPixelSizeOnDpiChange(m_hwnd);
    return FALSE;
}

bool PointerWin::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kPointerMoved) {
        OnPointerMoved();
        result = 0;
        return true;
    }
    // The mark's size is its own (size table, press-to-grow) in pixels on every monitor: a resize from
    // anyone else, such as a rescaling on a move to a monitor of another scale, would leave the region
    // cut for the old size and be kept by every later placement.
    if (message == WM_WINDOWPOSCHANGING && m_size.cx > 0) {
        auto& pos = *reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos.flags & SWP_NOSIZE)) {
            pos.cx = m_size.cx;
            pos.cy = m_size.cy;
        }
    }
    return Dialog::WindowProc(message, wParam, lParam, result);
}

// Takes the parameters into effect, starts the timers and places the mark on the cursor.
void PointerWin::SetUp() {
    ::SetWindowLongPtrW(m_hwnd, GWL_EXSTYLE,
                        ::GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_TRANSPARENT);
    SetAlpha(m_params.alpha);
    m_bodyBrush.reset(::CreateSolidBrush(m_params.markColour));
    m_clickBrush.reset(::CreateSolidBrush(m_params.clickColour));
    m_ripplePen.reset(::CreatePen(PS_SOLID, kRipplePenWidth, m_params.clickColour));

    const int d = MarkSizeFor(m_params.sizeIndex).diameter;
    m_size = {d, d};
    // Without SWP_NOACTIVATE this would make the hidden mark the active window, and the foreground
    // one after a hot key, taking the keyboard from the program in front.
    ::SetWindowPos(m_hwnd, HWND_TOP, 0, 0, d, d, SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
    const RECT r = WindowRectOf(m_hwnd);
    const MarkRegion shape = MarkRegionFor(m_params.shape, m_params.sizeIndex, {r.right - r.left, r.bottom - r.top});
    Region region = EllipticRegion(shape.outer);
    if (shape.ring) {
        Region inner = EllipticRegion(shape.inner);
        ::CombineRgn(region.get(), region.get(), inner.get(), RGN_XOR);
    }
    GiveRegionToWindow(m_hwnd, std::move(region), true);

    ArmFollowTimer();
    // A timer whose effect is off would only find nothing to do, every 50 or 20 ms, for hours.
    if (m_params.blinkEnabled) ::SetTimer(m_hwnd, kBlinkTimerId, kBlinkIntervalMs, nullptr);
    if (ClickEffectsOn(m_params)) ::SetTimer(m_hwnd, kClickTimerId, kClickIntervalMs, nullptr);

    // Vista and 7 only: keep the mark above the flipped windows of the Flip3D task view.
    if (IsWindowsVersionOrGreater(6, 0) && !IsWindowsVersionOrGreater(6, 2)) KeepAboveFlip3D(m_hwnd);
    FollowCursor();
    // Without the hook the follow poll alone keeps the mark on the pointer, as it does for moves
    // that are no input (another program's SetCursorPos).
    m_moveHook = PointerMoveHook::Start(m_hwnd, kPointerMoved, m_moves);
}

// A move as input arrived: placed at once, by the same rules as the poll, at the newest position of
// however many moves came since the last wake-up. The poll is then due a full interval later.
void PointerWin::OnPointerMoved() {
    Place(m_moves.Take(), true);
    ArmFollowTimer();
}

std::optional<Point> PointerWin::ReadPointer() {
    POINT cursor{};
    return ::GetCursorPos(&cursor) ? std::optional<Point>(Point{cursor.x, cursor.y}) : std::nullopt;
}

void PointerWin::FollowCursor() { Place(ReadPointer(), false); }

// Runs every 10 ms for hours and on every input move: no allocation, and the sibling look-ups only
// when the mark is shown.
void PointerWin::Place(const std::optional<Point>& read, bool fromInput) {
    RECT main{};
    if (HWND mainWindow = ::GetParent(m_panelWindow)) ::GetWindowRect(mainWindow, &main);
    switch (DecideFollow(read, ToRect(main))) {
        case FollowAction::Stay:
            return;
        case FollowAction::Hide:
            ::ShowWindow(m_hwnd, SW_HIDE);
            return;
        case FollowAction::Show:
            break;
    }
    const Point p = *read;
    const RECT r = WindowRectOf(m_hwnd);
    const Size size{r.right - r.left, r.bottom - r.top};
    HWND first = nullptr, second = nullptr;
    bool firstVisible = false, secondVisible = false;
    // Input moves come far more often than the poll (a 1000 Hz mouse), and the two title look-ups are
    // the dearest part of a placement. When one within the last follow interval found neither sibling
    // shown, that answer stands for an input move, as it would until the poll's next tick; the poll
    // always looks anew, and so does every placement while a sibling is shown.
    const ULONGLONG now = NowMs();
    if (!fromInput || now - m_noSiblingSeenMs >= static_cast<ULONGLONG>(Settings::followInterval)) {
        first = ::FindWindowW(nullptr, kFirstSiblingTitle);
        firstVisible = first && ::IsWindowVisible(first) == TRUE;
        second = ::FindWindowW(nullptr, kSecondSiblingTitle);
        secondVisible = second && ::IsWindowVisible(second) == TRUE;
        m_noSiblingSeenMs = firstVisible || secondVisible ? 0 : now;
    }
    HWND after = HWND_TOPMOST;
    switch (InsertAfter(firstVisible, secondVisible)) {
        case ZOrder::Topmost:
            after = HWND_TOPMOST;
            break;
        case ZOrder::FirstSibling:
            after = first;
            break;
        case ZOrder::SecondSibling:
            after = second;
            break;
    }
    const Point at = CentredOn(p, size);
    if (after == HWND_TOPMOST && AlreadyOnTopAt(at, r)) return;
    // The mark never takes activation from the program the presenter is using.
    ::SetWindowPos(m_hwnd, after, at.x, at.y, size.cx, size.cy, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

// Shown, at `at`, topmost and below nothing that can be seen: placing it there again would change
// nothing, yet cost a round of window-position messages and a restack by the window system on every
// tick that the pointer rests. Windows that cannot be seen do not count: the system keeps hidden and
// cloaked windows of its own above every program's, and the mark can never get above those. The
// z-order is asked for last, and only then: it is the one look-up that is not free.
bool PointerWin::AlreadyOnTopAt(Point at, const RECT& current) const {
    return at.x == current.left && at.y == current.top && ::IsWindowVisible(m_hwnd) &&
           (::GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) && NothingShownAbove(m_hwnd);
}

// WM_TIMER's wParam is the identifier given to SetTimer. Every tick runs for hours: no allocation.
void PointerWin::OnTimer(UINT_PTR id) {
    // The follow timer could not be set last time: following resumes with a tick of any timer.
    if (id != kFollowTimerId && !m_followArmed) ArmFollowTimer();
    switch (id) {
        case kFollowTimerId:
            OnFollowTick();
            break;
        case kBlinkTimerId:
            OnBlinkTick();
            break;
        case kClickTimerId:
            OnClickTick();
            break;
        default:
            break;
    }
}

// The poll also keeps watch over the input hook, which the system may have removed without a word.
void PointerWin::OnFollowTick() {
    const std::optional<Point> pointer = ReadPointer();
    Place(pointer, false);
    if (m_moveHook && pointer) {
        m_moveHook->OnPollTick(*pointer != m_polled);
        m_polled = *pointer;
    }
    ArmFollowTimer();
}

// Steps only while blink is enabled (BlinkTick answers nothing otherwise).
void PointerWin::OnBlinkTick() {
    AsyncKeyPoll keys;
    if (const auto alpha = BlinkTick(m_blink, m_params, keys)) SetAlpha(*alpha);
}

// A steady blink (its key up) answers the same alpha tick after tick: the window already has it.
void PointerWin::SetAlpha(std::uint8_t alpha) {
    if (alpha == m_alphaShown) return;
    ::SetLayeredWindowAttributes(m_hwnd, 0x00FFFFFF, alpha, LWA_ALPHA);
    m_alphaShown = alpha;
}

void PointerWin::OnClickTick() {
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    AsyncKeyPoll physical;
    // Asked on every tick, so that a change of the primary button counts at once.
    LogicalButtons keys(physical, ::GetSystemMetrics(SM_SWAPBUTTON) != 0);
    const ClickTickResult result =
        ClickTick(m_effects, m_params, ToRect(WindowRectOf(m_hwnd)), client.right - client.left, keys);
    if (result.reshape) {
        const Rect& w = result.window;
        m_size = {w.Width(), w.Height()};
        GiveRegionToWindow(m_hwnd, EllipticRegion({0, 0, w.Width(), w.Height()}), false);
        ::MoveWindow(m_hwnd, w.left, w.top, w.Width(), w.Height(), FALSE);
    }
    if (result.repaint) ::InvalidateRect(m_hwnd, nullptr, TRUE);
}

// Setting the timer again restarts it, so the next tick comes a full interval after this placement.
// Should that fail, the next tick of any timer tries again.
void PointerWin::ArmFollowTimer() {
    m_followArmed = ::SetTimer(m_hwnd, kFollowTimerId, static_cast<UINT>(Settings::followInterval), nullptr) != 0;
}

bool PointerWin::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hwnd, &ps);
    RECT client{};
    ::GetClientRect(m_hwnd, &client);
    if (const auto figure = RippleFigureFor(m_effects.ripple.radius, {client.right, client.bottom})) {
        // The mark's own pen and brushes: a paint creates no GDI object.
        SelectGuard selectPen(dc, m_ripplePen.get());
        SelectGuard selectBrush(dc, figure->dot ? m_clickBrush.get() : m_bodyBrush.get());
        const Rect& e = figure->ellipse;
        ::Ellipse(dc, e.left, e.top, e.right, e.bottom);
    }
    ::EndPaint(m_hwnd, &ps);
    return true;
}

// The dialog's background erase paints the body of the mark with this brush.
HBRUSH PointerWin::OnCtlColor(HDC, HWND, UINT kind) {
    if (kind != CTLCOLOR_DLG) return nullptr;
    return m_effects.clickState == ClickState::Held ? m_clickBrush.get() : m_bodyBrush.get();
}

// The system would kill the window's timers with it anyway; they are killed here, first thing, so
// that the teardown keeps the program's order: the timers, then the window.
void PointerWin::OnDestroy() {
    m_moveHook.reset();
    ::KillTimer(m_hwnd, kFollowTimerId);
    ::KillTimer(m_hwnd, kBlinkTimerId);
    ::KillTimer(m_hwnd, kClickTimerId);
    m_followArmed = false;
}

// The mark's input hook against the real window manager: each hook reports to its own window, and a hook
// that went silent while the pointer kept moving is installed again and reports again.
#include <windows.h>
// The headers below rely on <windows.h> coming first.
#include <gtest/gtest.h>

#include <memory>

#include "mark/pointer_move_hook.h"
#include "test_support.h"

namespace {

constexpr UINT kMoved = WM_APP + 7;

// A window that counts the wake-ups posted to it, and its own place for the moves.
class Receiver {
  public:
    Receiver() {
        m_hwnd = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    ~Receiver() { ::DestroyWindow(m_hwnd); }
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    MoveCoalescer moves;

    // Takes the wake-ups that have come, as the mark does; how many there were.
    int TakeWakes() {
        int wakes = 0;
        MSG msg;
        while (::PeekMessageW(&msg, m_hwnd, kMoved, kMoved, PM_REMOVE)) {
            moves.Take();
            ++wakes;
        }
        return wakes;
    }

  private:
    HWND m_hwnd = nullptr;
};

// A pointer move as input, there and back, so that the pointer ends where it was.
void MoveByInput() {
    INPUT moves[2]{};
    for (INPUT& in : moves) {
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_MOVE;
    }
    moves[0].mi.dx = 5;
    moves[1].mi.dx = -5;
    ::SendInput(2, moves, sizeof(INPUT));
}

bool WakesCome(Receiver& r) {
    MoveByInput();
    int wakes = 0;
    return support::WaitFor([&] { return (wakes += r.TakeWakes()) > 0; }, 3000);
}

}  // namespace

TEST(PointerMoveHook, TwoHooksAtOnceEachReportToTheirOwnWindow) {
    Receiver first, second;
    auto a = PointerMoveHook::Start(first.Hwnd(), kMoved, first.moves);
    auto b = PointerMoveHook::Start(second.Hwnd(), kMoved, second.moves);
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(WakesCome(first));
    EXPECT_TRUE(WakesCome(second));
    b.reset();  // its moves and its window go with it; the first hook must not touch them
    second.TakeWakes();
    EXPECT_TRUE(WakesCome(first));
}

TEST(PointerMoveHook, AHookThatWentSilentIsInstalledAgainAndReportsAgain) {
    Receiver r;
    auto hook = PointerMoveHook::Start(r.Hwnd(), kMoved, r.moves);
    ASSERT_TRUE(hook);
    EXPECT_EQ(hook->Installations(), 1);
    ASSERT_TRUE(WakesCome(r));
    hook->OnPollTick(true);  // the moves just made: the hook reported them
    for (int tick = 0; tick < 4; ++tick) hook->OnPollTick(false);
    EXPECT_EQ(hook->Installations(), 1) << "a still pointer says nothing about the hook";

    // The poll sees the pointer move, tick after tick, and the hook reports nothing: as after the system
    // removed it (or as another program's SetCursorPos, which no hook sees).
    for (int tick = 0; tick < 5; ++tick) hook->OnPollTick(true);
    EXPECT_TRUE(support::WaitFor([&] { return hook->Installations() == 2; }, 3000));
    r.TakeWakes();
    EXPECT_TRUE(WakesCome(r)) << "the hook installed again reports the moves";
}

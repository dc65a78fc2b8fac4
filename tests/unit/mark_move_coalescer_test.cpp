#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "mark/hook_watch.h"
#include "mark/move_coalescer.h"

TEST(MoveCoalescer, ABurstWakesOnceAndIsPlacedAtItsNewestPosition) {
    MoveCoalescer moves;
    moves.Store({10, 20});
    EXPECT_TRUE(moves.ClaimWake());
    moves.Store({11, 21});
    EXPECT_FALSE(moves.ClaimWake());
    moves.Store({-1920, -5});  // a monitor left of and above the primary one
    EXPECT_FALSE(moves.ClaimWake());
    EXPECT_EQ(moves.Take(), (Point{-1920, -5}));
    moves.Store({3, 4});
    EXPECT_TRUE(moves.ClaimWake()) << "once taken, the next move wakes the thread again";
    EXPECT_EQ(moves.Take(), (Point{3, 4}));
}

// The hook's thread stores while the mark's thread takes: whatever the interleaving, the last move
// is always seen, either by a take already under way or through a wake-up of its own.
TEST(MoveCoalescer, TheLastMoveIsNeverLost) {
    for (int round = 0; round < 200; ++round) {
        MoveCoalescer moves;
        std::atomic<int> wakes{0};
        constexpr int kMoves = 500;
        std::thread hook([&] {
            for (int i = 1; i <= kMoves; ++i) {
                moves.Store({i, -i});
                if (moves.ClaimWake()) wakes.fetch_add(1);
            }
        });
        Point seen{};
        int taken = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (seen.x != kMoves && std::chrono::steady_clock::now() < deadline) {
            if (wakes.load() > taken) {
                ++taken;
                seen = moves.Take();
            } else {
                std::this_thread::yield();
            }
        }
        hook.join();
        ASSERT_EQ(seen, (Point{kMoves, -kMoves})) << "round " << round;
    }
}

// The watch over the input hook, tick by tick of the follow poll.
TEST(HookWatch, AHookSilentWhileThePointerKeepsMovingIsInstalledAgainEachTimeLessEagerly) {
    HookWatch watch;
    auto quietMovingTicks = [&](int ticks) {
        int installs = 0;
        for (int i = 0; i < ticks; ++i) installs += watch.OnPollTick(true, false);
        return installs;
    };
    EXPECT_EQ(quietMovingTicks(4), 0);
    EXPECT_TRUE(watch.OnPollTick(true, false)) << "the fifth tick in a row";
    EXPECT_EQ(quietMovingTicks(9), 0) << "then twice as patient: moves no hook reports look the same";
    EXPECT_TRUE(watch.OnPollTick(true, false));

    EXPECT_FALSE(watch.OnPollTick(true, true)) << "the hook reports again";
    EXPECT_EQ(quietMovingTicks(5), 1) << "and is trusted again from the start";

    // A tick without a move breaks the row; a still pointer says nothing about the hook.
    EXPECT_EQ(quietMovingTicks(9), 0);
    EXPECT_FALSE(watch.OnPollTick(false, false));
    EXPECT_EQ(quietMovingTicks(9), 0);
    EXPECT_EQ(quietMovingTicks(1), 1);

    // Warps that no hook ever sees wake it at most every 640 ticks in the end.
    int installs = 0;
    for (int i = 0; i < 20000; ++i) installs += watch.OnPollTick(true, false);
    EXPECT_GE(installs, 20000 / 640 - 1);
    EXPECT_LE(installs, 20000 / 640 + 6);
}

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

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

// A move after a pause wakes the mark's thread at once; a 1000 Hz sweep wakes it once per gap.
TEST(WakePacer, PausedMovesWakeAtOnceAndASweepAtTheGapsPace) {
    WakePacer pacer(8000);
    EXPECT_TRUE(pacer.OnMove(1'000'000));
    int wakes = 1;
    for (std::int64_t t = 1'001'000; t <= 1'100'000; t += 1000) wakes += pacer.OnMove(t);
    EXPECT_GE(wakes, 12);
    EXPECT_LE(wakes, 13) << "101 moves in 100 ms";
    EXPECT_TRUE(pacer.OnMove(1'150'000)) << "after a pause, at once again";
}

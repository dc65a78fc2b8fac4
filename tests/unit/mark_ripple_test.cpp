#include <gtest/gtest.h>

#include "mark/ripple.h"
#include "mark/ripple_figure.h"
#include "mark/size_table.h"

namespace {
struct Step {
    int radius;
    bool repaint;
};
Step StepOnce(int radius, bool left, int width) {
    RippleState s{radius};
    const bool repaint = RippleStep(s, left, width);
    return {s.radius, repaint};
}
}  // namespace

TEST(Ripple, StateTable) {
    struct Row {
        int r;
        bool left;
        int width;
        int next;
        bool repaint;
    };
    const Row rows[] = {
        {-1, false, 81, 0, false}, {-1, true, 81, -1, false},  // waits for a release first
        {0, false, 81, 0, false},  {0, true, 81, 1, true},     // the dot
        {1, true, 81, 1, false},   {1, false, 81, 2, false},   // the release paints nothing
        {2, true, 81, 1, true},    {20, true, 81, 1, true},    // a new press brings the dot back
        {2, false, 81, 3, true},   {34, false, 81, 35, true},  // 75 fits in 81 - 5
        {35, false, 81, 0, true},                              // 77 does not: cleared
        {2, false, 99, 3, true},   {2, false, 100, 4, true},   // growth 2 from 100 pixels wide
        {44, false, 101, 0, true}, {42, false, 101, 44, true},
    };
    for (const Row& r : rows) {
        const Step s = StepOnce(r.r, r.left, r.width);
        EXPECT_EQ(s.radius, r.next) << "r " << r.r << " left " << r.left << " width " << r.width;
        EXPECT_EQ(s.repaint, r.repaint) << "r " << r.r << " left " << r.left << " width " << r.width;
    }
}

TEST(Ripple, RingsDrawnPerMarkSize) {
    struct Row {
        int sizeIndex;
        int ticks;
        int first;
        int last;
    };
    const Row rows[] = {{0, 3, 11, 15},  {1, 13, 11, 35}, {2, 23, 11, 55},
                        {3, 33, 11, 75}, {4, 21, 13, 93}, {5, 34, 13, 145}};
    for (const Row& row : rows) {
        const int w = MarkSizeFor(row.sizeIndex).diameter;
        RippleState s{0};
        RippleStep(s, true, w);
        RippleStep(s, false, w);
        int ticks = 0, first = 0, last = 0;
        for (int guard = 0; s.radius != 0 && guard < 1000; ++guard) {
            ASSERT_TRUE(RippleStep(s, false, w));
            if (const auto fig = RippleFigureFor(s.radius, {w, w})) {
                EXPECT_FALSE(fig->dot);
                const int d = fig->ellipse.Width();
                if (ticks++ == 0) first = d;
                last = d;
            }
        }
        EXPECT_EQ(ticks, row.ticks) << "size " << w;
        EXPECT_EQ(first, row.first) << "size " << w;
        EXPECT_EQ(last, row.last) << "size " << w;
    }
}

TEST(RippleFigure, DotAndRingsCentredWithTruncatingDivision) {
    EXPECT_FALSE(RippleFigureFor(0, {41, 41}).has_value());
    EXPECT_FALSE(RippleFigureFor(-1, {41, 41}).has_value());

    const auto dot = RippleFigureFor(1, {41, 41});
    ASSERT_TRUE(dot.has_value());
    EXPECT_TRUE(dot->dot);
    EXPECT_EQ(dot->ellipse, (Rect{17, 17, 24, 24}));

    EXPECT_EQ(RippleFigureFor(3, {21, 21})->ellipse, (Rect{5, 5, 16, 16}));
    EXPECT_EQ(RippleFigureFor(2, {40, 53})->ellipse, (Rect{15, 22, 24, 31})) << "even width, grown height";
    // A ring wider than a window that has just shrunk: truncation toward zero, not floor.
    EXPECT_EQ(RippleFigureFor(20, {40, 40})->ellipse, (Rect{-2, -2, 43, 43}));
}

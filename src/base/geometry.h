#pragma once
// Small value types shared by the portable core, so that no rule needs <windows.h>.
// The shell converts to and from POINT, SIZE and RECT at its boundary.
#include <cstdint>

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(Point, Point) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(Size, Size) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// 0x00BBGGRR, as a COLORREF.
using Colour = std::uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r & 0xFF) | static_cast<Colour>(g & 0xFF) << 8 | static_cast<Colour>(b & 0xFF) << 16;
}

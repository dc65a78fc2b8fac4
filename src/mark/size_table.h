#pragma once
// The mark's size for a size index.

struct MarkSize {
    int diameter;   // width and height of the window, in pixels
    int ringInset;  // distance between the ring's outer and inner ellipse
};

// Index 0..5; every other index gives the 81-pixel entry.
MarkSize MarkSizeFor(int sizeIndex);

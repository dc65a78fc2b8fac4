#include "mark/size_table.h"

MarkSize MarkSizeFor(int sizeIndex) {
    // One pixel more than the size the properties dialog names, except for the largest.
    static constexpr MarkSize kTable[] = {{21, 5}, {41, 10}, {61, 15}, {81, 15}, {101, 15}, {150, 15}};
    if (sizeIndex < 0 || sizeIndex > 5) return kTable[3];
    return kTable[sizeIndex];
}

#include "mark/placement.h"

Point CentredOn(Point cursor, Size mark) {
    // Truncating division: an odd size puts the cursor on the middle pixel.
    return {cursor.x - mark.cx / 2, cursor.y - mark.cy / 2};
}

bool InsideRect(Point p, Rect r) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

FollowAction DecideFollow(const std::optional<Point>& cursor, Rect mainWindow) {
    if (!cursor) return FollowAction::Stay;  // not the screen's corner, where a zeroed point would put it
    return InsideRect(*cursor, mainWindow) ? FollowAction::Hide : FollowAction::Show;
}

ZOrder InsertAfter(bool firstSiblingVisible, bool secondSiblingVisible) {
    // The second sibling wins when both are shown.
    if (secondSiblingVisible) return ZOrder::SecondSibling;
    if (firstSiblingVisible) return ZOrder::FirstSibling;
    return ZOrder::Topmost;
}

#pragma once
// Where the follow step puts the mark. The hide test and the z-order choice are separate so that
// the shell looks up the sibling windows only when the mark is to be shown.
#include <optional>

#include "base/geometry.h"

// Top-left corner that centres a window of this size on the cursor.
Point CentredOn(Point cursor, Size mark);

// Left and top edges inside, right and bottom edges outside; an empty rectangle contains nothing.
bool InsideRect(Point p, Rect r);

enum class FollowAction {
    Stay,  // the pointer could not be read (lock screen, secure desktop): nothing moves
    Hide,  // the pointer is over the main window
    Show,  // centred on the pointer
};

// What one placement does with the pointer position, if it could be read, and the main window's
// rectangle (empty when unknown).
FollowAction DecideFollow(const std::optional<Point>& cursor, Rect mainWindow);

enum class ZOrder {
    Topmost,        // HWND_TOPMOST
    FirstSibling,   // directly below the first sibling's window
    SecondSibling,  // directly below the second sibling's window
};

ZOrder InsertAfter(bool firstSiblingVisible, bool secondSiblingVisible);

#pragma once
// The mark: a layered, click-through tool window cut into a disc or a ring. It follows the pointer's
// input as it arrives, and a poll timer besides; two more timers drive its effects while they are on.
#include <windows.h>

#include <memory>

#include "mark/blink.h"
#include "mark/click_tick.h"
#include "mark/mark_params.h"
#include "mark/move_coalescer.h"
#include "mark/pointer_move_hook.h"
#include "platform/dialog.h"
#include "platform/handles.h"

class PointerWin final : public Dialog {
  public:
    // Creates the window hidden, with the desktop as parent, takes `params` into effect (they never
    // change while it lives), starts the timers and places the mark on the cursor. `panelWindow` is
    // the control panel, whose main window the mark keeps away from. Null when the window cannot be
    // created, with nothing left behind.
    static std::unique_ptr<PointerWin> Create(HWND panelWindow, const MarkParams& params);
    ~PointerWin() override;

  private:
    PointerWin(HWND panelWindow, const MarkParams& params);
    BOOL OnInitDialog() override;
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind) override;
    void OnDestroy() override;

    void SetUp();
    void OnFollowTick();
    void OnBlinkTick();
    void OnClickTick();
    void OnPointerMoved();
    static std::optional<Point> ReadPointer();
    void FollowCursor();
    void Place(const std::optional<Point>& pointer, bool fromInput);
    bool AlreadyOnTopAt(Point at, const RECT& current) const;
    void ArmFollowTimer();
    void SetAlpha(std::uint8_t alpha);

    const HWND m_panelWindow;
    const MarkParams m_params;
    Brush m_bodyBrush;
    Brush m_clickBrush;
    Pen m_ripplePen;  // the ripple's ring: the click colour at the ripple's pen width
    Size m_size;      // the only size the window may take; none until the set-up
    BlinkState m_blink;
    ClickEffects m_effects;
    bool m_followArmed = false;
    int m_alphaShown = -1;                        // what the window has now; -1 before the first
    Point m_polled;                               // where the follow poll last read the pointer
    ULONGLONG m_noSiblingSeenMs = 0;              // when a look-up last found neither sibling shown
    MoveCoalescer m_moves;                        // filled by the hook's thread
    std::unique_ptr<PointerMoveHook> m_moveHook;  // declared after m_moves: it goes first
};

#pragma once
// The mark: a layered, click-through tool window cut into a disc or a ring, driven by three timers.
#include <windows.h>

#include "overlay/blink.h"
#include "overlay/click_tick.h"
#include "overlay/overlay_params.h"
#include "platform/dialog.h"
#include "platform/handles.h"

class PointerWin final : public Dialog {
public:
    // Creates the window (hidden, with the desktop as parent). The object deletes itself once its
    // window is destroyed; null when the window cannot be created, with nothing left behind.
    static PointerWin* CreateWindowed();

    // The overlay parameters, assigned once before SetupPointer.
    HWND m_panelWindow = nullptr;
    OverlayParams m_params;

    // Takes the parameters into effect, starts the timers and places the mark on the cursor.
    void SetupPointer();
    void FollowCursor();

    BOOL DestroyWindow() override;

private:
    PointerWin();
    BOOL OnInitDialog() override;
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind) override;
    void PostNcDestroy() override;
    bool AlreadyOnTopAt(Point at, const RECT& current) const;
    void ArmFollowTimer();

    Brush m_overlayBrush;
    Brush m_clickBrush;
    Size m_size;  // the only size the window may take; none until the set-up
    BlinkState m_blink;
    ClickEffects m_effects;
    UINT_PTR m_followTimer = 0;
    UINT_PTR m_blinkTimer = 0;
    UINT_PTR m_clickTimer = 0;
    bool m_deleteOnDestroy = false;
};

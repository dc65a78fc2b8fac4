#pragma once
// A window with a C++ object behind it, found again from its handle by the PreTranslate walk.
#include <windows.h>

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    static Window* FromHandle(HWND hwnd);

    // Asked before the running modal loop translates and dispatches `msg`; true consumes it.
    virtual bool PreTranslateMessage(MSG& msg);

  protected:
    virtual ~Window() = default;
    void Attach(HWND hwnd);
    void Detach();

    HWND m_hwnd = nullptr;
};

// Offers `msg` to the objects of msg.hwnd and its parents, up to `top` or the first top-level
// window (a popup's owner is not its parent). True when one of them consumed it.
bool PreTranslateWalk(MSG& msg, HWND top);

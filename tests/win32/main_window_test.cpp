// The main window built in-process from its real template: what another process cannot read under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/glimmora_dlg.h"
#include "platform/window_manager.h"
#include "test_support.h"

TEST(MainWindow, SystemMenuGetsTheAboutItemAndThePanelIsCentred) {
    const support::ScratchFolder folder(L"main window");
    CGlimmoraDlg main(folder.Path());
    ASSERT_TRUE(main.Create(nullptr));
    HWND hwnd = main.Hwnd();

    HMENU menu = ::GetSystemMenu(hwnd, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), 0x10u);
    EXPECT_NE(::GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, 0x10, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Glimmoraについて(&A)...");

    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0)),
              ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128)));

    HWND panel = ::FindWindowExW(hwnd, nullptr, L"#32770", nullptr);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(::IsWindowVisible(panel));
    RECT client{}, p{};
    ::GetClientRect(hwnd, &client);
    ::GetWindowRect(panel, &p);
    ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&p), 2);
    EXPECT_EQ(p.left, (client.right - (p.right - p.left)) / 2);
    EXPECT_EQ(p.top, (client.bottom - (p.bottom - p.top)) / 2);

    main.DestroyWindow();
    EXPECT_FALSE(::IsWindow(panel));
}

// On a monitor of another scale the system scales the frame of a per-monitor window; the main window's
// frame is made to fit the same client area, so the panel inside is never clipped.
TEST(MainWindow, KeepsItsClientAreaAtEveryScale) {
    const support::ScratchFolder folder(L"main window dpi");
    CGlimmoraDlg main(folder.Path());
    ASSERT_TRUE(main.Create(nullptr));
    HWND hwnd = main.Hwnd();
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    RECT c{};
    ::GetClientRect(hwnd, &c);
    const SIZE client{c.right, c.bottom};

    SIZE frameAt96{};
    for (UINT dpi : {96u, 144u, 192u}) {
        SCOPED_TRACE(dpi);
        const auto frame = FrameForClient(style, exStyle, client, dpi, {-1500, 40});
        ASSERT_TRUE(frame.has_value());
        EXPECT_EQ(frame->left, -1500);
        EXPECT_EQ(frame->top, 40);
        const SIZE border{frame->right - frame->left - client.cx, frame->bottom - frame->top - client.cy};
        if (dpi == 96) {
            RECT plain{0, 0, client.cx, client.cy};
            ::AdjustWindowRectEx(&plain, style, FALSE, exStyle);
            EXPECT_EQ(border.cx, plain.right - plain.left - client.cx);
            EXPECT_EQ(border.cy, plain.bottom - plain.top - client.cy);
            frameAt96 = border;
        } else {
            EXPECT_GT(border.cy, frameAt96.cy) << "a larger scale has a taller caption";
        }
    }

    // The move to a monitor of 150 %: the window goes where the system suggests, with the frame for the
    // client area the panel needs there.
    RECT suggested{300, 200, 400, 260};
    ::SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    ::GetWindowRect(hwnd, &now);
    const auto expected = FrameForClient(style, exStyle, client, 144, {300, 200});
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(now.left, expected->left);
    EXPECT_EQ(now.top, expected->top);
    EXPECT_EQ(now.right, expected->right);
    EXPECT_EQ(now.bottom, expected->bottom);

    // The buttons' font is the menu font for the panel's own scale.
    const auto small = MenuFont(96), large = MenuFont(192);
    ASSERT_TRUE(small && large);
    EXPECT_LT(large->lfHeight, small->lfHeight) << "heights of fonts are negative: twice the scale, twice as tall";
    main.DestroyWindow();
}

// The main window built in-process from its real template: what another process cannot read under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/glimmora_dlg.h"

TEST(MainWindow, SystemMenuGetsTheAboutItemAndThePanelIsCentred) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    CGlimmoraDlg main(temp);
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

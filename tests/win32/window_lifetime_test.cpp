// However the main window goes, the panel's cleanup runs: the mark's window goes and the toggle hot
// key is free again, while the process goes on (an exit would free both anyway).
#include <windows.h>
// The headers below rely on <windows.h> coming first.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/glimmora_dlg.h"
#include "mark/window_titles.h"
#include "platform/dialog.h"
#include "res/resource.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

// Ctrl+Alt+Shift+F11 as the toggle: RPMODIFIERS holds MOD_ flags as RegisterHotKey takes them.
constexpr UINT kModifiers = MOD_ALT | MOD_CONTROL | MOD_SHIFT;
constexpr UINT kKey = VK_F11;
constexpr char kProfile[] = "[SYSTEM]\r\nRPHTOKEYFLAG=1\r\nRPHOTKEY=122\r\nRPMODIFIERS=7\r\nSIZE=1\r\n";

bool HotKeyFree() {
    if (!::RegisterHotKey(nullptr, 0x7F00, kModifiers, kKey)) return false;
    ::UnregisterHotKey(nullptr, 0x7F00);
    return true;
}

// The mark's window: a top-level window of this thread with the mark's title.
HWND MarkWindow() {
    HWND found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM out) -> BOOL {
            wchar_t title[64] = {};
            ::GetWindowTextW(hwnd, title, 64);
            if (std::wstring(title) != kMarkTitle) return TRUE;
            *reinterpret_cast<HWND*>(out) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A click on ON, as the button sends it; the mark exists once it returns.
HWND SwitchMarkOn(HWND main) {
    HWND panel = ::FindWindowExW(main, nullptr, L"#32770", nullptr);
    if (!panel) return nullptr;
    ::SendMessageW(::GetDlgItem(panel, GLM_IDC_ONOFF), BM_CLICK, 0, 0);
    return MarkWindow();
}

class WindowLifetimeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::ofstream(fs::path(m_dir / L"Glimmora.ini"), std::ios::binary) << kProfile;
        ASSERT_EQ(MarkWindow(), nullptr);
        ASSERT_TRUE(HotKeyFree());
    }

    std::wstring Dir() const { return m_dir.Path(); }

    support::ScratchFolder m_dir{L"lifetime"};
};

}  // namespace

// The system's DestroyWindow, not ours: the cleanup is the windows' own, on WM_DESTROY.
TEST_F(WindowLifetimeTest, MainWindowDestroyedByTheSystemTakesTheMarkAndTheHotKeyWithIt) {
    CGlimmoraDlg main(Dir());
    ASSERT_TRUE(main.Create(nullptr));
    HWND hwnd = main.Hwnd();
    EXPECT_FALSE(HotKeyFree()) << "the panel holds the toggle";
    HWND mark = SwitchMarkOn(hwnd);
    ASSERT_NE(mark, nullptr);

    ::DestroyWindow(hwnd);
    EXPECT_EQ(main.Hwnd(), nullptr);
    EXPECT_FALSE(::IsWindow(mark));
    EXPECT_EQ(MarkWindow(), nullptr);
    EXPECT_TRUE(HotKeyFree());
}

// The objects go with their windows still up: each destroys its window first, so the cleanup runs.
TEST_F(WindowLifetimeTest, MainWindowObjectGoneWithTheMarkOnLeavesNoMarkAndNoHotKey) {
    HWND mark = nullptr;
    {
        CGlimmoraDlg main(Dir());
        ASSERT_TRUE(main.Create(nullptr));
        mark = SwitchMarkOn(main.Hwnd());
        ASSERT_NE(mark, nullptr);
        EXPECT_FALSE(HotKeyFree());
    }
    EXPECT_FALSE(::IsWindow(mark));
    EXPECT_EQ(MarkWindow(), nullptr);
    EXPECT_TRUE(HotKeyFree());
}

namespace {
// A window class that cleans up in OnDestroy but forgets to destroy its window in its destructor.
class Forgetful final : public Dialog {
  public:
    Forgetful() : Dialog(GLM_IDD_ABOUTBOX) {}

  private:
    void OnDestroy() override {}
};
}  // namespace

// Its cleanup could never run once the object is gone: that stops the program, in every build.
TEST(WindowLifetimeDeathTest, AnObjectGoneBeforeItsWindowStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            Forgetful forgetful;
            if (forgetful.Create(nullptr)) std::fputs("created\n", stderr);
        },
        "created\nGlimmora: a window object went before its window");
}

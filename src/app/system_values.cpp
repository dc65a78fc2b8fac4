// The portable core restates these Windows values so that it needs no <windows.h>; here the Windows
// build refuses any that differs from the system's headers.
#include <windows.h>

#include <commctrl.h>

#include <limits>

#include "base/geometry.h"
#include "base/hot_key_attempts.h"
#include "base/virtual_keys.h"
#include "mark/key_poll.h"
#include "properties/field_key_messages.h"
#include "properties/hot_key_modifiers.h"

static_assert(vk::kLButton == VK_LBUTTON);
static_assert(vk::kRButton == VK_RBUTTON);
static_assert(vk::kTab == VK_TAB);
static_assert(vk::kReturn == VK_RETURN);
static_assert(vk::kShift == VK_SHIFT);
static_assert(vk::kControl == VK_CONTROL);
static_assert(vk::kMenu == VK_MENU);
static_assert(vk::kEscape == VK_ESCAPE);
static_assert(vk::kLWin == VK_LWIN);
static_assert(vk::kRWin == VK_RWIN);
static_assert(vk::kApps == VK_APPS);
static_assert(vk::kLShift == VK_LSHIFT);
static_assert(vk::kRShift == VK_RSHIFT);
static_assert(vk::kLControl == VK_LCONTROL);
static_assert(vk::kRControl == VK_RCONTROL);
static_assert(vk::kLMenu == VK_LMENU);
static_assert(vk::kRMenu == VK_RMENU);

static_assert(kModAlt == MOD_ALT);
static_assert(kModControl == MOD_CONTROL);
static_assert(kModShift == MOD_SHIFT);
static_assert(kModWin == MOD_WIN);
static_assert(kModNoRepeat == MOD_NOREPEAT);
static_assert(kErrorHotKeyAlreadyRegistered == ERROR_HOTKEY_ALREADY_REGISTERED);

static_assert(kHotKeyFShift == HOTKEYF_SHIFT);
static_assert(kHotKeyFControl == HOTKEYF_CONTROL);
static_assert(kHotKeyFAlt == HOTKEYF_ALT);

static_assert(kKeyDownMessage == WM_KEYDOWN);
static_assert(kKeyUpMessage == WM_KEYUP);
static_assert(kSysKeyDownMessage == WM_SYSKEYDOWN);
static_assert(kSysKeyUpMessage == WM_SYSKEYUP);
static_assert(kFirstPrivateMessage == WM_USER);

// GetAsyncKeyState answers a SHORT whose sign bit says the key is down.
static_assert(static_cast<SHORT>(kKeyDownNow) == std::numeric_limits<SHORT>::min());

static_assert(Rgb(0x12, 0x34, 0x56) == RGB(0x12, 0x34, 0x56));
static_assert(sizeof(Colour) == sizeof(COLORREF));

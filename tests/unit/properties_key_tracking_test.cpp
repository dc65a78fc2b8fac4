#include <gtest/gtest.h>

#include <initializer_list>

#include "base/virtual_keys.h"
#include "properties/field_key_messages.h"
#include "properties/hot_key_entry.h"
#include "properties/hot_key_modifiers.h"
#include "properties/key_class.h"

namespace {
constexpr std::uint16_t kA = 0x41;
constexpr std::uint16_t kB = 0x42;

// A key event as the hook reports it: +code down, -code up.
void Play(HotKeyEntry& e, std::initializer_list<int> events) {
    for (int ev : events) {
        const std::uint32_t message = ev > 0 ? kFieldKeyDown : kFieldKeyUp;
        EXPECT_TRUE(TrackFieldKeyMessage(e, message, static_cast<std::uint16_t>(ev > 0 ? ev : -ev)));
    }
}

void ExpectSelection(const HotKeyEntry& e, std::uint16_t key, std::uint16_t modifiers, bool fresh) {
    EXPECT_EQ(e.selectedKey, key);
    EXPECT_EQ(e.selectedModifiers, modifiers);
    EXPECT_EQ(e.freshEntry, fresh);
}
}  // namespace

TEST(KeyClass, ModifierVariantsShareABitAndAppsCountsAsWin) {
    for (std::uint16_t c : {vk::kShift, vk::kLShift, vk::kRShift}) EXPECT_EQ(ModifierFlagOfKey(c), kHotKeyFShift);
    for (std::uint16_t c : {vk::kControl, vk::kLControl, vk::kRControl})
        EXPECT_EQ(ModifierFlagOfKey(c), kHotKeyFControl);
    for (std::uint16_t c : {vk::kMenu, vk::kLMenu, vk::kRMenu}) EXPECT_EQ(ModifierFlagOfKey(c), kHotKeyFAlt);
    for (std::uint16_t c : {vk::kLWin, vk::kRWin, vk::kApps}) EXPECT_EQ(ModifierFlagOfKey(c), kHotKeyFWin);
    for (std::uint16_t c : {0x00, 0x13, 0x14, 0x41, 0x5A, 0x5E, 0x9F, 0xA6, 0x1A0})
        EXPECT_EQ(ModifierFlagOfKey(c), 0) << "code " << c;
}

TEST(KeyTracking, ModifierAloneShowsAsPrefixThenLeavesNothing) {
    HotKeyEntry e;
    Play(e, {vk::kLControl});
    ExpectSelection(e, 0, kHotKeyFControl, false);
    Play(e, {-vk::kLControl});
    ExpectSelection(e, 0, 0, true);
}

TEST(KeyTracking, CtrlAReleasedInEitherOrder) {
    HotKeyEntry e;
    Play(e, {vk::kLControl, kA, -kA});
    ExpectSelection(e, kA, kHotKeyFControl, false);  // Ctrl still held
    Play(e, {-vk::kLControl});
    ExpectSelection(e, kA, kHotKeyFControl, true);
    Play(e, {vk::kLShift});  // the next key starts a new entry
    ExpectSelection(e, 0, kHotKeyFShift, false);

    HotKeyEntry f;
    Play(f, {vk::kLControl, kA, -vk::kLControl, -kA});  // Ctrl released while A is held
    ExpectSelection(f, kA, 0, true);
}

TEST(KeyTracking, ModifierAloneAfterACompleteEntryEmptiesTheField) {
    HotKeyEntry e;
    Play(e, {vk::kMenu, vk::kShift, kA, -kA, -vk::kShift, -vk::kMenu});
    ExpectSelection(e, kA, kHotKeyFAlt | kHotKeyFShift, true);
    Play(e, {vk::kRMenu, -vk::kRMenu});
    ExpectSelection(e, 0, 0, true);
}

TEST(KeyTracking, SecondKeyReplacesFirstAndItsReleaseCompletesTheEntry) {
    HotKeyEntry e;
    Play(e, {kA, kB});
    ExpectSelection(e, kB, 0, false);
    Play(e, {-kB});  // A is still down, but no longer counted as held
    ExpectSelection(e, kB, 0, true);
    Play(e, {-kA});
    ExpectSelection(e, 0, 0, true);
}

TEST(KeyTracking, PresetIsCompleteAndTheFirstKeyMessageClearsIt) {
    HotKeyEntry e;
    PresetHotKeyEntry(e, 0x1005A, kModAlt | kModWin | 0x4000);  // code and modifiers reduced
    ExpectSelection(e, 0x5A, kHotKeyFAlt | kHotKeyFWin, true);
    Play(e, {-vk::kTab});  // the release of the Tab that moved the focus in
    ExpectSelection(e, 0, 0, true);

    HotKeyEntry m;  // entered with the mouse: the preset stays until the first key
    PresetHotKeyEntry(m, 0x5A, kModAlt);
    Play(m, {vk::kControl});
    ExpectSelection(m, 0, kHotKeyFControl, false);
}

TEST(KeyTracking, BothShiftsShareOneBitAndAppsActsAsWin) {
    HotKeyEntry e;
    Play(e, {vk::kLShift, vk::kRShift, -vk::kRShift, kA});
    ExpectSelection(e, kA, 0, false);  // left Shift still down, but its bit is gone

    HotKeyEntry w;
    Play(w, {vk::kApps, kA, -kA, -vk::kApps});
    ExpectSelection(w, kA, kHotKeyFWin, true);
}

TEST(KeyTracking, RepeatsChangeNothingAndOtherMessagesAreIgnored) {
    HotKeyEntry once;
    Play(once, {vk::kControl, kA});
    HotKeyEntry repeated;
    Play(repeated, {vk::kControl, vk::kControl, kA, kA, kA});
    ExpectSelection(repeated, once.selectedKey, once.selectedModifiers, once.freshEntry);
    EXPECT_EQ(repeated.heldModifiers, once.heldModifiers);

    EXPECT_FALSE(TrackFieldKeyMessage(repeated, 0x100, kB));  // WM_KEYDOWN itself is not ours
    EXPECT_EQ(repeated.heldKey, kA);
}

TEST(KeyTracking, ANewHookStartsWithNothingHeld) {
    HotKeyEntry e;
    Play(e, {vk::kControl, kA});  // focus lost while held: the releases never arrive
    ClearHeldKeys(e);
    EXPECT_EQ(e.selectedKey, kA);  // the selection itself survives
    Play(e, {kB});
    ExpectSelection(e, kB, 0, false);
}

TEST(HookMessages, KeyMessagesBecomeFieldMessages) {
    EXPECT_EQ(FieldKeyMessage(0x100), kFieldKeyDown);
    EXPECT_EQ(FieldKeyMessage(0x104), kFieldKeyDown);
    EXPECT_EQ(FieldKeyMessage(0x101), kFieldKeyUp);
    EXPECT_EQ(FieldKeyMessage(0x105), kFieldKeyUp);
    for (std::uint32_t other : {0x0u, 0x102u, 0x103u, 0x106u, 0x500u}) EXPECT_EQ(FieldKeyMessage(other), 0u);
}

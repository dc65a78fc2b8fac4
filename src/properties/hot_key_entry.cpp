#include "properties/hot_key_entry.h"

#include "properties/field_key_messages.h"
#include "properties/hot_key_modifiers.h"
#include "properties/key_class.h"

namespace {
void UpdateHeld(HotKeyEntry& e, bool down, std::uint16_t code) {
    if (const std::uint16_t flag = ModifierFlagOfKey(code)) {
        // One bit for both keys of a modifier: releasing either clears it.
        if (down) {
            e.heldModifiers |= flag;
        } else {
            e.heldModifiers &= static_cast<std::uint16_t>(~flag);
        }
    } else if (down) {
        e.heldKey = code;  // a second ordinary key replaces the first
    } else if (e.heldKey == code) {
        e.heldKey = 0;
    }
}
}  // namespace

bool TrackFieldKeyMessage(HotKeyEntry& e, std::uint32_t message, std::uint16_t code) {
    if (message != kFieldKeyDown && message != kFieldKeyUp) return false;
    UpdateHeld(e, message == kFieldKeyDown, code);
    if (e.freshEntry) {
        e.selectedKey = 0;
        e.selectedModifiers = 0;
        e.freshEntry = false;
    }
    if (e.heldKey != 0) {
        e.selectedKey = e.heldKey;
        e.selectedModifiers = e.heldModifiers;
    } else {
        // Before a key is chosen the modifiers show as a prefix; after it they stay as chosen.
        if (e.selectedKey == 0) e.selectedModifiers = e.heldModifiers;
        if (e.heldModifiers == 0) e.freshEntry = true;
    }
    return true;
}

void PresetHotKeyEntry(HotKeyEntry& e, std::int32_t hotKeyCode, std::int32_t hotKeyModifiers) {
    e.selectedKey = static_cast<std::uint16_t>(hotKeyCode & 0xFFFF);
    e.selectedModifiers = ModifiersToFieldFlags(hotKeyModifiers);
    e.freshEntry = true;
}

void ClearHeldKeys(HotKeyEntry& e) {
    e.heldKey = 0;
    e.heldModifiers = 0;
}

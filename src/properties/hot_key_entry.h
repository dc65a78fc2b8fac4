#pragma once
// The hot-key field's entry: what is selected, what is held, and how key events change it.
#include <cstdint>

struct HotKeyEntry {
    std::uint16_t selectedKey = 0;        // virtual-key code shown and handed to the owner; 0 = none
    std::uint16_t selectedModifiers = 0;  // field form
    std::uint16_t heldKey = 0;            // ordinary key held now; 0 = none
    std::uint16_t heldModifiers = 0;      // field form; only Shift, Ctrl, Alt and Win occur
    bool freshEntry = false;              // the entry is complete; the next key message starts anew
};

// Applies one message posted by the keyboard hook. Returns false, changing nothing, for any
// message other than kFieldKeyDown and kFieldKeyUp; true means the field must be redrawn.
bool TrackFieldKeyMessage(HotKeyEntry& entry, std::uint32_t message, std::uint16_t code);

// The owner's preset from the stored combination (MOD_ form). It counts as a complete
// entry, so the first key message clears it.
void PresetHotKeyEntry(HotKeyEntry& entry, std::int32_t hotKeyCode, std::int32_t hotKeyModifiers);

// Keys released while the hook was away are never reported, so a new hook starts with
// nothing held.
void ClearHeldKeys(HotKeyEntry& entry);

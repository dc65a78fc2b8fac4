#include "properties/key_class.h"

#include "base/virtual_keys.h"
#include "properties/hot_key_modifiers.h"

std::uint16_t ModifierFlagOfKey(std::uint16_t code) {
    switch (code) {
        case vk::kShift:
        case vk::kLShift:
        case vk::kRShift:
            return kHotKeyFShift;
        case vk::kControl:
        case vk::kLControl:
        case vk::kRControl:
            return kHotKeyFControl;
        case vk::kMenu:
        case vk::kLMenu:
        case vk::kRMenu:
            return kHotKeyFAlt;
        // Keyboards without a right Win key have Apps there instead.
        case vk::kLWin:
        case vk::kRWin:
        case vk::kApps:
            return kHotKeyFWin;
        default:
            return 0;
    }
}

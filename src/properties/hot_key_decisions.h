#pragma once
// What the properties dialog's OK handler and duplicate check decide about the hot key.
#include <cstdint>
#include <optional>

// A combination as RegisterHotKey and the profile take it: virtual-key code and MOD_ form,
// both compared as 32-bit values.
struct HotKeyCombination {
    std::int32_t code = 0;
    std::int32_t modifiers = 0;
    friend bool operator==(const HotKeyCombination&, const HotKeyCombination&) = default;
};

// The field's selection in that form.
HotKeyCombination FieldCombination(std::uint16_t selectedKey, std::uint16_t selectedModifiers);

// The combination the OK handler must probe before storing it, or nothing when the stored
// combination stands (hot key disabled, or the field holds the stored combination).
std::optional<HotKeyCombination> OkHandlerProbe(std::int32_t hotKeyEnabled, HotKeyCombination stored,
                                                std::uint16_t selectedKey, std::uint16_t selectedModifiers);

// The combination the duplicate check must probe, or nothing when the field holds the
// stored combination (then the answer is kCurrentSettingText). Enabled or not.
std::optional<HotKeyCombination> DuplicateCheckProbe(HotKeyCombination stored, std::uint16_t selectedKey,
                                                     std::uint16_t selectedModifiers);

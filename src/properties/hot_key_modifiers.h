#pragma once
// The two encodings of hot-key modifiers and the conversions between them.
// Prefixed names, so that a shell file can include this beside <windows.h>.
#include <cstdint>

// Field form: the hot-key field's selected and held modifiers (16 bits).
constexpr std::uint16_t kHotKeyFShift = 0x01;
constexpr std::uint16_t kHotKeyFControl = 0x02;
constexpr std::uint16_t kHotKeyFAlt = 0x04;
constexpr std::uint16_t kHotKeyFWin = 0x10;

// MOD_ form: RegisterHotKey and the profile's RPMODIFIERS (32 bits).
constexpr std::int32_t kModAlt = 0x0001;
constexpr std::int32_t kModControl = 0x0002;
constexpr std::int32_t kModShift = 0x0004;
constexpr std::int32_t kModWin = 0x0008;

std::uint16_t ModifiersToFieldFlags(std::int32_t modifiers);
std::int32_t FieldFlagsToModifiers(std::uint16_t flags);

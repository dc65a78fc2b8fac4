#pragma once
// Windows virtual-key codes the portable core needs, under their Windows names' meaning.
#include <cstdint>

namespace vk {
constexpr std::uint16_t kLButton = 0x01;
constexpr std::uint16_t kRButton = 0x02;
constexpr std::uint16_t kTab = 0x09;
constexpr std::uint16_t kReturn = 0x0D;
constexpr std::uint16_t kShift = 0x10;
constexpr std::uint16_t kControl = 0x11;
constexpr std::uint16_t kMenu = 0x12;
constexpr std::uint16_t kEscape = 0x1B;
constexpr std::uint16_t kLWin = 0x5B;
constexpr std::uint16_t kRWin = 0x5C;
constexpr std::uint16_t kApps = 0x5D;
constexpr std::uint16_t kLShift = 0xA0;
constexpr std::uint16_t kRShift = 0xA1;
constexpr std::uint16_t kLControl = 0xA2;
constexpr std::uint16_t kRControl = 0xA3;
constexpr std::uint16_t kLMenu = 0xA4;
constexpr std::uint16_t kRMenu = 0xA5;
}  // namespace vk

#pragma once
// The keyboard layout's name of a virtual-key code.
#include <cstdint>
#include <string>

// Empty when the layout has no name for the key.
std::wstring KeyNameText(std::uint16_t code);

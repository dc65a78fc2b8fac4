#include "properties/key_name_text.h"

#include <windows.h>

#include "properties/key_name_buffer.h"

std::wstring KeyNameText(std::uint16_t code) {
    // The scan code goes in bits 16..23 of the query.
    const LONG param = static_cast<LONG>(::MapVirtualKeyW(code, MAPVK_VK_TO_VSC) << 16);
    return ReadKeyName([param](wchar_t* buffer, int size) { return ::GetKeyNameTextW(param, buffer, size); });
}

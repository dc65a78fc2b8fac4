#include "properties/key_name_text.h"

#include <windows.h>

#include "properties/key_name_buffer.h"

std::wstring KeyNameText(std::uint16_t code, bool extended) {
    const UINT scanCode = ::MapVirtualKeyW(code, MAPVK_VK_TO_VSC);
    const LONG param = static_cast<LONG>(KeyNameParam(scanCode, extended));
    return ReadKeyName([param](wchar_t* buffer, int size) { return ::GetKeyNameTextW(param, buffer, size); });
}

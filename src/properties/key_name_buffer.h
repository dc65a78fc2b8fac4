#pragma once
// The platform-neutral half of the key-name lookup: the loop that grows the buffer until the
// name fits.
#include <algorithm>
#include <string>

constexpr int kKeyNameFirstLength = 128;
// A key name never comes near this; it only stops a query that always fills the buffer.
constexpr int kKeyNameMaxLength = 0x8000;

// fill(buffer, size) writes at most size - 1 characters and a terminator into buffer and
// returns how many characters it wrote, 0 when there is no name. A count that fills the
// whole room may have been cut short, so the room is doubled and the query asked again.
template <class Fill>
std::wstring ReadKeyName(Fill&& fill) {
    for (int n = kKeyNameFirstLength;; n *= 2) {
        std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
        const int count = fill(buffer.data(), n + 1);
        if (count <= 0) return {};
        if (count < n || n >= kKeyNameMaxLength) {
            buffer.resize(static_cast<std::size_t>(std::min(count, n)));
            return buffer;
        }
    }
}

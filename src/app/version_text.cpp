#include "app/version_text.h"

#include <string_view>

namespace {

// Replaces every occurrence, scanning left to right and never searching inserted text again.
std::wstring ReplaceAll(const std::wstring& text, std::wstring_view from, std::wstring_view to) {
    std::wstring out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::wstring::npos; pos = hit + from.size()) {
        out.append(text, pos, hit - pos);
        out.append(to);
    }
    out.append(text, pos, std::wstring::npos);
    return out;
}

}  // namespace

std::wstring FormatVersionText(const std::wstring& productVersion) {
    std::wstring text = L"Ver.:" + productVersion;
    if (text.size() > kMaxVersionTextLength) text.resize(kMaxVersionTextLength);
    return text;
}

std::wstring BuildVersionText(const std::wstring& versionText) {
    std::wstring t = ReplaceAll(versionText, L".:", L"%");
    t = ReplaceAll(t, L".", L"-");
    t = ReplaceAll(t, L",", L"-");
    t = ReplaceAll(t, L";", L".");
    t = ReplaceAll(t, L"%", L".:");
    return L"Glimmora " + t;
}

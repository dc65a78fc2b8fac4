#pragma once
// Top-level window titles: the overlay's own, and the two sibling tools it places itself below.

inline constexpr wchar_t kOverlayTitle[] = L"_BRINDLECOVE_GLIMMORA";
inline constexpr wchar_t kFirstSiblingTitle[] = L"_BRINDLECOVE_VEILPAN";
inline constexpr wchar_t kSecondSiblingTitle[] = L"_BRINDLECOVE_TORVELIN";

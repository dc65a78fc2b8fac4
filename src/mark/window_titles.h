#pragma once
// Top-level window titles: the mark's own, and the two sibling tools it places itself below.

inline constexpr wchar_t kMarkTitle[] = L"_BRINDLECOVE_GLIMMORA";
inline constexpr wchar_t kFirstSiblingTitle[] = L"_BRINDLECOVE_VEILPAN";
inline constexpr wchar_t kSecondSiblingTitle[] = L"_BRINDLECOVE_TORVELIN";

#pragma once
// The properties dialog's message-box texts.

// Duplicate check: the field holds the stored combination; nothing was probed.
inline constexpr wchar_t kCurrentSettingText[] = L"現在の設定です。";
// Duplicate check: the probe registered the combination.
inline constexpr wchar_t kProbeFreeText[] = L"設定可能です.";
// Duplicate check: the probe failed.
inline constexpr wchar_t kProbeTakenText[] =
    L"このキーの組み合わせは既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";
// OK handler: the probe failed; the dialog stays open.
inline constexpr wchar_t kOkProbeTakenText[] =
    L"HotKey設定は既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";

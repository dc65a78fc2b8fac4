#pragma once
// Pieces of Windows paths, as text.
#include <string>

// Everything before the last backslash of `path`, without it; empty when there is none.
std::wstring DirectoryPart(const std::wstring& path);

// A drive path ("C:\...") or a UNC path ("\\server\..."): the only forms that name the same
// file whatever the current directory is.
bool IsAbsolutePath(const std::wstring& path);

// The file name without its extension.
std::wstring FileStem(const std::wstring& path);

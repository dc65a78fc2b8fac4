#pragma once
// Where Glimmora.exe lives, worked out from the command line.
#include <string>

// A start by an absolute path (Explorer, shortcuts, quoted paths) uses the first argument's
// directory. A bare or relative name would put the profile in the drive root or in a doubled
// sub-folder, where settings silently do not persist, so the module's own path is taken instead.
std::wstring ExecutableDirectory(const std::wstring& firstArgument, const std::wstring& modulePath);

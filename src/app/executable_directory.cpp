#include "app/executable_directory.h"

#include "base/path_text.h"

std::wstring ExecutableDirectory(const std::wstring& firstArgument, const std::wstring& modulePath) {
    return DirectoryPart(IsAbsolutePath(firstArgument) ? firstArgument : modulePath);
}

#include "panel/save_failed_text.h"

std::wstring SaveFailedText(std::wstring_view profilePath) {
    std::wstring text = kSaveFailedText;
    text += profilePath;
    return text;
}

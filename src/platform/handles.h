#pragma once
// Owning handle types: the type says who releases what.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace handles {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ h) const noexcept { ::DeleteObject(h); }
};
struct KernelHandleDeleter {
    void operator()(HANDLE h) const noexcept { ::CloseHandle(h); }
};
struct LocalMemoryDeleter {
    void operator()(void* p) const noexcept { ::LocalFree(static_cast<HLOCAL>(p)); }
};
struct LibraryDeleter {
    void operator()(HMODULE m) const noexcept { ::FreeLibrary(m); }
};
struct HookDeleter {
    void operator()(HHOOK h) const noexcept { ::UnhookWindowsHookEx(h); }
};

}  // namespace handles

// A GDI object of type T (HBRUSH, HPEN, HRGN, HFONT...), deleted with DeleteObject.
template <typename T>
using GdiObject = std::unique_ptr<std::remove_pointer_t<T>, handles::GdiObjectDeleter>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Region = GdiObject<HRGN>;

using KernelHandle = std::unique_ptr<void, handles::KernelHandleDeleter>;
template <typename T>
using LocalMemory = std::unique_ptr<T, handles::LocalMemoryDeleter>;
using Hook = std::unique_ptr<std::remove_pointer_t<HHOOK>, handles::HookDeleter>;
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, handles::LibraryDeleter>;

// Hands a region to SetWindowRgn: from then on it belongs to the system, so the owner lets go.
inline void GiveRegionToWindow(HWND window, Region region, bool redraw) {
    if (::SetWindowRgn(window, region.get(), redraw ? TRUE : FALSE)) region.release();
}

// Selects an object into a device context for the guard's lifetime and restores the previous one.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (m_previous) ::SelectObject(m_dc, m_previous);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// Pictures for the README: the mark over a slide, and the properties dialog. Run on request by
// scripts/screenshots; the pictures are what the screen shows, read back through GDI.
#include <cstdlib>

#include "harness.h"

using namespace e2e;

namespace {

// Writes the screen rectangle `r` as a 24-bit BMP.
bool SaveScreen(const RECT& r, const std::wstring& path) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    ::GdiFlush();
    const DWORD stride = static_cast<DWORD>((w * 3 + 3) & ~3);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(h);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    bytes.append(static_cast<const char*>(bits), stride * static_cast<DWORD>(h));
    WriteFileText(path, bytes);
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return bits != nullptr;
}

// A stand-in for a presentation slide, for the mark to point at.
LRESULT CALLBACK SlideProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    RECT client;
    ::GetClientRect(hwnd, &client);
    ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    HFONT font = ::CreateFontW(40, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0, L"Sans");
    HGDIOBJ old = ::SelectObject(dc, font);
    ::SetTextColor(dc, RGB(30, 50, 90));
    ::TextOutW(dc, 40, 30, L"Quarterly results", 17);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    const int heights[] = {90, 140, 120, 200};
    for (int i = 0; i < 4; ++i) {
        HBRUSH bar = ::CreateSolidBrush(RGB(70 + 30 * i, 120, 190));
        RECT r{80 + i * 130, 330 - heights[i], 170 + i * 130, 330};
        ::FillRect(dc, &r, bar);
        ::DeleteObject(bar);
    }
    ::EndPaint(hwnd, &ps);
    return 0;
}

}  // namespace

E2E_ON_REQUEST(ReadmeScreenshots) {
    wchar_t out[MAX_PATH] = {};
    if (!CHECK(::GetEnvironmentVariableW(L"GLIMMORA_SHOTS", out, MAX_PATH) > 0)) return;
    const std::wstring dir = out;

    WNDCLASSW cls{};
    cls.lpfnWndProc = SlideProc;
    cls.hInstance = ::GetModuleHandleW(nullptr);
    cls.lpszClassName = L"GlimmoraReadmeSlide";
    ::RegisterClassW(&cls);
    HWND slide = ::CreateWindowExW(0, cls.lpszClassName, L"slide", WS_POPUP | WS_VISIBLE, 60, 60, 640, 360, nullptr,
                                   nullptr, cls.hInstance, nullptr);
    ::UpdateWindow(slide);

    const std::wstring folder = MakeScratchFolder(L"shots");
    WriteFileText(folder + L"\\Glimmora.ini", "[SYSTEM]\r\nCOLORCODE=0\r\nTRANS=50\r\nSIZE=4\r\nSHAPE=0\r\n");
    const POINT at{60 + 430, 60 + 170};
    ::SetCursorPos(at.x, at.y);
    Glimmora app(folder);
    HWND main = app.MainWindow();
    if (!CHECK(main)) return;
    PressButton(app.Panel(), GLM_IDC_ONOFF);
    HWND mark = nullptr;
    CHECK(WaitFor([&] {
        mark = app.Mark();
        if (!mark || !::IsWindowVisible(mark)) return false;
        const RECT r = WindowRect(mark);
        return r.left == at.x - (r.right - r.left) / 2;
    }));
    ::RedrawWindow(slide, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC screen = ::GetDC(nullptr);
    WaitFor([&] { return ::GetPixel(screen, at.x + 30, at.y) != RGB(255, 255, 255); }, 2000);  // composited
    ::ReleaseDC(nullptr, screen);
    CHECK(SaveScreen(RECT{60, 60, 700, 420}, dir + L"\\mark.bmp"));

    ::ShowWindow(main, SW_RESTORE);
    WaitFor([&] { return !::IsIconic(main); });
    PressButton(app.Panel(), 1004);
    HWND properties = app.WaitTopLevel(L"プロパティ設定(Properties)");
    if (CHECK(properties)) {
        ::RedrawWindow(properties, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        CHECK(SaveScreen(WindowRect(properties), dir + L"\\properties.bmp"));
        PressButton(properties, IDCANCEL);
    }
    CHECK(app.Close());
    ::DestroyWindow(slide);
}

// The resources compiled into Glimmora.exe, read back from the built executable.
// The window classes rely on these bits (styles, ids, group starts, tab order),
// and windres and rc.exe each have their own defaults, so the binary is what counts.
#include <windows.h>
// The headers below rely on <windows.h> coming first.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <winver.h>

#include <cstdint>
#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

struct Blob {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

Blob FindBlob(HMODULE module, LPCWSTR type, int id, WORD language) {
    HRSRC found = FindResourceExW(module, type, MAKEINTRESOURCEW(id), language);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, found);
    return {static_cast<const unsigned char*>(LockResource(loaded)), SizeofResource(module, found)};
}

// Bounds-checked little-endian reader over a resource; reading past the end
// marks it failed and yields zeros, so a truncated template fails the test.
class Reader {
  public:
    explicit Reader(Blob blob) : m_blob(blob) {}
    bool Ok() const { return m_ok; }
    void AlignDword() { m_offset = (m_offset + 3) & ~std::size_t{3}; }

    template <typename T>
    T Read() {
        T value{};
        if (m_offset + sizeof(T) > m_blob.size) {
            m_ok = false;
            m_offset = m_blob.size;
            return value;
        }
        std::memcpy(&value, m_blob.data + m_offset, sizeof(T));
        m_offset += sizeof(T);
        return value;
    }

    std::wstring ReadString() {
        std::wstring text;
        for (wchar_t c = static_cast<wchar_t>(Read<WORD>()); m_ok && c != 0; c = static_cast<wchar_t>(Read<WORD>())) {
            text += c;
        }
        return text;
    }

    // A string or an ordinal; ordinals come back as "#n".
    std::wstring ReadNameOrOrdinal() {
        WORD first = Read<WORD>();
        if (first == 0) return {};
        if (first == 0xFFFF) return L"#" + std::to_wstring(Read<WORD>());
        m_offset -= sizeof(WORD);
        return ReadString();
    }

    void Skip(std::size_t bytes) { m_offset = bytes > m_blob.size - m_offset ? m_blob.size : m_offset + bytes; }

  private:
    Blob m_blob;
    std::size_t m_offset = 0;
    bool m_ok = true;
};

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};
    int id = 0;
    std::wstring className;  // lower case; rc.exe writes "Button" as #128, windres as "BUTTON"
    std::wstring text;
};

struct Dialog {
    bool ok = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};
    std::wstring menu, windowClass, caption, face;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::vector<DialogItem> items;
};

std::wstring NormaliseClass(std::wstring name) {
    if (name == L"#128") return L"button";
    if (name == L"#130") return L"static";
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
    return name;
}

RECT ReadRect(Reader& in) {
    LONG x = in.Read<std::int16_t>(), y = in.Read<std::int16_t>();
    LONG cx = in.Read<std::int16_t>(), cy = in.Read<std::int16_t>();
    return {x, y, cx, cy};  // left, top, width, height as the template has them
}

Dialog ParseDialogEx(Blob blob) {
    Dialog dialog;
    Reader in(blob);
    if (in.Read<WORD>() != 1 || in.Read<WORD>() != 0xFFFF) return dialog;
    in.Read<DWORD>();  // help id
    dialog.exStyle = in.Read<DWORD>();
    dialog.style = in.Read<DWORD>();
    WORD count = in.Read<WORD>();
    dialog.rect = ReadRect(in);
    dialog.menu = in.ReadNameOrOrdinal();
    dialog.windowClass = in.ReadNameOrOrdinal();
    dialog.caption = in.ReadString();
    if (dialog.style & DS_SETFONT) {  // DS_SHELLFONT includes it
        dialog.pointSize = in.Read<WORD>();
        dialog.weight = in.Read<WORD>();
        dialog.italic = in.Read<BYTE>();
        dialog.charset = in.Read<BYTE>();
        dialog.face = in.ReadString();
    }
    for (WORD i = 0; i < count && in.Ok(); ++i) {
        in.AlignDword();
        DialogItem item;
        in.Read<DWORD>();  // help id
        item.exStyle = in.Read<DWORD>();
        item.style = in.Read<DWORD>();
        item.rect = ReadRect(in);
        item.id = in.Read<std::int32_t>();
        item.className = NormaliseClass(in.ReadNameOrOrdinal());
        item.text = in.ReadNameOrOrdinal();
        in.Skip(in.Read<WORD>());  // creation data
        dialog.items.push_back(item);
    }
    dialog.ok = in.Ok() && dialog.items.size() == count;
    return dialog;
}

std::wstring ToWindowsPath(std::wstring path) {
    // ctest under Wine hands us the Unix path; Wine maps / to drive Z:.
    if (!path.empty() && path[0] == L'/') {
        for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
        path = L"Z:" + path;
    }
    return path;
}

std::wstring ExePath() {
    wchar_t buffer[MAX_PATH * 2] = {};
    DWORD length = GetEnvironmentVariableW(L"GLIMMORA_EXE", buffer, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2) return {};
    return ToWindowsPath(buffer);
}

class Resources : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_path = ExePath();
        if (!s_path.empty()) {
            s_module =
                LoadLibraryExW(s_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        }
    }
    static void TearDownTestSuite() {
        if (s_module != nullptr) FreeLibrary(s_module);
        s_module = nullptr;
    }
    void SetUp() override {
        if (s_path.empty()) GTEST_SKIP() << "GLIMMORA_EXE is not set";
        ASSERT_NE(s_module, nullptr) << "cannot load the executable as a data file";
    }

    static Dialog Template(int id) {
        Blob blob = FindBlob(s_module, RT_DIALOG, id, kJapanese);
        EXPECT_NE(blob.data, nullptr) << "template " << id << " missing in language 1041";
        Dialog dialog = blob.data != nullptr ? ParseDialogEx(blob) : Dialog{};
        EXPECT_TRUE(dialog.ok) << "template " << id << " is not a well-formed DIALOGEX";
        return dialog;
    }

    static inline std::wstring s_path;
    static inline HMODULE s_module = nullptr;
};

struct ExpectedItem {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    RECT rect;
};

void ExpectItems(const Dialog& dialog, const std::vector<ExpectedItem>& expected) {
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const DialogItem& item = dialog.items[i];
        SCOPED_TRACE(testing::Message() << "control #" << i + 1 << " id " << expected[i].id);
        EXPECT_EQ(item.id, expected[i].id);
        EXPECT_EQ(item.className, expected[i].className);
        EXPECT_EQ(item.text, expected[i].text);
        EXPECT_EQ(item.style, expected[i].style) << std::hex << item.style;
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_TRUE(EqualRect(&item.rect, &expected[i].rect));
    }
}

TEST_F(Resources, DialogFramesAreExact) {
    struct Frame {
        int id;
        DWORD style, exStyle;
        RECT rect;
        const wchar_t* caption;
        WORD pointSize, weight;
        const wchar_t* face;
        std::size_t controls;
    };
    const wchar_t* const gothic = L"MS UI Gothic";
    const wchar_t* const shell = L"MS Shell Dlg";
    const wchar_t* const properties = L"プロパティ設定(Properties)";
    const Frame frames[] = {
        {GLM_IDD_ABOUTBOX, 0x80C800C0, 0, {0, 0, 170, 62}, L"Glimmora について", 9, 0, gothic, 5},
        {GLM_IDD_MAIN, 0x90CA00C0, WS_EX_APPWINDOW, {0, 0, 144, 72}, L"Glimmora", 9, 0, gothic, 0},
        {GLM_IDD_PANEL, 0x40080448, WS_EX_CLIENTEDGE, {5, 15, 155, 55}, L"", 8, 400, shell, 2},
        {GLM_IDD_POINTER, 0x80080048, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, {0, 0, 50, 46}, L"", 8, 400, shell, 0},
        {GLM_IDD_PROPERTIES, 0x80C800C8, 0, {0, 0, 453, 242}, properties, 8, 400, shell, 36},
    };
    for (const Frame& frame : frames) {
        SCOPED_TRACE(testing::Message() << "template " << frame.id);
        Dialog dialog = Template(frame.id);
        EXPECT_EQ(dialog.style, frame.style) << std::hex << dialog.style;
        EXPECT_EQ(dialog.exStyle, frame.exStyle) << std::hex << dialog.exStyle;
        EXPECT_TRUE(EqualRect(&dialog.rect, &frame.rect));
        EXPECT_EQ(dialog.menu, L"");
        EXPECT_EQ(dialog.windowClass, L"");
        EXPECT_EQ(dialog.caption, frame.caption);
        EXPECT_EQ(dialog.pointSize, frame.pointSize);
        EXPECT_EQ(dialog.weight, frame.weight);
        EXPECT_EQ(dialog.italic, 0);
        EXPECT_EQ(dialog.charset, DEFAULT_CHARSET);
        EXPECT_EQ(dialog.face, frame.face);
        EXPECT_EQ(dialog.items.size(), frame.controls);
    }
}

TEST_F(Resources, AboutBoxAndPanelControls) {
    ExpectItems(Template(GLM_IDD_ABOUTBOX),
                {
                    {GLM_IDC_STATIC, L"static", L"#128", 0x50000003, {14, 14, 20, 20}},
                    {GLM_IDC_VERSION, L"static", L"Glimmora、バージョン 1.0", 0x50020080, {42, 14, 114, 8}},
                    {GLM_IDC_STATIC, L"static", L"Copyright (C) 2026 Brindlecove", 0x50020000, {42, 26, 114, 8}},
                    {IDOK, L"button", L"OK", 0x50030001, {113, 41, 50, 14}},
                    {GLM_IDC_LINK, L"syslink", L"<a>Brindlecoveホームページ</a>", 0x50010000, {12, 42, 78, 11}},
                });
    ExpectItems(Template(GLM_IDD_PANEL),
                {
                    {GLM_IDC_ONOFF, L"button", L"ON", 0x50011003, {7, 7, 66, 39}},
                    {GLM_IDC_PROPERTIES, L"button", L"\r\n設定\r\n(Properties)", 0x50012F00, {84, 7, 63, 38}},
                });
}

// The template order is the tab order and decides the radio groups, whose
// index is the stored setting: order and group starts are what must not drift.
TEST_F(Resources, PropertiesOrderGroupsAndKinds) {
    const Dialog dialog = Template(GLM_IDD_PROPERTIES);
    ASSERT_EQ(dialog.items.size(), 36u);

    // clang-format off
    const int order[] = {
        GLM_IDC_STATIC, GLM_IDC_COLOR_YELLOW, GLM_IDC_COLOR_PURPLE, GLM_IDC_COLOR_RED,
            GLM_IDC_COLOR_GREEN, GLM_IDC_COLOR_BLUE, GLM_IDC_COLOR_LIGHTBLUE,
        GLM_IDC_STATIC, GLM_IDC_SHAPE_CIRCLE, GLM_IDC_SHAPE_RING,
        GLM_IDC_STATIC, GLM_IDC_SIZE_20, GLM_IDC_SIZE_40, GLM_IDC_SIZE_60, GLM_IDC_SIZE_80,
            GLM_IDC_SIZE_100, GLM_IDC_SIZE_150,
        GLM_IDC_STATIC, GLM_IDC_TRANS_SLIDER,
        GLM_IDC_STATIC, GLM_IDC_MOUSEMON,
        GLM_IDC_STATIC, GLM_IDC_BLINK_ENABLED, GLM_IDC_TRIG_ALWAYS, GLM_IDC_TRIG_CTRL, GLM_IDC_TRIG_ALT,
            GLM_IDC_STATIC, GLM_IDC_BLINK_PERIOD,
        GLM_IDC_STATIC, GLM_IDC_HOTKEY_ENABLED, GLM_IDC_HOTKEY_FIELD, GLM_IDC_DUPLICATE,
        IDOK, IDCANCEL,
        GLM_IDC_RIPPLE, GLM_IDC_STATIC,
    };
    // clang-format on
    // 1-based template positions of the controls that start a group.
    const std::vector<std::size_t> groupStarts = {2, 8, 9, 11, 12, 18, 22, 24, 27, 29};

    std::vector<std::size_t> groups;
    for (std::size_t i = 0; i < dialog.items.size(); ++i) {
        const DialogItem& item = dialog.items[i];
        SCOPED_TRACE(testing::Message() << "control #" << i + 1 << " id " << item.id);
        EXPECT_EQ(item.id, order[i]);
        EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE), DWORD{WS_CHILD | WS_VISIBLE});
        EXPECT_EQ(item.exStyle, 0u);
        if (item.style & WS_GROUP) groups.push_back(i + 1);

        const DWORD kind = item.style & BS_TYPEMASK;
        if (item.className == L"button" && kind == BS_AUTORADIOBUTTON) {
            EXPECT_FALSE(item.style & WS_TABSTOP) << "radio buttons carry no tab stop";
        } else if (item.className == L"button" && kind != BS_GROUPBOX) {
            EXPECT_TRUE(item.style & WS_TABSTOP);
        }
    }
    EXPECT_EQ(groups, groupStarts);

    auto at = [&](std::size_t position) -> const DialogItem& { return dialog.items[position - 1]; };
    for (std::size_t slider : {19u, 28u}) {
        EXPECT_EQ(at(slider).className, L"msctls_trackbar32");
        EXPECT_EQ(at(slider).style, DWORD{WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS});
    }
    EXPECT_EQ(at(31).className, L"msctls_hotkey32");
    EXPECT_EQ(at(31).style, DWORD{WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP});
    EXPECT_EQ(at(27).className, L"static");
    EXPECT_EQ(at(27).style, DWORD{WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_CENTERIMAGE});
    EXPECT_EQ(at(33).style & BS_TYPEMASK, DWORD{BS_DEFPUSHBUTTON});

    // The size group lists its labels in index order although the ids do not run so.
    const wchar_t* sizes[] = {L"20px", L"40px", L"60px", L"80px", L"100px", L"150px"};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(at(12 + i).text, sizes[i]);
    EXPECT_EQ(at(18).text, L"透明度(transparency) [薄い←→濃い]");
    EXPECT_EQ(at(32).text, L"重複確認(Duplicate confirm)");
    EXPECT_EQ(at(34).text, L"キャンセル");
    EXPECT_EQ(at(36).text, L"波紋(ripples effect)-CircleOnly");
}

TEST_F(Resources, VersionResourceAsTheAboutBoxReadsIt) {
    EXPECT_NE(FindBlob(s_module, RT_VERSION, 1, kJapanese).data, nullptr) << "version resource in 1041";

    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(s_path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<unsigned char> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(s_path.c_str(), 0, size, block.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 1200);

    auto text = [&](const wchar_t* name) {
        std::wstring path = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
        void* found = nullptr;
        UINT chars = 0;
        if (!VerQueryValueW(block.data(), path.c_str(), &found, &chars) || found == nullptr) return std::wstring();
        return std::wstring(static_cast<const wchar_t*>(found));
    };
    EXPECT_EQ(text(L"ProductVersion"), L"2.3.4.135");
    EXPECT_EQ(text(L"FileVersion"), L"2.3.4.135");
    EXPECT_EQ(text(L"ProductName"), L"Glimmora");
    EXPECT_EQ(text(L"FileDescription"), L"Glimmora");
    EXPECT_EQ(text(L"CompanyName"), L"Brindlecove");
    EXPECT_EQ(text(L"InternalName"), L"Glimmora.exe");
    EXPECT_EQ(text(L"OriginalFilename"), L"Glimmora.exe");
    EXPECT_FALSE(text(L"LegalCopyright").empty());

    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020003u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00040087u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020003u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00040087u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, DWORD{VOS_NT_WINDOWS32});
    EXPECT_EQ(fixed->dwFileType, DWORD{VFT_APP});
}

// Group 128 lists ten 32-bpp images; the real side of the large ones is in their
// PNG header (the group entry says 0 for 256 and more).
TEST_F(Resources, IconGroupHoldsTenImagesOf32Bits) {
    Blob group = FindBlob(s_module, RT_GROUP_ICON, GLM_IDI_APP, kJapanese);
    ASSERT_NE(group.data, nullptr);
    Reader in(group);
    in.Read<WORD>();
    EXPECT_EQ(in.Read<WORD>(), 1);  // icons, not cursors
    const WORD count = in.Read<WORD>();
    ASSERT_EQ(count, 10);

    const int sides[] = {16, 24, 32, 48, 64, 72, 96, 128, 256, 512};
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        const BYTE width = in.Read<BYTE>();
        in.Skip(3);
        EXPECT_EQ(in.Read<WORD>(), 1);  // planes
        EXPECT_EQ(in.Read<WORD>(), 32);
        in.Read<DWORD>();
        const WORD imageId = in.Read<WORD>();
        ASSERT_TRUE(in.Ok());
        EXPECT_EQ(width, sides[i] < 256 ? sides[i] : 0);

        Blob image = FindBlob(s_module, RT_ICON, imageId, kJapanese);
        ASSERT_GE(image.size, 40u);
        const bool isPng = std::memcmp(image.data, "\x89PNG\r\n\x1a\n", 8) == 0;
        EXPECT_EQ(isPng, sides[i] >= 64);
        if (isPng) {
            auto bigEndian = [&](std::size_t at) {
                return int(image.data[at]) << 24 | int(image.data[at + 1]) << 16 | int(image.data[at + 2]) << 8 |
                       int(image.data[at + 3]);
            };
            EXPECT_EQ(std::memcmp(image.data + 12, "IHDR", 4), 0);
            EXPECT_EQ(bigEndian(16), sides[i]);
            EXPECT_EQ(bigEndian(20), sides[i]);
            EXPECT_EQ(image.data[24], 8);  // bits per channel
            EXPECT_EQ(image.data[25], 6);  // RGBA
        } else {
            BITMAPINFOHEADER header;
            std::memcpy(&header, image.data, sizeof header);
            EXPECT_EQ(header.biWidth, sides[i]);
            EXPECT_EQ(header.biHeight, 2 * sides[i]);  // colour and AND mask
            EXPECT_EQ(header.biBitCount, 32);
            EXPECT_EQ(header.biCompression, DWORD{BI_RGB});
        }
    }

    // And the system can make icons of them, from a bitmap and from a PNG.
    for (int side : {32, 256}) {
        HANDLE loaded = LoadImageW(s_module, MAKEINTRESOURCEW(GLM_IDI_APP), IMAGE_ICON, side, side, 0);
        EXPECT_NE(loaded, nullptr) << side;
        if (loaded != nullptr) DestroyIcon(static_cast<HICON>(loaded));
    }
}

TEST_F(Resources, AboutItemText) {
    // Strings live in blocks of sixteen: 101 is in block 7.
    EXPECT_NE(FindBlob(s_module, RT_STRING, GLM_IDS_ABOUTBOX / 16 + 1, kJapanese).data, nullptr);
    wchar_t text[64] = {};
    EXPECT_GT(LoadStringW(s_module, GLM_IDS_ABOUTBOX, text, 64), 0);
    EXPECT_STREQ(text, L"Glimmoraについて(&A)...");
}

TEST_F(Resources, Manifest) {
    Blob manifest = FindBlob(s_module, RT_MANIFEST, 1, kEnglishUs);
    ASSERT_NE(manifest.data, nullptr) << "manifest 1 in language 1033";
    const std::string xml(reinterpret_cast<const char*>(manifest.data), manifest.size);
    for (const char* needle :
         {"name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"", "processorArchitecture=\"amd64\"",
          "publicKeyToken=\"6595b64144ccf1df\"", "level=\"asInvoker\"", "uiAccess=\"false\"", ">True/PM</dpiAware>"}) {
        EXPECT_NE(xml.find(needle), std::string::npos) << needle;
    }

    // Windows runs a program in the context of the newest system its manifest names, else as one
    // written for Vista (from 8.1 on, version queries then answer 6.2). Vista to 10/11 are named; an
    // identifier outside the compatibility element counts for nothing.
    const std::string open = "<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">";
    const std::size_t begin = xml.find(open);
    ASSERT_NE(begin, std::string::npos) << open;
    const std::string compatibility = xml.substr(begin, xml.find("</compatibility>", begin) - begin);
    for (const char* system : {"{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                               "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                               "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
        EXPECT_NE(compatibility.find(std::string("<supportedOS Id=\"") + system + "\"/>"), std::string::npos) << system;
    }
}

}  // namespace

// The shipped executable: 64-bit, a GUI program, importing nothing but the system's own DLLs.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

std::string ExeFile() {
    const char* path = std::getenv("GLIMMORA_EXE");
    if (!path) return {};
    std::string p = path;
    if (!p.empty() && p[0] == '/') {  // a Unix path from ctest under Wine
        std::replace(p.begin(), p.end(), '/', '\\');
        p = "Z:" + p;
    }
    return p;
}

template <typename T>
bool ReadAt(const std::vector<char>& file, std::size_t offset, T& out) {
    if (offset + sizeof(T) > file.size()) return false;
    std::memcpy(&out, file.data() + offset, sizeof(T));
    return true;
}

}  // namespace

TEST(Executable, SixtyFourBitGuiProgramImportingSystemDllsOnly) {
    const std::string path = ExeFile();
    if (path.empty()) GTEST_SKIP() << "GLIMMORA_EXE is not set";
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    IMAGE_DOS_HEADER dos{};
    ASSERT_TRUE(ReadAt(file, 0, dos));
    IMAGE_NT_HEADERS64 nt{};
    ASSERT_TRUE(ReadAt(file, static_cast<std::size_t>(dos.e_lfanew), nt));
    EXPECT_EQ(nt.FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(nt.OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR64_MAGIC);
    EXPECT_EQ(nt.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);

    const std::size_t sections = static_cast<std::size_t>(dos.e_lfanew) + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                                 nt.FileHeader.SizeOfOptionalHeader;
    auto fileOffset = [&](DWORD rva) -> std::size_t {
        for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
            IMAGE_SECTION_HEADER s{};
            if (!ReadAt(file, sections + i * sizeof(s), s)) break;
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return file.size();
    };

    const std::set<std::string> system = {"advapi32.dll", "comctl32.dll", "dwmapi.dll",  "gdi32.dll",
                                          "kernel32.dll", "msvcrt.dll",   "shell32.dll", "user32.dll",
                                          "uxtheme.dll",  "version.dll",  "ole32.dll"};
    std::size_t at = fileOffset(nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
    int imports = 0;
    for (IMAGE_IMPORT_DESCRIPTOR d{}; ReadAt(file, at, d) && d.Name; at += sizeof(d), ++imports) {
        const std::size_t name = fileOffset(d.Name);
        ASSERT_LT(name, file.size());
        std::string dll(file.data() + name);
        std::transform(dll.begin(), dll.end(), dll.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_TRUE(system.count(dll)) << dll << " is not a system DLL";
    }
    EXPECT_GT(imports, 3);
}

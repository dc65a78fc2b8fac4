// The shipped executable: 64-bit, a GUI program, hardened like any program Windows loads today,
// importing nothing but DLLs that Windows never looks for beside the exe.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdlib>
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

// The exe's file and its headers, read once for every test.
class Executable : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::ifstream in(ExeFile(), std::ios::binary);
        s_file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        s_headers = ReadAt(s_file, 0, s_dos) && ReadAt(s_file, static_cast<std::size_t>(s_dos.e_lfanew), s_nt);
    }
    void SetUp() override {
        if (ExeFile().empty()) GTEST_SKIP() << "GLIMMORA_EXE is not set";
        ASSERT_TRUE(s_headers) << "cannot read the PE headers of " << ExeFile();
    }

    static const IMAGE_DATA_DIRECTORY& Directory(int entry) { return s_nt.OptionalHeader.DataDirectory[entry]; }

    // Where an address of the loaded image lies in the file; past the end when no section holds it.
    static std::size_t FileOffset(DWORD rva) {
        const std::size_t sections = static_cast<std::size_t>(s_dos.e_lfanew) +
                                     offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                                     s_nt.FileHeader.SizeOfOptionalHeader;
        for (WORD i = 0; i < s_nt.FileHeader.NumberOfSections; ++i) {
            IMAGE_SECTION_HEADER s{};
            if (!ReadAt(s_file, sections + i * sizeof(s), s)) break;
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return s_file.size();
    }

    static inline std::vector<char> s_file;
    static inline bool s_headers = false;
    static inline IMAGE_DOS_HEADER s_dos{};
    static inline IMAGE_NT_HEADERS64 s_nt{};
};

}  // namespace

TEST_F(Executable, SixtyFourBitGuiProgramImportingSystemDllsOnly) {
    EXPECT_EQ(s_nt.FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(s_nt.OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR64_MAGIC);
    EXPECT_EQ(s_nt.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);

    // Known DLLs always come from the system directory. Common controls 6 comes side by side through
    // the manifest. Any other DLL would be searched for in the exe's folder first (a planted copy there
    // would run as us), so the program loads those at run time by their full system path instead.
    const std::set<std::string> system = {"advapi32.dll", "comctl32.dll", "gdi32.dll",   "kernel32.dll",
                                          "msvcrt.dll",   "ole32.dll",    "shell32.dll", "user32.dll"};
    std::size_t at = FileOffset(Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
    int imports = 0;
    for (IMAGE_IMPORT_DESCRIPTOR d{}; ReadAt(s_file, at, d) && d.Name; at += sizeof(d), ++imports) {
        const std::size_t name = FileOffset(d.Name);
        ASSERT_LT(name, s_file.size());
        std::string dll(s_file.data() + name);
        std::transform(dll.begin(), dll.end(), dll.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_TRUE(system.count(dll)) << dll << " is neither a known DLL nor common controls";
    }
    EXPECT_GT(imports, 3);
}

TEST_F(Executable, LoadsAtARandomAddressWithDataNeverExecuted) {
    // Each flag is a linker default that some toolchain versions leave out, so each is checked.
    const WORD flags = s_nt.OptionalHeader.DllCharacteristics;
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE) << "ASLR";
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA) << "64-bit ASLR";
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_NX_COMPAT) << "DEP";
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE) << "remote desktop sessions";
    // Without relocations the loader cannot move the image, whatever the flags say.
    EXPECT_FALSE(s_nt.FileHeader.Characteristics & IMAGE_FILE_RELOCS_STRIPPED);
    EXPECT_GT(Directory(IMAGE_DIRECTORY_ENTRY_BASERELOC).Size, 0u);
    EXPECT_LT(FileOffset(Directory(IMAGE_DIRECTORY_ENTRY_BASERELOC).VirtualAddress), s_file.size());
}

// The program takes code from the system folder only: its import tables name only DLLs that Windows
// always loads from there, and a DLL planted in its folder (its working folder too) stays unloaded.
#include <set>

#include "tests/win32/support/ui_driver.h"

namespace {

// The DLL names of the import and delay-import tables of a PE file, in lower case.
std::set<std::string> ImportedDlls(const std::string& bytes) {
    auto at = [&bytes](size_t offset, size_t size) {
        if (offset > bytes.size() || size > bytes.size() - offset) {
            throw std::runtime_error("not a whole PE file");
        }
        return bytes.data() + offset;
    };
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0, sizeof(IMAGE_DOS_HEADER)));
    const size_t nt = static_cast<size_t>(dos->e_lfanew);
    const auto* file =
        reinterpret_cast<const IMAGE_FILE_HEADER*>(at(nt + 4, sizeof(IMAGE_FILE_HEADER)));
    const size_t optional = nt + 4 + sizeof(IMAGE_FILE_HEADER);
    const bool pe32 =
        *reinterpret_cast<const WORD*>(at(optional, 2)) == IMAGE_NT_OPTIONAL_HDR32_MAGIC;
    const size_t directories = optional + (pe32 ? offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory)
                                                : offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory));
    const auto* sections = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
        at(optional + file->SizeOfOptionalHeader,
           file->NumberOfSections * sizeof(IMAGE_SECTION_HEADER)));
    auto fileOffset = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < file->NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize) {
                return rva - s.VirtualAddress + s.PointerToRawData;
            }
        }
        throw std::runtime_error("an address outside every section");
    };
    auto name = [&](DWORD rva) {
        std::string text = at(fileOffset(rva), 1);
        std::transform(text.begin(), text.end(), text.begin(), ::tolower);
        return text;
    };
    std::set<std::string> names;
    auto directory = [&](int index) {
        return *reinterpret_cast<const IMAGE_DATA_DIRECTORY*>(
            at(directories + index * sizeof(IMAGE_DATA_DIRECTORY), sizeof(IMAGE_DATA_DIRECTORY)));
    };
    if (const IMAGE_DATA_DIRECTORY imports = directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
        imports.Size) {
        for (size_t entry = fileOffset(imports.VirtualAddress);;
             entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
                at(entry, sizeof(IMAGE_IMPORT_DESCRIPTOR)));
            if (d->Name == 0) {
                break;
            }
            names.insert(name(d->Name));
        }
    }
    if (const IMAGE_DATA_DIRECTORY delayed = directory(IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT);
        delayed.Size) {
        for (size_t entry = fileOffset(delayed.VirtualAddress);;
             entry += sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)) {
            const auto* d = reinterpret_cast<const IMAGE_DELAYLOAD_DESCRIPTOR*>(
                at(entry, sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)));
            if (d->DllNameRVA == 0) {
                break;
            }
            names.insert(name(d->DllNameRVA));
        }
    }
    return names;
}

TEST(DllSearch, ImportsOnlyDllsWindowsTakesFromTheSystemFolder) {
    const std::set<std::string> allowed = {
        "kernel32.dll", "user32.dll",  "gdi32.dll",    "advapi32.dll", "ole32.dll",
        "oleaut32.dll", "shell32.dll", "comdlg32.dll", "msvcrt.dll",   "comctl32.dll"};
    const std::set<std::string> imported = ImportedDlls(test_data::FileBytes(CORVEL_PROGRAM));
    EXPECT_TRUE(imported.count("kernel32.dll")) << "the tables were not read";
    for (const std::string& dll : imported) {
        EXPECT_TRUE(allowed.count(dll)) << dll << " is imported, and would be looked for first "
                                        << "in the program's own folder";
    }
}

// The program started from a folder that also holds a planted UxTheme.dll (its working folder too),
// until its main menu shows. Windows takes a DLL that is not a known system DLL from the program's
// folder first; under Wine the run sets WINEDLLOVERRIDES so that Wine does the same.
TEST(DllSearch, APlantedDllBesideTheProgramIsNotLoaded) {
    const std::string folder = testui::TempPath("corvel-planted");
    fs::remove_all(ui::Widen(folder));
    fs::create_directories(ui::Widen(folder));
    fs::copy_file(CORVEL_PROGRAM, ui::Widen(folder + "\\CorvelConfig.exe"));
    fs::copy_file(CORVEL_PLANTED_DLL, ui::Widen(folder + "\\UxTheme.dll"));
    std::wstring command = L"\"" + ui::Widen(folder + "\\CorvelConfig.exe") + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               ui::Widen(folder).c_str(), &startup, &process));
    // Its main menu: a visible top-level window of that process.
    struct Search {
        DWORD pid;
        HWND found = nullptr;
    } search{process.dwProcessId};
    for (int wait = 0; wait < 200 && !search.found; ++wait) {
        Sleep(100);
        EnumWindows(
            [](HWND window, LPARAM data) WINAPI -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD pid = 0;
                GetWindowThreadProcessId(window, &pid);
                if (pid == s->pid && IsWindowVisible(window)) {
                    s->found = window;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
    }
    EXPECT_TRUE(search.found) << "the main menu did not appear";
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    EXPECT_FALSE(fs::exists(ui::Widen(folder + "\\planted-dll-loaded")));
    fs::remove_all(ui::Widen(folder));
}

}  // namespace

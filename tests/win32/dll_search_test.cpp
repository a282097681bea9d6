// The program takes code from the system folder only: its import tables name only DLLs that Windows
// always loads from there, and a DLL planted in its folder (its working folder too) stays unloaded.

#include "tests/win32/support/ui_driver.h"

namespace {

// The DLL names of the import and delay-import tables of a program, in lower case: its image mapped
// as Windows maps it to run it (nothing of it runs), so that addresses are offsets from its base.
std::set<std::string> ImportedDlls(const std::string& program) {
    const HMODULE image = LoadLibraryExW(ui::Widen(program).c_str(), nullptr,
                                         LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE);
    if (!image) {
        throw std::runtime_error("cannot map " + program);
    }
    const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<uintptr_t>(image) & ~3u);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY* directories = nt->OptionalHeader.DataDirectory;
    std::set<std::string> names;
    auto add = [&](DWORD nameRva) {
        std::string name = reinterpret_cast<const char*>(base + nameRva);
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        names.insert(name);
    };
    const DWORD imports = directories[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports);
         imports && d->Name; ++d) {
        add(d->Name);
    }
    const DWORD delayed = directories[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT].VirtualAddress;
    for (auto* d = reinterpret_cast<const IMAGE_DELAYLOAD_DESCRIPTOR*>(base + delayed);
         delayed && d->DllNameRVA; ++d) {
        add(d->DllNameRVA);
    }
    FreeLibrary(image);
    return names;
}

TEST(DllSearch, ImportsOnlyDllsWindowsTakesFromTheSystemFolder) {
    const std::set<std::string> allowed = {
        "kernel32.dll", "user32.dll",  "gdi32.dll",    "advapi32.dll", "ole32.dll",
        "oleaut32.dll", "shell32.dll", "comdlg32.dll", "msvcrt.dll",   "comctl32.dll"};
    const std::set<std::string> imported = ImportedDlls(CORVEL_PROGRAM);
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
    // Its main menu up and waiting for the user.
    EXPECT_EQ(WaitForInputIdle(process.hProcess, 20000), 0u) << "the main menu did not appear";
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    EXPECT_FALSE(fs::exists(ui::Widen(folder + "\\planted-dll-loaded")));
    fs::remove_all(ui::Widen(folder));
}

}  // namespace

// The simulator folder from the registry: the 32-bit view first (where a
// 32-bit simulator's key lives on 64-bit Windows), then the native view,
// then the current directory. Values are set with reg.exe, as an installer
// or a user would set them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/locate_files.h"
#include "platform/win32/controls.h"

namespace {

int RunReg(std::wstring arguments) {
    std::wstring command = L"reg.exe " + arguments + L" /f";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

const std::wstring kValue =
    L"\"HKLM\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\" /v SetupPath";

void SetSetupPath(const wchar_t* view, std::wstring folder) {
    if (folder.back() == L'\\') {
        folder += L'\\';  // a backslash before the closing quote is doubled
    }
    ASSERT_EQ(RunReg(L"add " + kValue + L" /t REG_SZ /d \"" + folder + L"\" /reg:" + view), 0);
}

class RegistryViews : public testing::Test {
  protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        RunReg(L"delete " + kValue + L" /reg:32");
        RunReg(L"delete " + kValue + L" /reg:64");
    }
};

TEST_F(RegistryViews, The32BitViewComesFirstThenTheNativeOne) {
    SetSetupPath(L"64", L"C:\\Sim64");
    EXPECT_EQ(LocateFiles().simFolder, "C:\\Sim64");
    // Non-ASCII folders survive the trip through the registry.
    const std::wstring folder32 = L"C:\\Sim\u00e9\u00fc\u0416\u98db\\";
    SetSetupPath(L"32", folder32);
    const SimulatorPaths paths = LocateFiles();
    EXPECT_EQ(paths.simFolder, ui::Narrow(folder32));
    EXPECT_EQ(paths.prefsPath, ui::Narrow(folder32) + "\\Norvane\\Corvel\\Prefs.cfg");
}

TEST_F(RegistryViews, WithoutAValueTheFolderTwoLevelsAboveTheCurrentDirectoryIsUsed) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(LocateFiles().simFolder, ui::Narrow(current) + "\\..\\..");
}

}  // namespace

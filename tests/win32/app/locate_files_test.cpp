// The simulator folder from the registry: the 32-bit view first (where a
// 32-bit simulator's key lives on 64-bit Windows), then the native view,
// then the current directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/app_context.h"
#include "app/locate_files.h"
#include "platform/registry.h"
#include "platform/win32/controls.h"

namespace {

constexpr wchar_t kKey[] = L"SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";

// Runs Windows' reg.exe as a user or an installer would.
int RunReg(const std::wstring& arguments) {
    std::wstring command = L"reg.exe " + arguments;
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

void SetSetupPath(const std::wstring& view, const std::wstring& value) {
    // A backslash before the closing quote must be doubled on a command line.
    std::wstring quoted = value;
    if (!quoted.empty() && quoted.back() == L'\\') {
        quoted += L'\\';
    }
    ASSERT_EQ(RunReg(L"add \"HKLM\\" + std::wstring(kKey) + L"\" /v SetupPath /t REG_SZ /d \"" +
                     quoted + L"\" /f /reg:" + view),
              0);
}

void DeleteSetupPaths() {
    RunReg(L"delete \"HKLM\\" + std::wstring(kKey) + L"\" /v SetupPath /f /reg:32");
    RunReg(L"delete \"HKLM\\" + std::wstring(kKey) + L"\" /v SetupPath /f /reg:64");
}

class RegistryViews : public testing::Test {
  protected:
    void SetUp() override { DeleteSetupPaths(); }
    void TearDown() override { DeleteSetupPaths(); }
};

TEST_F(RegistryViews, The32BitViewIsReadFirst) {
    SetSetupPath(L"32", L"C:\\Sim32\\");
    EXPECT_EQ(registry::SimulatorSetupPath().value_or("<none>"), "C:\\Sim32\\");
    SetSetupPath(L"64", L"C:\\Sim64");
    EXPECT_EQ(registry::SimulatorSetupPath().value_or("<none>"), "C:\\Sim32\\");
}

TEST_F(RegistryViews, TheNativeViewIsReadWhenThe32BitViewHasNoValue) {
    SetSetupPath(L"64", L"C:\\Sim64");
    EXPECT_EQ(registry::SimulatorSetupPath().value_or("<none>"), "C:\\Sim64");
}

TEST_F(RegistryViews, WithoutAValueTheFolderTwoLevelsAboveTheCurrentDirectoryIsUsed) {
    EXPECT_FALSE(registry::SimulatorSetupPath().has_value());
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    LocateFiles();
    EXPECT_EQ(App().simFolder, ui::Narrow(current) + "\\..\\..");
    EXPECT_EQ(App().prefsPath, ui::Narrow(current) + "\\..\\..\\Norvane\\Corvel\\Prefs.cfg");
}

TEST_F(RegistryViews, NonAsciiFoldersSurviveTheRoundTrip) {
    const std::wstring folder = L"C:\\Sim\u00e9\u00fc\u0416\u98db";
    SetSetupPath(L"32", folder);
    LocateFiles();
    EXPECT_EQ(App().simFolder, ui::Narrow(folder));
}

}  // namespace

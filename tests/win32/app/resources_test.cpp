// The built program carries its manifest (so Windows does not virtualise
// its writes, draws it sharp at any scale and in the current look) and its
// version information.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/controls.h"

namespace {

// The program as CMake built it, seen through Wine's Z: drive.
std::wstring ProgramPath() {
    std::string path = "Z:" CORVEL_PROGRAM_PATH;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return ui::Widen(path);
}

TEST(ProgramResources, ManifestAsksToRunAsInvokerDpiAwareWithCommonControls6) {
    HMODULE program = LoadLibraryExW(ProgramPath().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_TRUE(program) << "cannot open " << ui::Narrow(ProgramPath());
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_TRUE(found);
    auto* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
    std::string manifest(bytes, SizeofResource(program, found));
    EXPECT_NE(manifest.find("requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos)
        << "Windows 7";
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos)
        << "Windows 10 and 11";
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, System</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos) << "before Windows 10";
    FreeLibrary(program);
}

TEST(ProgramResources, VersionInformationNamesTheProduct) {
    std::wstring path = ProgramPath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));

    auto value = [&](const wchar_t* name) {
        wchar_t* text = nullptr;
        UINT length = 0;
        std::wstring query = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        if (!VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&text), &length)) {
            return std::string("<missing>");
        }
        return ui::Narrow(text);
    };
    EXPECT_EQ(value(L"ProductName"), "Corvel Config");
    EXPECT_EQ(value(L"FileVersion"), CORVEL_VERSION);
    EXPECT_NE(value(L"LegalCopyright").find("Copyright"), std::string::npos);
    EXPECT_NE(value(L"FileDescription"), "<missing>");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
}

}  // namespace

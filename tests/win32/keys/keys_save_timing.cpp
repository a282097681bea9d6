// Prints how long saving all 182 [Keys] entries into an existing
// preferences file takes with the program's batch write, next to the same
// writes made one by one through the platform's WritePrivateProfileStringA.
// A figure for the record, not a pass/fail check.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "keys/command_catalogue.h"
#include "keys/key_assignments.h"
#include "platform/win32/controls.h"

namespace {

std::string ExistingPrefsText() {
    std::string text =
        "[Common]\r\nUnitSystem=0\r\nPushbackType=1\r\nUserExperience=1\r\nPanelVolume=80\r\n"
        "IRSAlignmentTime=2\r\nModifier=1\r\nLocker=0\r\nAutoPause=0\r\nFsuipcUsage=0\r\n"
        "FMGCSaveMode=1\r\n\r\n[Keys]\r\n";
    for (size_t i = 0; i < keys::kCommandCount; ++i) {
        text += keys::ModifierEntryName(i) + "=" +
                std::to_string(keys::kDefaultCommands[i].modifier) + "\r\n" +
                keys::KeyEntryName(i) + "=" + std::to_string(keys::kDefaultCommands[i].key) +
                "\r\n";
    }
    return text;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(ui::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

TEST(KeysSaveTiming, BatchNextToPlatformWrites) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string batchPath = std::string(folder) + "corvel-keys-timing-batch.cfg";
    const std::string platformPath = std::string(folder) + "corvel-keys-timing-platform.cfg";
    WriteBytes(batchPath, ExistingPrefsText());
    WriteBytes(platformPath, ExistingPrefsText());
    constexpr int kRuns = 20;

    keys::CommandCatalogue catalogue = keys::kDefaultCommands;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int run = 0; run < kRuns; ++run) {
        catalogue[40].key = run;  // every run changes the file
        ASSERT_TRUE(keys::SaveKeyAssignments(catalogue, batchPath).ok());
    }
    QueryPerformanceCounter(&end);
    const double batchSeconds = Seconds(start, end) / kRuns;

    QueryPerformanceCounter(&start);
    for (int run = 0; run < kRuns; ++run) {
        catalogue[40].key = run;
        for (const profile::Entry& entry : keys::KeyAssignmentEntries(catalogue)) {
            WritePrivateProfileStringA(entry.section.c_str(), entry.key.c_str(),
                                       entry.value.c_str(), platformPath.c_str());
        }
    }
    QueryPerformanceCounter(&end);
    const double platformSeconds = Seconds(start, end) / kRuns;

    std::printf(
        "[Keys] save of 182 entries into an existing Prefs.cfg (mean of %d runs):\n"
        "  batch write (SaveKeyAssignments): %9.3f ms\n"
        "  WritePrivateProfileStringA x 182: %9.3f ms\n"
        "  ratio: %.1f times faster\n",
        kRuns, batchSeconds * 1000, platformSeconds * 1000, platformSeconds / batchSeconds);
    DeleteFileA(batchPath.c_str());
    DeleteFileA(platformPath.c_str());
}

}  // namespace

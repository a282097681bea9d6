// A folder the user may not write in: the copy of the file as it was
// cannot be kept, so the save is refused, the file is left as it was, and
// the message tells the user what to do. The folder is made
// unwritable by locked_folder.sh (immutable, which holds even for root).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "options/configuration_dialog.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(AccessDenied, AFolderWithoutWritePermissionIsReportedWithAdvice) {
    const char* folder = std::getenv("CORVEL_LOCKED_FOLDER");
    if (!folder) {
        GTEST_SKIP() << "run through locked_folder.sh";
    }
    std::string windowsFolder = std::string("Z:") + folder;
    for (char& c : windowsFolder) {
        c = c == '/' ? '\\' : c;
    }
    const std::string prefsPath = windowsFolder + "\\Prefs.cfg";
    const std::string before = ReadBytes(prefsPath);
    ASSERT_FALSE(before.empty());

    bool saved = true;
    options::ConfigurationMemory memory;
    auto boxes = testui::AnswerMessageBoxes(
        [&] { saved = options::RunConfiguration(nullptr, prefsPath, memory); },
        [](HWND configuration) {
            testui::Click(configuration, IDC_CFG_IMPERIAL);
            testui::Click(configuration, IDOK);
            // The save failed: the dialog is still open.
            EXPECT_TRUE(IsWindowVisible(configuration));
            testui::Click(configuration, IDCANCEL);
        });
    EXPECT_FALSE(saved);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_EQ(boxes[0].text, std::string(msg::kConfigurationNotSaved) + prefsPath + "\n\n" +
                                 msg::kOriginalNotKeptAdvice);
    EXPECT_EQ(ReadBytes(prefsPath), before);
}

}  // namespace

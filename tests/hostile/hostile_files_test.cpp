// Every tool's read and save over files a user or another program could leave: the save gives its
// golden file (CORVEL_WRITE_GOLDEN=1 writes them anew) and reads back, or is refused and leaves the
// file byte for byte. Files that cannot be replaced (too large, held, a folder) are Wine's.
#include <gtest/gtest.h>

#include <functional>

#include "keys/key_assignments.h"
#include "options/option_store.h"
#include "payload/payload_file.h"
#include "platform/files.h"
#include "platform/ini_text.h"
#include "tests/hostile/tool_files.h"
#include "tests/support/data_rows.h"

namespace {

namespace fs = std::filesystem;
using hostile::Tool;

// As a tool's dialog opens and saves, with no change made.
files::Status OpenAndSave(Tool tool, const std::string& path) {
    if (tool == Tool::LoadManager) {
        const AircraftSpec& a320 = Aircraft(AircraftType::A320);
        return payload::WritePayload(path, payload::ReadPayload(path, a320), a320);
    }
    if (tool == Tool::Configuration) {
        OptionValues values;
        options::ReadCommonOptions(values, path);
        return options::WriteCommonOptions(values, path);
    }
    keys::CommandCatalogue catalogue = keys::kDefaultCommands;
    keys::LoadKeyAssignments(catalogue, path);
    return keys::SaveKeyAssignments(catalogue, path);
}

std::string Golden(Tool tool, const std::string& name, const std::string& saved) {
    const char* const folders[] = {"load_manager", "configuration", "key_assignments"};
    const fs::path golden = fs::path(CORVEL_SOURCE_DIR "/tests/data/hostile_saved") /
                            folders[static_cast<int>(tool)] / name;
    if (test_data::WritingGolden()) {
        fs::create_directories(golden.parent_path());
        std::ofstream(golden, std::ios::binary) << saved;
    }
    return test_data::FileBytes(golden);
}

// A second opening and save must read back what the first wrote.
void EveryToolOn(const std::string& bytes,
                 const std::function<std::string(Tool, const std::string& saved)>& expected) {
    const test_data::TempFolder dir;
    const fs::path file = fs::path(dir) / "file.cfg";
    const std::string path = dir + "\\file.cfg";
    for (Tool tool : hostile::kFileTools) {
        SCOPED_TRACE(hostile::ToolName(tool));
        std::ofstream(file, std::ios::binary) << bytes;
        fs::remove(fs::path(dir) / "file.cfg.original");
        const files::Status status = OpenAndSave(tool, path);
        const std::string after = test_data::FileBytes(file);
        if (bytes.size() > files::kMaxFileBytes || !ini::CheckContent(bytes).empty()) {
            EXPECT_EQ(files::ErrorName(status.error), files::ErrorName(files::Error::Unsupported));
            EXPECT_TRUE(after == bytes) << "a refused file was changed";
        } else {
            EXPECT_TRUE(status.ok()) << status.reason;
            EXPECT_TRUE(after == expected(tool, after)) << "the save differs from its golden file";
            EXPECT_TRUE(OpenAndSave(tool, path).ok());
            EXPECT_TRUE(test_data::FileBytes(file) == after)
                << "a second opening shows other values";
        }
        const bool changed = after != bytes;
        EXPECT_TRUE(test_data::FileBytes(fs::path(dir) / "file.cfg.original") ==
                    (changed ? bytes : std::string()));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), changed ? 2 : 1)
            << "a temporary was left";
    }
}

class HostileFiles : public testing::TestWithParam<std::string> {};

TEST_P(HostileFiles, EveryToolSavesOnlyItsLinesOrRefuses) {
    const std::string name = GetParam();
    const std::string bytes = hostile::CorpusBytes(name);
    ASSERT_TRUE(!bytes.empty() || name.find("empty") != std::string::npos);
    EveryToolOn(bytes,
                [&](Tool tool, const std::string& saved) { return Golden(tool, name, saved); });
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostileFiles,
                         testing::ValuesIn(test_data::FolderNames(CORVEL_SOURCE_DIR
                                                                  "/tests/data/hostile")));

// After ten megabytes with no line break, a tool's section goes as into an empty file.
TEST_F(HostileFiles, TenMegabytesOnOneLine) {
    const std::string megabytes(10 * 1024 * 1024, 'x');
    EveryToolOn(megabytes, [&](Tool tool, const std::string&) {
        const std::string empty = Golden(tool, "prefs_empty.cfg", "");
        return megabytes + "\r\n" + empty.substr(0, empty.size() - 2);
    });
}

}  // namespace

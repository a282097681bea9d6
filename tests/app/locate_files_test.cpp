// The folder search over the registries and folders of tests/data/simulator_search.tsv; About.
#include "app/about_text.h"
#include "app/locate_files.h"
#include "platform/full_path.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/data_rows.h"

namespace {

TEST(LocateFiles, FindsTheFolderAndSaysHow) {
    auto rows = test_data::Rows("simulator_search.tsv");
    std::map<std::string, std::string> names;  // the table's short names for long values
    for (; rows.front()[0] == "name"; rows.erase(rows.begin())) {
        names[rows.front()[1]] = rows.front()[2];
    }
    const auto Field = [&names](const std::string& text) {
        return names.count(text) ? names.at(text) : text;
    };
    for (auto c = rows.begin(); c != rows.end(); ++c) {
        ASSERT_EQ((*c)[0], "case");
        SCOPED_TRACE((*c)[1]);
        const auto registry =
            std::find_if(c + 1, rows.end(), [](auto& r) { return r[0] != "reg"; });
        std::set<std::string> usable;
        for (const std::string& folder : test_data::Fields((*c)[2], '|')) {
            usable.insert(Field(folder));
        }
        const SearchEnvironment environment{
            (*c)[3] == "-" ? std::nullopt : std::optional<std::string>((*c)[3]),
            "D:\\Cur\\Norvane\\Corvel", "E:\\Prog\\Norvane\\Corvel",
            [&](const RegistryValueName& value, registry::View view) -> std::optional<std::string> {
                for (auto r = c + 1; r != registry; ++r) {
                    if ((*r)[1] == (value.root == registry::Root::LocalMachine ? "HKLM" : "HKCU") &&
                        (*r)[2] == value.key && (*r)[3] == value.name &&
                        (*r)[4] == (view == registry::View::Bits32 ? "32" : "64")) {
                        return Field((*r)[5]);
                    }
                }
                return std::nullopt;
            },
            [&](const std::string& folder) { return usable.count(folder) > 0; }};

        const SimulatorLocation location = FindSimulator(environment);
        EXPECT_EQ(location.simFolder, Field((*c)[4]));
        EXPECT_EQ(location.prefsPath, Field((*c)[4]) + "\\Norvane\\Corvel\\Prefs.cfg");
        EXPECT_EQ(DescribeOrigin(location), (*c)[5]);
        c = registry - 1;
    }
}

TEST(AboutText, FullPaths) {
    for (const test_data::Row& row : test_data::Rows("full_paths.tsv")) {
        EXPECT_EQ(files::FullPathText(row.at(0)), row.at(1));
    }
}

TEST(AboutText, NamesTheFolderHowItWasFoundAndEachFile) {
    const AboutFacts facts{"1.2.3",
                           "E:\\Sim\\Norvane\\Corvel\\..\\..",
                           "two levels above the program's folder E:\\Sim\\Norvane\\Corvel",
                           "E:\\Sim\\Norvane\\Corvel\\..\\..\\Norvane\\Corvel\\Prefs.cfg",
                           false,
                           {{"A318", "E:\\Sim\\Norvane\\Corvel\\..\\..\\A318.cfg", true},
                            {"A319 IAE", "C:\\A319IAE.cfg", false}}};
    EXPECT_EQ(AboutText(facts),
              test_data::FileBytes(CORVEL_SOURCE_DIR "/tests/data/app/about.txt"));
}

}  // namespace

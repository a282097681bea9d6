// The simulator folder search, over a registry and a file system given as
// the tables of tests/data/simulator_search.tsv.
#include "app/locate_files.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "tests/support/data_rows.h"

namespace {

// A field of the table, its short names for long values written out.
std::string Field(const std::string& text) {
    std::string cyrillic;
    for (int i = 0; i < 499; ++i) {
        cyrillic += "\xD0\x96";  // U+0416, two bytes
    }
    const std::map<std::string, std::string> names = {
        {"{cwd}", "D:\\Cur\\Norvane\\Corvel\\..\\.."},
        {"{program}", "E:\\Prog\\Norvane\\Corvel\\..\\.."},
        {"{empty}", ""},
        {"{long500}", "C:\\" + std::string(497, 'x')},
        {"{cyrillic499}", cyrillic}};
    auto name = names.find(text);
    return name == names.end() ? text : name->second;
}

struct Case {
    test_data::Row row;                    // name, usable, chosen, folder, found by
    std::vector<test_data::Row> registry;  // root, key, value, view, data
};

void Check(const Case& c) {
    SCOPED_TRACE(c.row[1]);
    SearchEnvironment environment;
    if (c.row[3] != "-") {
        environment.chosenFolder = c.row[3];
    }
    environment.currentDirectory = "D:\\Cur\\Norvane\\Corvel";
    environment.programFolder = "E:\\Prog\\Norvane\\Corvel";
    environment.readRegistry = [&](const RegistryValueName& value,
                                   registry::View view) -> std::optional<std::string> {
        for (const test_data::Row& r : c.registry) {
            if (r[1] == (value.root == registry::Root::LocalMachine ? "HKLM" : "HKCU") &&
                r[2] == value.key && r[3] == value.name &&
                r[4] == (view == registry::View::Bits32 ? "32" : "64")) {
                return Field(r[5]);
            }
        }
        return std::nullopt;
    };
    std::set<std::string> usable;
    std::istringstream list(c.row[2]);
    for (std::string folder; std::getline(list, folder, '|');) {
        usable.insert(Field(folder));
    }
    environment.isUsable = [&](const std::string& folder) { return usable.count(folder) > 0; };

    SimulatorLocation location = FindSimulator(environment);
    EXPECT_EQ(location.simFolder, Field(c.row[4]));
    EXPECT_EQ(location.prefsPath, Field(c.row[4]) + "\\Norvane\\Corvel\\Prefs.cfg");
    EXPECT_EQ(DescribeOrigin(location), c.row[5]);
}

TEST(LocateFiles, FindsTheFolderAndSaysHow) {
    std::vector<Case> cases;
    for (const test_data::Row& row : test_data::Rows("simulator_search.tsv")) {
        if (row[0] == "case") {
            cases.push_back({row, {}});
        } else {
            ASSERT_FALSE(cases.empty());
            cases.back().registry.push_back(row);
        }
    }
    ASSERT_EQ(cases.size(), 24u);
    for (const Case& c : cases) {
        Check(c);
    }
}

}  // namespace

// The simulator folder search, over a registry and a file system given as
// tables.
#include "app/locate_files.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using registry::Root;
using registry::View;

struct Entry {
    Root root;
    std::string key;
    std::string name;
    View view;
    std::string data;
};

const std::string kBoxed = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";
const std::string kBoxedUser = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";
const std::string kSteam = "SOFTWARE\\Dovetail Games\\FSX\\10.0";
const std::string kSteamUser =
    "Software\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition\\10.0";
const std::string kP3d = "SOFTWARE\\Lockheed Martin\\Prepar3D";
const std::string kP3dUser = "Software\\Lockheed Martin\\Prepar3D";

Entry SetupPath(View view, std::string data) {
    return {Root::LocalMachine, kBoxed, "SetupPath", view, std::move(data)};
}

const std::string kCwd = "D:\\Cur\\Norvane\\Corvel";
const std::string kCwdSim = kCwd + "\\..\\..";
const std::string kProgSim = "E:\\Prog\\Norvane\\Corvel\\..\\..";
const std::string kUnusable =
    "; it holds none of the aircraft folders and no Norvane\\Corvel folder";
const std::string kLong = "C:\\" + std::string(497, 'x');  // 500 characters
std::string Cyrillic(int characters) {
    std::string text;
    for (int i = 0; i < characters; ++i) {
        text += "\xD0\x96";  // U+0416, two bytes
    }
    return text;
}

struct SearchCase {
    const char* name;
    std::vector<Entry> registry;
    std::set<std::string> usable;
    std::optional<std::string> chosen;
    std::string folder;
    std::string foundBy;
};

const SearchCase kCases[] = {
    {"NothingRegistered", {}, {}, {}, kCwdSim, "two levels above the working folder" + kUnusable},
    {"SetupPathAsStored",
     {SetupPath(View::Bits32, "C:\\Sim\\")},
     {"C:\\Sim\\"},
     {},
     "C:\\Sim\\",
     "the registry value HKEY_LOCAL_MACHINE\\" + kBoxed + "\\SetupPath (32-bit view)"},
    {"The32BitViewFirst",
     {SetupPath(View::Bits64, "C:\\Sim64"), SetupPath(View::Bits32, "C:\\Sim32")},
     {"C:\\Sim64", "C:\\Sim32"},
     {},
     "C:\\Sim32",
     "the registry value HKEY_LOCAL_MACHINE\\" + kBoxed + "\\SetupPath (32-bit view)"},
    {"NativeViewAlone",
     {SetupPath(View::Bits64, "C:\\Sim64")},
     {"C:\\Sim64"},
     {},
     "C:\\Sim64",
     "the registry value HKEY_LOCAL_MACHINE\\" + kBoxed + "\\SetupPath (64-bit view)"},
    {"UnusableSetupPathStandsWhenNothingElseIs",
     {SetupPath(View::Bits32, "C:\\Old"),
      {Root::LocalMachine, kSteam, "Install_Path", View::Bits32, "C:\\Gone"}},
     {},
     {},
     "C:\\Old",
     "the registry value HKEY_LOCAL_MACHINE\\" + kBoxed + "\\SetupPath (32-bit view)" + kUnusable},
    {"EmptySetupPathStands",
     {SetupPath(View::Bits32, "")},
     {},
     {},
     "",
     "the registry value HKEY_LOCAL_MACHINE\\" + kBoxed + "\\SetupPath (32-bit view)" + kUnusable},
    {"SetupPathOver499CharactersCountsAsMissing",
     {SetupPath(View::Bits32, kLong)},
     {kLong, kCwdSim},
     {},
     kCwdSim,
     "two levels above the working folder"},
    {"LimitCountsCharactersNotBytes",
     {SetupPath(View::Bits32, Cyrillic(499))},
     {},
     {},
     Cyrillic(499),
     "the registry value HKEY_LOCAL_MACHINE\\" + kBoxed + "\\SetupPath (32-bit view)" + kUnusable},
    {"UsableWorkingFolderBeatsTheOtherSources",
     {{Root::LocalMachine, kSteam, "Install_Path", View::Bits32, "C:\\Steam"}},
     {kCwdSim, kProgSim, "C:\\Steam"},
     {},
     kCwdSim,
     "two levels above the working folder"},
    {"ProgramFolderFirstOfTheOthers",
     {SetupPath(View::Bits32, "C:\\Old"),
      {Root::LocalMachine, kSteam, "Install_Path", View::Bits32, "C:\\Steam"}},
     {kProgSim, "C:\\Steam"},
     {},
     kProgSim,
     "two levels above the program's folder"},
    {"BoxedUserAppPath",
     {{Root::CurrentUser, kBoxedUser, "AppPath", View::Bits32, "C:\\Boxed\\"}},
     {"C:\\Boxed\\"},
     {},
     "C:\\Boxed\\",
     "the registry value HKEY_CURRENT_USER\\" + kBoxedUser + "\\AppPath"},
    {"SteamInstallPath32",
     {{Root::LocalMachine, kSteam, "Install_Path", View::Bits32, "C:\\Steam"}},
     {"C:\\Steam"},
     {},
     "C:\\Steam",
     "the registry value HKEY_LOCAL_MACHINE\\" + kSteam + "\\Install_Path (32-bit view)"},
    {"SteamInstallPath64",
     {{Root::LocalMachine, kSteam, "Install_Path", View::Bits64, "C:\\Steam"}},
     {"C:\\Steam"},
     {},
     "C:\\Steam",
     "the registry value HKEY_LOCAL_MACHINE\\" + kSteam + "\\Install_Path (64-bit view)"},
    {"SteamUserAppPath",
     {{Root::CurrentUser, kSteamUser, "AppPath", View::Bits32, "C:\\SteamUser"}},
     {"C:\\SteamUser"},
     {},
     "C:\\SteamUser",
     "the registry value HKEY_CURRENT_USER\\" + kSteamUser + "\\AppPath"},
    {"Prepar3DUser",
     {{Root::CurrentUser, kP3dUser, "AppPath", View::Bits32, "C:\\P3D"}},
     {"C:\\P3D"},
     {},
     "C:\\P3D",
     "the registry value HKEY_CURRENT_USER\\" + kP3dUser + "\\AppPath"},
    {"Prepar3DMachine",
     {{Root::LocalMachine, kP3d, "SetupPath", View::Bits64, "C:\\P3D"}},
     {"C:\\P3D"},
     {},
     "C:\\P3D",
     "the registry value HKEY_LOCAL_MACHINE\\" + kP3d + "\\SetupPath (64-bit view)"},
    {"Prepar3Dv2User",
     {{Root::CurrentUser, kP3dUser + " v2", "AppPath", View::Bits32, "C:\\P3Dv2"}},
     {"C:\\P3Dv2"},
     {},
     "C:\\P3Dv2",
     "the registry value HKEY_CURRENT_USER\\" + kP3dUser + " v2\\AppPath"},
    {"Prepar3Dv2Machine",
     {{Root::LocalMachine, kP3d + " v2", "SetupPath", View::Bits32, "C:\\P3Dv2"}},
     {"C:\\P3Dv2"},
     {},
     "C:\\P3Dv2",
     "the registry value HKEY_LOCAL_MACHINE\\" + kP3d + " v2\\SetupPath (32-bit view)"},
    {"Prepar3Dv3User",
     {{Root::CurrentUser, kP3dUser + " v3", "AppPath", View::Bits32, "C:\\P3Dv3"}},
     {"C:\\P3Dv3"},
     {},
     "C:\\P3Dv3",
     "the registry value HKEY_CURRENT_USER\\" + kP3dUser + " v3\\AppPath"},
    {"Prepar3Dv3Machine",
     {{Root::LocalMachine, kP3d + " v3", "SetupPath", View::Bits32, "C:\\P3Dv3"}},
     {"C:\\P3Dv3"},
     {},
     "C:\\P3Dv3",
     "the registry value HKEY_LOCAL_MACHINE\\" + kP3d + " v3\\SetupPath (32-bit view)"},
    {"UsableSetupPathBeatsEveryOtherSource",
     {SetupPath(View::Bits64, "C:\\Sim"),
      {Root::CurrentUser, kBoxedUser, "AppPath", View::Bits32, "C:\\Boxed"},
      {Root::LocalMachine, kSteam, "Install_Path", View::Bits32, "C:\\Steam"},
      {Root::CurrentUser, kP3dUser, "AppPath", View::Bits32, "C:\\P3D"}},
     {"C:\\Sim", kProgSim, "C:\\Boxed", "C:\\Steam", "C:\\P3D"},
     {},
     "C:\\Sim",
     "the registry value HKEY_LOCAL_MACHINE\\" + kBoxed + "\\SetupPath (64-bit view)"},
    {"FirstUsableInOrderSkippingUnusableTooLongAndEmpty",
     {SetupPath(View::Bits32, "C:\\Old"),
      {Root::CurrentUser, kBoxedUser, "AppPath", View::Bits32, "C:\\Gone"},
      {Root::LocalMachine, kSteam, "Install_Path", View::Bits32, kLong},
      {Root::CurrentUser, kSteamUser, "AppPath", View::Bits32, ""},
      {Root::CurrentUser, kP3dUser + " v3", "AppPath", View::Bits32, "C:\\P3Dv3"},
      {Root::LocalMachine, kP3d + " v2", "SetupPath", View::Bits64, "C:\\P3Dv2"}},
     {kLong, "", "C:\\P3Dv3", "C:\\P3Dv2"},
     {},
     "C:\\P3Dv2",
     "the registry value HKEY_LOCAL_MACHINE\\" + kP3d + " v2\\SetupPath (64-bit view)"},
    {"ChoiceBeatsAUsableSetupPath",
     {SetupPath(View::Bits32, "C:\\Sim")},
     {"C:\\Sim", "F:\\Mine"},
     "F:\\Mine",
     "F:\\Mine",
     "chosen by you (\"Simulator folder...\" in the window menu)"},
    {"ChoiceStandsWhenItsFolderHasGone",
     {SetupPath(View::Bits32, "C:\\Sim")},
     {"C:\\Sim"},
     "F:\\Gone",
     "F:\\Gone",
     "chosen by you (\"Simulator folder...\" in the window menu)" + kUnusable},
};

void PrintTo(const SearchCase& c, std::ostream* out) {
    *out << c.name;
}

class Search : public testing::TestWithParam<SearchCase> {};

TEST_P(Search, FindsTheFolderAndSaysHow) {
    const SearchCase& c = GetParam();
    SearchEnvironment environment;
    environment.chosenFolder = c.chosen;
    environment.currentDirectory = kCwd;
    environment.programFolder = "E:\\Prog\\Norvane\\Corvel";
    environment.readRegistry = [&](const RegistryValueName& value,
                                   View view) -> std::optional<std::string> {
        for (const Entry& e : c.registry) {
            if (e.root == value.root && e.key == value.key && e.name == value.name &&
                e.view == view) {
                return e.data;
            }
        }
        return std::nullopt;
    };
    environment.isUsable = [&](const std::string& folder) { return c.usable.count(folder) > 0; };

    SimulatorLocation location = FindSimulator(environment);
    EXPECT_EQ(location.simFolder, c.folder);
    EXPECT_EQ(location.prefsPath, c.folder + "\\Norvane\\Corvel\\Prefs.cfg");
    EXPECT_EQ(DescribeOrigin(location), c.foundBy);
}

INSTANTIATE_TEST_SUITE_P(LocateFiles, Search, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

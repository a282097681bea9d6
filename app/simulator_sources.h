// Where the simulator folder can come from, in the order the program tries
// them (see locate_files.h), and where the user's own choice is kept.
#pragma once

#include "platform/registry.h"

enum class FolderOrigin {
    UserChoice,     // chosen in the main menu's window menu
    Registry,       // a registry value
    WorkingFolder,  // two levels above the current directory
    ProgramFolder,  // two levels above the program's .exe
};

struct RegistryValueName {
    registry::Root root;
    const char* key;
    const char* name;
};

struct FolderSource {
    FolderOrigin origin;
    RegistryValueName value;  // for FolderOrigin::Registry only
};

// The boxed simulator's own value: the first choice, with the working folder
// as its fallback.
constexpr RegistryValueName kSetupPath = {
    registry::Root::LocalMachine, "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0",
    "SetupPath"};

// Tried in this order when the first choice holds neither the aircraft nor
// the add-on: a shortcut that starts the program in another folder, then
// where other editions and the 32-bit simulators of the same family
// register. Every registry value is read in the 32-bit view first (these
// simulators are 32-bit programs), then in the native one.
constexpr FolderSource kFurtherSources[] = {
    {FolderOrigin::ProgramFolder, {}},
    {FolderOrigin::Registry,
     {registry::Root::CurrentUser, "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0",
      "AppPath"}},
    {FolderOrigin::Registry,
     {registry::Root::LocalMachine, "SOFTWARE\\Dovetail Games\\FSX\\10.0", "Install_Path"}},
    {FolderOrigin::Registry,
     {registry::Root::CurrentUser,
      "Software\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition\\10.0", "AppPath"}},
    {FolderOrigin::Registry,
     {registry::Root::CurrentUser, "Software\\Lockheed Martin\\Prepar3D", "AppPath"}},
    {FolderOrigin::Registry,
     {registry::Root::LocalMachine, "SOFTWARE\\Lockheed Martin\\Prepar3D", "SetupPath"}},
    {FolderOrigin::Registry,
     {registry::Root::CurrentUser, "Software\\Lockheed Martin\\Prepar3D v2", "AppPath"}},
    {FolderOrigin::Registry,
     {registry::Root::LocalMachine, "SOFTWARE\\Lockheed Martin\\Prepar3D v2", "SetupPath"}},
    {FolderOrigin::Registry,
     {registry::Root::CurrentUser, "Software\\Lockheed Martin\\Prepar3D v3", "AppPath"}},
    {FolderOrigin::Registry,
     {registry::Root::LocalMachine, "SOFTWARE\\Lockheed Martin\\Prepar3D v3", "SetupPath"}},
};

// The folder chosen by hand, per user; it wins over every source above
// until the user asks to find the folder automatically again.
constexpr RegistryValueName kChosenFolder = {registry::Root::CurrentUser,
                                             "Software\\Norvane\\Corvel Config", "SimulatorFolder"};

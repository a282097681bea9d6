// Every text the program shows in a message box, defined once.
#pragma once

namespace msg {

// Captions
constexpr const char kCaptionError[] = "ERROR";
constexpr const char kCaptionErrorKeys[] = "Error";  // the key capture dialog's own
constexpr const char kCaptionWarning[] = "WARNING";
constexpr const char kCaptionStatus[] = "Status";

// Start-up: the program computes with SSE2 so that its figures are exact on every machine
constexpr const char kNeedsSse2[] =
    "Corvel Config needs a processor with SSE2 (a Pentium 4, an Athlon 64 or any later "
    "processor). This processor has none, so the program cannot compute exact figures "
    "and will close.";

constexpr const char kNoCommonControls[] =
    "Windows' common controls (comctl32.dll) could not be loaded, so the program cannot show "
    "its windows and will close. Repair Windows (sfc /scannow), or reinstall Wine's prefix.";

// Main menu
constexpr const char kNotInstalled[] = "Sorry, this aircraft is not installed on your system";
constexpr const char kPayloadSaved[] =
    "The new payload has been saved in the aircraft file (aircraft.cfg).\n"
    "It will be taken into account next time the aircraft is loaded in FS.";
constexpr const char kConfigurationNote[] =
    "NOTE: Any change made in the configuration window will be taken into account\n"
    "           only next time the aircraft is loaded in Flight Simulator.";

// Main menu's window menu: its entries, and what choosing a folder can say
constexpr const char kMenuSimulatorFolder[] = "Simulator folder...";
constexpr const char kMenuFindAutomatically[] = "Find automatically";
constexpr const char kMenuHelp[] = "Help\tF1";
constexpr const char kMenuAbout[] = "About Corvel Config...";
constexpr const char kMenuRestoreOriginals[] = "Restore original files...";
constexpr const char kChooseFolderTitle[] =
    "Choose the simulator folder (the one that holds SimObjects)";
constexpr const char kNotASimulatorFolder[] =
    "This folder holds no SimObjects\\Airplanes folder, so it is not a simulator folder:\n";
constexpr const char kNotASimulatorFolderAdvice[] =
    "\n\nChoose the folder the simulator is installed in: the one that holds SimObjects.";
constexpr const char kFolderPathTooLong[] =
    "The folder's path is longer than 499 characters, more than the program can use:\n";
constexpr const char kChoiceNotStored[] =
    "Windows refused to store your choice in the registry (HKEY_CURRENT_USER\\Software\\Norvane"
    "\\Corvel Config), so nothing was changed.";
constexpr const char kChoiceNotRemoved[] =
    "Windows refused to remove your choice from the registry (HKEY_CURRENT_USER\\Software\\"
    "Norvane\\Corvel Config), so the chosen folder is still used.";
constexpr const char kFolderPickerFailed[] = "The folder picker could not be opened.";

// Help: the user guide, opened in the default browser (followed by its path)
constexpr const char kHelpMissing[] =
    "The user guide could not be found. It belongs in the docs folder beside the program: install "
    "the program again, or extract the zip again, to get it back. It was looked for here:\n";
constexpr const char kHelpNotOpened[] =
    "Windows could not open the user guide in a web browser. Make sure a web browser is "
    "installed and set as the default for .html files, or open the file yourself:\n";

// Load Manager (followed by the file's path)
constexpr const char kPayloadNotSaved[] =
    "The new payload could not be saved in the aircraft file (aircraft.cfg):\n";

// Fuel Planner
constexpr const char kMandatoryFields[] = "All the mandatory fields must be filled.";
constexpr const char kNotEnoughFuel[] = "This aircraft can not take enough fuel for this trip !!";
constexpr const char kValuesTooLarge[] = "The values entered are too large.";

// Configuration (the failures are followed by the file's path)
constexpr const char kColdAndDark[] =
    "The aircraft will be Cold & Dark\nnext time you load it in FS.";
constexpr const char kConfigurationNotSaved[] =
    "The configuration could not be saved in the preferences file:\n";
constexpr const char kColdAndDarkNotSaved[] =
    "The Cold & Dark request could not be saved in the preferences file:\n";

// Key Assignments (the failure is followed by the file's path)
constexpr const char kSelectCommandFirst[] = "Please select a command first.";
constexpr const char kAltNotAuthorized[] = "ALT modifier is not authorized, please use another.";
constexpr const char kKeysNotSaved[] =
    "The key assignments could not be saved in the preferences file:\n";

// Restore Original Files (the lists are of the files' names, one a line;
// the failure is followed by the file's path)
constexpr const char kCaptionRestore[] = "Restore Original Files";
constexpr const char kRestorePrompt[] =
    "Before its first change to each of these files, this program kept a copy of the file as it "
    "was. Tick the files to put back as they were, then press Restore.";
constexpr const char kNoOriginals[] =
    "No original is kept: this program has not changed an aircraft file or the preferences file "
    "yet, so there is nothing to restore.";
constexpr const char kTickFilesFirst[] = "Please tick the files to restore first.";
constexpr const char kRestoreConfirmation[] =
    "The files below will be put back as they were before this program first changed them. "
    "Every change made to them since will be lost:\n\n";
constexpr const char kRestoreQuestion[] = "\n\nRestore them?";
constexpr const char kRestored[] =
    "The files below are back as they were before this program first changed them. This will be "
    "taken into account next time the aircraft is loaded in FS:\n\n";
constexpr const char kNotRestored[] = "This file could not be restored, and was left as it was:\n";

// Second paragraph of a save failure when Windows denied access to the file.
constexpr const char kAccessDeniedAdvice[] =
    "Windows refused to let this program change the file. Run it as administrator, or give your "
    "user account write access to the simulator folder.";

// Second paragraph of a save failure for the files the program refuses to
// change, and for what stands in the way of a write.
constexpr const char kUnsupportedFileAdvice[] =
    "The file is not plain text that this program can change safely (it is saved as UTF-16, or "
    "holds NUL bytes), so it was left exactly as it was. Open it in a text editor, save it as "
    "ANSI or UTF-8 text, and try again.";
constexpr const char kTooLargeFileAdvice[] =
    "The file is larger than 64 MB, far larger than a real one, so it was left as it was. Restore "
    "it from a backup or reinstall the aircraft.";
constexpr const char kFolderInTheWayAdvice[] =
    "A folder stands where the file should be. Rename or remove that folder, and try again.";
constexpr const char kDiskFullAdvice[] =
    "The disk is full; the file was left as it was. Free some space on it, and try again.";
// Second paragraph of a save failure when the copy of the file as it was
// before this program's first change could not be made beside it.
constexpr const char kOriginalNotKeptAdvice[] =
    "Before its first change to a file, this program keeps a copy of the file as it was (its name "
    "followed by \".original\"), so that it can be restored. That copy could not be made, so "
    "nothing was saved and the file was left as it was. Make sure your user account may create "
    "files in the file's folder (run the program as administrator, or give your account write "
    "access to the simulator folder) and that the disk has free space, and try again.";

}  // namespace msg

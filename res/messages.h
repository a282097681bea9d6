// Every text the program shows in a message box, defined once.
#pragma once

namespace msg {

// Captions
constexpr const char kCaptionError[] = "ERROR";
constexpr const char kCaptionErrorKeys[] = "Error";  // the key capture dialog's own
constexpr const char kCaptionWarning[] = "WARNING";
constexpr const char kCaptionStatus[] = "Status";
constexpr const char kCaptionSetLoad[] = "Set Load";

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

// Set Load: the load manager's button; what it refuses (each followed by what the aircraft allows),
// what it warns of, and the question when a CG target is out of reach
constexpr const char kSetLoadButton[] = "Set load...";
constexpr const char kSetLoadNotAWholeNumber[] = ": type a whole number, in digits only.";
constexpr const char kSetLoadNotACg[] = "ZFW CG: type a number of % MAC, such as 30 or 30.5.";
constexpr const char kSetLoadNegative[] = ": a number of 0 or more, please.";
constexpr const char kSetLoadTooManyPassengers[] = "More passengers than seats: at most ";
constexpr const char kSetLoadCargoBeyondHolds[] = "More cargo than both holds take: at most ";
constexpr const char kSetLoadZfwBelowLoad[] =
    "A zero fuel weight below the empty aircraft and its passengers: at least ";
constexpr const char kSetLoadZfwBeyondReach[] =
    "A zero fuel weight beyond what the seats and holds carry: at most ";
constexpr const char kSetLoadCgOutOfReach[] = " is out of reach of these loads; the nearest is ";
constexpr const char kSetLoadAcceptNearest[] = "\n\nSet the load for the nearest CG instead?";
constexpr const char kSetLoadNoCg[] = "No CG target: ";
constexpr const char kSetLoadAboveMzfw[] =
    " above the MZFW: accepted, but over the aircraft's limit.";
constexpr const char kSetLoadFixFirst[] = "Please correct this first:\n\n";

// Fuel Planner
constexpr const char kMandatoryFields[] = "All the mandatory fields must be filled.";
constexpr const char kNotEnoughFuel[] = "This aircraft can not take enough fuel for this trip !!";
constexpr const char kValuesTooLarge[] = "The values entered are too large.";

// Flight plan: reading the OFP (a field's path below /OFP follows the field
// messages, then their ending)
constexpr const char kPlanTooLarge[] =
    "This file is larger than 4 MB, far larger than any flight plan (OFP), so it was not read.";
constexpr const char kPlanTooDeep[] =
    "This file nests its elements more than 64 levels deep, which no flight plan (OFP) does, so it "
    "was not read.";
constexpr const char kPlanNotOfp[] =
    "This is not a SimBrief flight plan (OFP): it is not XML whose root element is OFP. Save the "
    "plan from SimBrief in the XML format, or fetch it by your user name.";
constexpr const char kPlanServiceError[] = "SimBrief gave no flight plan. It answered:\n";
constexpr const char kPlanServiceAdvice[] =
    "\n\nCheck the user name or pilot ID, and that a flight plan was made for it.";
constexpr const char kPlanHttpError[] =
    "The flight-planning server answered with an error, so no flight plan was read. HTTP status: ";
constexpr const char kPlanUnknownUnits[] =
    "The flight plan gives its weights in a unit this program does not know (params/units must be "
    "kgs or lbs): ";
constexpr const char kPlanFieldMissing[] = "The flight plan gives no value for /OFP/";
constexpr const char kPlanFieldNotNumber[] = "The flight plan's value is not a number: /OFP/";
constexpr const char kPlanFieldNegative[] = "The flight plan's value is negative: /OFP/";
constexpr const char kPlanFieldBeyond[] =
    "The flight plan's value is beyond twice this aircraft's own limit: /OFP/";
constexpr const char kPlanFieldEnding[] =
    ".\n\nThe plan is damaged or was not made for this aircraft, so it was not used.";
// Flight plan: getting it (the buttons' texts set at run time first)
constexpr const char kUseKeptPlan[] = "Use the plan of ";  // "14:05, EGLL-LFPG"
constexpr const char kFetchPlan[] = "Fetch";
constexpr const char kFetchPlanAgain[] = "Fetch again";
constexpr const char kFetchingPlan[] = "Fetching the plan from SimBrief... (Cancel stops)";
constexpr const char kFromFlightPlan[] = "From flight plan...";
constexpr const char kOpenPlanTitle[] = "Open a flight plan saved from SimBrief (XML)";
constexpr const char kPlanFileTypes[] = "Flight plans (*.xml)";
constexpr const char kPlanNoUser[] = "Please type your SimBrief user name or pilot ID first.";
constexpr const char kPlanPilotIdDigits[] = "A SimBrief pilot ID is a number: digits only.";
constexpr const char kPlanNoAnswer[] =
    "SimBrief did not answer in time, so no flight plan was read. Check the Internet connection, "
    "and try again. Seconds waited: ";
constexpr const char kPlanFetchFailed[] =
    "The flight plan could not be fetched: the server could not be reached or the connection "
    "failed. Check the Internet connection (and the proxy settings), and try again. Windows "
    "error: ";
constexpr const char kPlanAnswerTooLarge[] =
    "The server's answer is larger than 4 MB, far larger than any flight plan (OFP), so it was not "
    "read.";
constexpr const char kPlanNoWinHttp[] =
    "Windows' HTTP service (winhttp.dll) could not be loaded, so the plan cannot be fetched. Open "
    "a "
    "saved plan (.xml) instead.";
constexpr const char kPlanFileNotRead[] = "The flight plan file could not be read:\n";
constexpr const char kPlanNameNotStored[] =
    "Windows refused to store the user name in the registry (HKEY_CURRENT_USER\\Software\\Norvane"
    "\\Corvel Config); the plan was read all the same.";
// "This flight plan is for an A321, but the A320 is selected. ..."
constexpr const char kPlanOtherTypeStart[] = "This flight plan is for the aircraft type ";
constexpr const char kPlanOtherTypeMiddle[] = ", but the selected aircraft is the ";
constexpr const char kPlanOtherTypeEnd[] =
    ".\nIts weights and fuel figures may not suit this aircraft.\n\nUse this plan anyway?";
// Flight plan into the load manager: notes beside the load it gives
constexpr const char kPlanPassengersCapped[] =
    "More passengers than seats: the seats are full, and the others' weight goes to the cargo.";
constexpr const char kPlanLoadFrom[] = "From the plan ";
constexpr const char kPlanLoadZfw[] = ": ZFW ";
constexpr const char kPlanLoadHere[] = " here, ";
constexpr const char kPlanLoadInPlan[] = " in the plan's estimate";
constexpr const char kPlanLoadSame[] = " here, as in the plan's estimate.";
constexpr const char kPlanLoadMore[] = " more here";
constexpr const char kPlanLoadLess[] = " less here";
constexpr const char kPlanLoadWhy[] = ": the two empty weights differ).";
constexpr const char kPlanNoCargo[] =
    "The plan's payload is below its passengers at 75 kg each: no cargo.";

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

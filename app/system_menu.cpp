#include "app/system_menu.h"

#include <shobjidl.h>

#include "app/about_dialog.h"
#include "app/help.h"
#include "app/locate_files.h"
#include "app/restore_originals_dialog.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/win32/controls.h"
#include "platform/win32/system_library.h"
#include "res/messages.h"
#include "res/resource.h"

namespace system_menu {

namespace {

bool HasChosenFolder() {
    return registry::ReadString(kChosenFolder.root, registry::View::Bits32, kChosenFolder.key,
                                kChosenFolder.name)
        .has_value();
}

// A check mark on the entry that says how the folder is found now.
void UpdateChecks(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    bool chosen = HasChosenFolder();
    CheckMenuItem(menu, IDM_SIMULATOR_FOLDER, MF_BYCOMMAND | (chosen ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, IDM_FIND_AUTOMATICALLY,
                  MF_BYCOMMAND | (chosen ? MF_UNCHECKED : MF_CHECKED));
}

void ShowError(HWND owner, const std::string& text) {
    ui::ShowMessage(owner, text, msg::kCaptionError, MB_ICONEXCLAMATION);
}

// The shell's item for a folder. The shell is loaded here, when the picker
// opens, rather than with the program: loading it at start-up is a good part
// of the main menu's start under Wine.
IShellItem* ShellItemFor(const std::string& folder) {
    using CreateItem = HRESULT(WINAPI*)(PCWSTR, IBindCtx*, REFIID, void**);
    const auto create =
        ui::SystemFunction<CreateItem>(L"shell32.dll", "SHCreateItemFromParsingName");
    IShellItem* item = nullptr;
    if (!create || FAILED(create(ui::Widen(folder).c_str(), nullptr, IID_PPV_ARGS(&item)))) {
        return nullptr;
    }
    return item;
}

// The folder picker, opened on the folder in use. False when the user
// cancelled or the picker could not be shown (then after a message).
bool PickFolder(HWND owner, const std::string& current, std::string* folder) {
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool picked = false;
    IFileOpenDialog* dialog = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&dialog)))) {
        ShowError(owner, msg::kFolderPickerFailed);
    } else {
        DWORD options = 0;
        dialog->GetOptions(&options);
        dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
        dialog->SetTitle(ui::Widen(msg::kChooseFolderTitle).c_str());
        if (IShellItem* start = files::FolderExists(current) ? ShellItemFor(current) : nullptr) {
            dialog->SetFolder(start);
            start->Release();
        }
        IShellItem* result = nullptr;
        if (SUCCEEDED(dialog->Show(owner)) && SUCCEEDED(dialog->GetResult(&result))) {
            PWSTR path = nullptr;
            if (SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
                *folder = ui::Narrow(path);
                picked = true;
                CoTaskMemFree(path);
            }
            result->Release();
        }
        dialog->Release();
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return picked;
}

void ChooseFolder(HWND window, const AppContext& context, const std::function<void()>& relocate) {
    std::string folder;
    if (PickFolder(window, context.simFolder, &folder) && UseChosenFolder(window, folder)) {
        relocate();
        UpdateChecks(window);
    }
}

void FindAutomatically(HWND window, const AppContext&, const std::function<void()>& relocate) {
    if (!registry::DeleteUserValue(kChosenFolder.key, kChosenFolder.name)) {
        ShowError(window, msg::kChoiceNotRemoved);
    }
    relocate();
    UpdateChecks(window);
}

void Help(HWND window, const AppContext&, const std::function<void()>&) {
    OpenUserGuide(window);
}

void About(HWND window, const AppContext& context, const std::function<void()>&) {
    ShowAbout(window, context);
}

void RestoreOriginals(HWND window, const AppContext& context, const std::function<void()>&) {
    RunRestoreOriginals(window, context.simFolder, context.prefsPath);
}

// The command of Wine's own "About Wine" entry in window menus.
constexpr UINT kWineAboutEntry = SC_SCREENSAVE + 1;

// The window menu's entries below the system's own, in order.
struct Entry {
    bool separatorBefore;
    const char* text;
    UINT id;
    void (*run)(HWND window, const AppContext& context, const std::function<void()>& relocate);
};
constexpr Entry kEntries[] = {
    {true, msg::kMenuSimulatorFolder, IDM_SIMULATOR_FOLDER, ChooseFolder},
    {false, msg::kMenuFindAutomatically, IDM_FIND_AUTOMATICALLY, FindAutomatically},
    {true, msg::kMenuHelp, IDM_HELP, Help},
    {false, msg::kMenuAbout, IDM_ABOUT, About},
    {true, msg::kMenuRestoreOriginals, IDM_RESTORE_ORIGINALS, RestoreOriginals},
};

}  // namespace

void AddEntries(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    // Wine adds an "About Wine" entry, after a separator, to every window
    // menu; the main menu's lists the program's own entries only. Windows
    // has no such entry, and the call then changes nothing.
    if (DeleteMenu(menu, kWineAboutEntry, MF_BYCOMMAND)) {
        const int last = GetMenuItemCount(menu) - 1;
        if (last >= 0 && (GetMenuState(menu, last, MF_BYPOSITION) & MF_SEPARATOR)) {
            DeleteMenu(menu, last, MF_BYPOSITION);
        }
    }
    for (const Entry& entry : kEntries) {
        if (entry.separatorBefore) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        }
        AppendMenuW(menu, MF_STRING, entry.id, ui::Widen(entry.text).c_str());
    }
    UpdateChecks(window);
}

bool OnSysCommand(HWND window, WPARAM command, const AppContext& context,
                  const std::function<void()>& relocate) {
    for (const Entry& entry : kEntries) {
        if ((command & 0xFFF0) == entry.id) {  // the system uses the low four bits
            entry.run(window, context, relocate);
            return true;
        }
    }
    return false;
}

bool UseChosenFolder(HWND owner, const std::string& folder) {
    if (!FitsFolderLimit(folder)) {
        ShowError(owner, msg::kFolderPathTooLong + folder);
        return false;
    }
    if (!files::FolderExists(folder + "\\SimObjects\\Airplanes")) {
        ShowError(owner, msg::kNotASimulatorFolder + folder + msg::kNotASimulatorFolderAdvice);
        return false;
    }
    if (!registry::WriteUserString(kChosenFolder.key, kChosenFolder.name, folder)) {
        ShowError(owner, msg::kChoiceNotStored);
        return false;
    }
    return true;
}

}  // namespace system_menu

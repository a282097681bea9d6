#include "tests/win32/hostile/tool_runs.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/app_context.h"
#include "payload/aircraft_files.h"
#include "platform/win32/controls.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/win32/support/ui_driver.h"

namespace hostile {

namespace {

namespace fs = std::filesystem;

fs::path Wide(const std::string& path) {
    return fs::path(ui::Widen(path));
}

int MenuButton(Tool tool) {
    switch (tool) {
        case Tool::LoadManager:
            return IDC_MENU_LOAD_MANAGER;
        case Tool::Configuration:
            return IDC_MENU_CONFIGURATION;
        case Tool::KeyAssignments:
            break;
    }
    return IDC_MENU_KEY_ASSIGNMENTS;
}

}  // namespace

const char* ToolName(Tool tool) {
    switch (tool) {
        case Tool::LoadManager:
            return "Load Manager";
        case Tool::Configuration:
            return "Configuration";
        case Tool::KeyAssignments:
            break;
    }
    return "Key Assignments";
}

ToolWrites WritesOf(Tool tool) {
    switch (tool) {
        case Tool::LoadManager:
            return PayloadWrites();
        case Tool::Configuration:
            return OptionWrites();
        case Tool::KeyAssignments:
            break;
    }
    return KeyWrites();
}

bool operator==(const Box& a, const Box& b) {
    return a.caption == b.caption && a.text == b.text && a.icon == b.icon;
}

void PrintTo(const Box& box, std::ostream* out) {
    *out << "[" << box.caption << "] " << box.text << " (icon " << box.icon << ")";
}

ToolRun RunTool(HWND menu, Tool tool) {
    ToolRun run;
    const auto boxes = testui::AnswerMessageBoxes(
        [&] { testui::Click(menu, MenuButton(tool)); },
        [&](HWND dialog) {
            if (testui::Text(dialog) == "Aircraft Selector") {
                testui::Click(dialog, IDC_SEL_A320);
                testui::Click(dialog, IDCANCEL);
                return;
            }
            run.opened = true;
            testui::Click(dialog, IDOK);
            if (IsWindow(dialog) && IsWindowVisible(dialog)) {
                testui::Click(dialog, IDCANCEL);  // a failed save keeps the dialog open
            }
        });
    for (const testui::MessageBoxInfo& box : boxes) {
        run.boxes.push_back({box.caption, box.text, box.icon});
    }
    return run;
}

std::vector<Box> SavedBoxes(Tool tool) {
    switch (tool) {
        case Tool::LoadManager:
            return {{msg::kCaptionWarning, msg::kPayloadSaved, MB_ICONINFORMATION}};
        case Tool::Configuration:
            return {{msg::kCaptionWarning, msg::kConfigurationNote, MB_ICONINFORMATION}};
        case Tool::KeyAssignments:
            break;
    }
    return {};
}

std::vector<Box> FailureBoxes(Tool tool, const std::string& path, files::Error error) {
    const files::Status status = files::Status::Fail(error, "");
    switch (tool) {
        case Tool::LoadManager:
            return {{msg::kCaptionError, msg::SaveFailure(msg::kPayloadNotSaved, path, status),
                     MB_ICONEXCLAMATION}};
        case Tool::Configuration:
            return {{msg::kCaptionError,
                     msg::SaveFailure(msg::kConfigurationNotSaved, path, status), MB_ICONERROR}};
        case Tool::KeyAssignments:
            break;
    }
    return {{msg::kCaptionError, msg::SaveFailure(msg::kKeysNotSaved, path, status), MB_ICONERROR}};
}

void SimFolder::Make(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    MakeAt(ui::Narrow(std::wstring(temp) + name + L"-" + std::to_wstring(GetCurrentProcessId())));
}

void SimFolder::MakeAt(const std::string& folder) {
    m_folder = folder;
    Remove();
    fs::create_directories(Wide(PathFor(Tool::LoadManager)).parent_path());
    fs::create_directories(Wide(PathFor(Tool::Configuration)).parent_path());
}

void SimFolder::UseInApp() const {
    App().simFolder = m_folder;
    App().prefsPath = PathFor(Tool::Configuration);
}

std::string SimFolder::PathFor(Tool tool) const {
    if (tool == Tool::LoadManager) {
        return AircraftFilePaths(AircraftType::A320, m_folder).base;
    }
    return m_folder + "\\Norvane\\Corvel\\Prefs.cfg";
}

void SimFolder::Remove() const {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(Wide(m_folder), ignored)) {
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    fs::remove_all(Wide(m_folder), ignored);
}

void PutBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(Wide(path), std::ios::binary) << bytes;
}

std::string GetBytes(const std::string& path) {
    std::ifstream in(Wide(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

size_t FilesIn(const std::string& path) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(Wide(path).parent_path()), {}));
}

}  // namespace hostile

// Running the three tools that edit files from the main menu, as a user
// does (choose the A320 where asked, press OK, and Cancel when a failed save
// keeps the dialog open), in a scratch simulator folder; and the message
// boxes each should show.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/file_status.h"
#include "tests/hostile/tool_files.h"

namespace hostile {

enum class Tool { LoadManager, Configuration, KeyAssignments };
constexpr Tool kFileTools[] = {Tool::LoadManager, Tool::Configuration, Tool::KeyAssignments};

const char* ToolName(Tool tool);
ToolWrites WritesOf(Tool tool);

struct Box {
    std::string caption;
    std::string text;
    UINT icon = 0;
};
bool operator==(const Box& a, const Box& b);
void PrintTo(const Box& box, std::ostream* out);

struct ToolRun {
    bool opened = false;  // the tool's dialog appeared
    std::vector<Box> boxes;
};
ToolRun RunTool(HWND menu, Tool tool);

// What a successful save shows, and what a save that failed with error does.
std::vector<Box> SavedBoxes(Tool tool);
std::vector<Box> FailureBoxes(Tool tool, const std::string& path, files::Error error);

// A simulator folder with the A320's folder and the add-on's folder in it.
class SimFolder {
  public:
    void Make(const std::wstring& name);  // in the temporary folder
    void MakeAt(const std::string& folder);
    void UseInApp() const;  // as LocateFiles would set it
    std::string PathFor(Tool tool) const;
    const std::string& path() const { return m_folder; }
    void Remove() const;

  private:
    std::string m_folder;  // UTF-8, no trailing backslash
};

void PutBytes(const std::string& path, const std::string& bytes);
std::string GetBytes(const std::string& path);
// The number of entries in the folder that holds path.
size_t FilesIn(const std::string& path);

}  // namespace hostile

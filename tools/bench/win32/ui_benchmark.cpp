// Whole-program figures: the time from process start to the main window
// being visible, and from a click to each tool being visible, for our
// program and for the minimal dialog program, which opens each tool's own
// template bare (tools/bench/win32/minimal_dialog.cpp); and the peak working
// set of each. Prints the median of each over the runs (and the shortest
// time, the largest working set), and for each of ours its ratio to the
// minimal program's: the median of the runs' own ratios.
//
//   ui_benchmark <folder> <program.exe> <minimal.exe> [runs] [--tsv] [--startup-only]
//
// --startup-only closes each program as soon as its main window is shown:
// many more starts in the same time, for the start-up figures alone.
//
// Both programs are started the same way, by CreateProcess from here with
// <folder> as their working folder, and alternate run by run after one
// warm-up run each. In each start every tool is opened twice, all four in
// turn and then all four again, on both sides by a click on the button with
// the same number: the first opening decodes the tool's pictures, the second
// is what the user sees from then on. A window counts as visible once it is
// shown and neither it nor any of its controls has a paint pending. A click
// is a BM_CLICK posted to the button, which the button handles as a mouse
// press and release. Load Manager and Fuel Planner show the Aircraft
// Selector first: their time runs from the click on the selector's button,
// the A320 chosen, to the tool visible; the selector's own time (its first
// and second opening in a start) is a figure of its own.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD kTimeoutMs = 8000;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Search {
    DWORD process;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t caption[128];
    if (process == search->process && IsWindowVisible(window) &&
        GetWindowTextW(window, caption, 128) && wcscmp(caption, search->caption) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindShown(DWORD process, const wchar_t* caption) {
    Search search{process, caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK NotePending(HWND window, LPARAM lParam) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

bool Painted(HWND window) {
    bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!pending) {
        EnumChildWindows(window, NotePending, reinterpret_cast<LPARAM>(&pending));
    }
    return !pending;
}

void ListWindows(DWORD process) {
    struct Lister {
        static BOOL CALLBACK Print(HWND window, LPARAM lParam) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t caption[128] = L"";
            if (owner == static_cast<DWORD>(lParam) && IsWindowVisible(window)) {
                GetWindowTextW(window, caption, 128);
                std::fprintf(stderr, "  a window \"%ls\" is shown\n", caption);
            }
            return TRUE;
        }
    };
    EnumWindows(Lister::Print, static_cast<LPARAM>(process));
}

// Waits until the window with this caption is visible and painted; returns
// it, and the milliseconds since start, or nullptr after the time-out.
HWND WaitShown(DWORD process, const wchar_t* caption, Clock::time_point start, double* ms) {
    for (;;) {
        HWND window = FindShown(process, caption);
        if (window && Painted(window)) {
            *ms = MsSince(start);
            return window;
        }
        if (MsSince(start) > kTimeoutMs) {
            std::fprintf(stderr, "ui_benchmark: no window \"%ls\" within %lu ms\n", caption,
                         kTimeoutMs);
            ListWindows(process);
            return nullptr;
        }
        Sleep(1);
    }
}

bool WaitGone(HWND window, HWND owner) {
    Clock::time_point start = Clock::now();
    while (IsWindow(window) || (owner && !IsWindowEnabled(owner))) {
        if (MsSince(start) > kTimeoutMs) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

void Click(HWND dialog, int id) {
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Cancel(HWND dialog) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

struct Tool {
    const char* figure;
    int button;  // the same number on our main menu and the minimal program's
    const wchar_t* caption;
    bool selector;  // the Aircraft Selector comes first
};

const Tool kTools[] = {
    {"configuration", IDC_MENU_CONFIGURATION, L"Configuration", false},
    {"load_manager", IDC_MENU_LOAD_MANAGER, L"A320 Load Manager", true},
    {"fuel_planner", IDC_MENU_FUEL_PLANNER, L"Fuel Planner", true},
    {"key_assignments", IDC_MENU_KEY_ASSIGNMENTS, L"Key Assignments", false},
};

// One of the two programs: the figures' names and its main window.
struct Side {
    const char* who;      // startup.<who>, memory.*.<who>
    const char* dialogs;  // <dialogs>.<tool>.first and .second
    const wchar_t* main;  // the main window's caption
    bool broken[std::size(kTools)];
};

Side g_ours{"ours", "dialog", L"FSX Corvel Config", {}};
Side g_minimal{"minimal", "bare", L"Minimal Dialog", {}};

using Samples = std::map<std::string, std::vector<double>>;

class Process {
  public:
    Process(const std::wstring& folder, const std::wstring& exe) {
        std::wstring command = L"\"" + exe + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        m_start = Clock::now();
        m_ok = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &m_info);
        if (!m_ok) {
            std::fprintf(stderr, "ui_benchmark: cannot start %ls (error %lu)\n", exe.c_str(),
                         GetLastError());
        }
    }
    ~Process() {
        if (!m_ok) {
            return;
        }
        if (WaitForSingleObject(m_info.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
            std::fprintf(stderr, "ui_benchmark: ending a program that did not close\n");
            TerminateProcess(m_info.hProcess, 1);
            WaitForSingleObject(m_info.hProcess, kTimeoutMs);
        }
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
    bool Ok() const { return m_ok; }
    DWORD Id() const { return m_info.dwProcessId; }
    Clock::time_point Start() const { return m_start; }
    void Kill() { TerminateProcess(m_info.hProcess, 1); }
    // Peak working set and private bytes so far, in MB.
    void NoteMemory(Samples& samples, const std::string& who) const {
        PROCESS_MEMORY_COUNTERS_EX counters{};
        counters.cb = sizeof counters;
        if (GetProcessMemoryInfo(m_info.hProcess,
                                 reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                 sizeof counters)) {
            samples["memory.peak_working_set." + who].push_back(
                static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0));
            // Wine does not count another process's private bytes.
            if (counters.PrivateUsage) {
                samples["memory.private." + who].push_back(
                    static_cast<double>(counters.PrivateUsage) / (1024.0 * 1024.0));
            }
        }
    }

  private:
    PROCESS_INFORMATION m_info{};
    Clock::time_point m_start;
    BOOL m_ok = FALSE;
};

// Opens one tool from the main menu and closes it again. `opening` is
// "first" or "second"; `selectors` counts the selector's openings so far.
bool OpenTool(DWORD process, HWND menu, const Tool& tool, const Side& side,
              const std::string& opening, int& selectors, Samples& samples) {
    const std::string prefix = std::string(side.dialogs) + ".";
    double ms = 0;
    Clock::time_point click = Clock::now();
    Click(menu, tool.button);
    if (tool.selector) {
        HWND selector = WaitShown(process, L"Aircraft Selector", click, &ms);
        if (!selector) {
            return false;
        }
        if (++selectors <= 2) {
            samples[prefix + "aircraft_selector." + (selectors == 1 ? "first" : "second")]
                .push_back(ms);
        }
        DWORD_PTR unused = 0;
        SendMessageTimeoutW(GetDlgItem(selector, IDC_SEL_A320), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG,
                            kTimeoutMs, &unused);
        click = Clock::now();
        Click(selector, IDCANCEL);  // "Select an aircraft..." closes it with the choice made
    }
    HWND window = WaitShown(process, tool.caption, click, &ms);
    if (!window) {
        return false;
    }
    samples[prefix + tool.figure + "." + opening].push_back(ms);
    Cancel(window);
    return WaitGone(window, menu);
}

// One start of a program: its start-up, and unless `startupOnly`, every
// tool opened twice and its memory.
void Run(const std::wstring& folder, const std::wstring& exe, Side& side, bool startupOnly,
         Samples& samples) {
    Process program(folder, exe);
    if (!program.Ok()) {
        return;
    }
    double ms = 0;
    HWND menu = WaitShown(program.Id(), side.main, program.Start(), &ms);
    if (!menu) {
        program.Kill();
        return;
    }
    samples[std::string("startup.") + side.who].push_back(ms);
    if (startupOnly) {
        Cancel(menu);
        return;
    }
    int selectors = 0;
    for (const char* opening : {"first", "second"}) {
        for (size_t i = 0; i < std::size(kTools); ++i) {
            if (side.broken[i]) {
                continue;
            }
            if (!OpenTool(program.Id(), menu, kTools[i], side, opening, selectors, samples)) {
                std::fprintf(stderr, "ui_benchmark: %s.%s left out from now on\n", side.dialogs,
                             kTools[i].figure);
                side.broken[i] = true;
                program.Kill();
                return;
            }
        }
    }
    program.NoteMemory(samples, side.who);
    Cancel(menu);
}

// The minimal program's figure that goes with one of ours ("" for none).
std::string OtherSide(const std::string& figure) {
    for (const auto& [ours, minimal] : {std::pair<std::string, std::string>{"dialog.", "bare."},
                                        {"startup.ours", "startup.minimal"}}) {
        if (figure.rfind(ours, 0) == 0) {
            return minimal + figure.substr(ours.size());
        }
    }
    return "";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const wchar_t* usage =
        L"usage: ui_benchmark <folder> <program.exe> <minimal.exe> [runs] [--tsv] "
        L"[--startup-only]\n";
    if (argc < 4) {
        std::fprintf(stderr, "%ls", usage);
        return 2;
    }
    const std::wstring folder = argv[1];
    int runs = 7;
    bool tsv = false;
    bool startupOnly = false;
    for (int i = 4; i < argc; ++i) {
        if (wcscmp(argv[i], L"--tsv") == 0) {
            tsv = true;
        } else if (wcscmp(argv[i], L"--startup-only") == 0) {
            startupOnly = true;
        } else if (_wtoi(argv[i]) > 0) {
            runs = _wtoi(argv[i]);
        } else {
            std::fprintf(stderr, "%ls", usage);
            return 2;
        }
    }

    Samples warmUp;
    Run(folder, argv[2], g_ours, startupOnly, warmUp);
    Run(folder, argv[3], g_minimal, startupOnly, warmUp);
    Samples samples;
    Samples ratios;  // ours over the minimal program, run by run
    for (int run = 0; run < runs; ++run) {
        Samples pair;
        Run(folder, argv[2], g_ours, startupOnly, pair);
        Run(folder, argv[3], g_minimal, startupOnly, pair);
        for (const auto& [figure, values] : pair) {
            samples[figure].insert(samples[figure].end(), values.begin(), values.end());
            const std::string other = OtherSide(figure);
            if (!other.empty() && pair.count(other) && values.size() == 1 &&
                pair[other].size() == 1 && pair[other][0] > 0) {
                ratios[figure].push_back(values[0] / pair[other][0]);
            }
        }
    }
    // The machine may run at one speed for some starts and at another for
    // the next ones (a shared virtual machine does), so the figures are the
    // medians, and each ratio is the median of the runs' own ratios: ours
    // next to the minimal program started just after it, at the same speed.
    // The shortest run and the largest working set are listed too.
    for (const auto& [figure, values] : samples) {
        const bool memory = figure.rfind("memory.", 0) == 0;
        const double extreme = memory ? *std::max_element(values.begin(), values.end())
                                      : *std::min_element(values.begin(), values.end());
        if (tsv) {
            std::printf("ui.%s\t%.1f\t%s\t%.1f\t%zu\n", figure.c_str(), Median(values),
                        memory ? "MB" : "ms", extreme, values.size());
        } else {
            std::printf("%-34s %8.1f %s  (%s %.1f of %zu runs)\n", figure.c_str(), Median(values),
                        memory ? "MB" : "ms", memory ? "largest" : "shortest", extreme,
                        values.size());
        }
    }
    for (const auto& [figure, values] : ratios) {
        std::printf(tsv ? "ui.ratio.%s\t%.3f\tx\t%.3f\t%zu\n"
                        : "ratio %-28s %8.2f x  (lowest %.2f of %zu runs)\n",
                    figure.c_str(), Median(values), *std::min_element(values.begin(), values.end()),
                    values.size());
    }
    return samples.count("startup.ours") && samples.count("startup.minimal") ? 0 : 1;
}

// Start-up benchmark driver (Windows, run under Wine): starts several programs in turn, many
// times, and measures for each the time from CreateProcess to the moment its window, found by
// caption, is visible. Each program is closed (WM_CLOSE) before the next start. Prints every
// program's best and median times and the ratio of the first program's best time to each
// other's.
//
//   startup_timer.exe RUNS FOLDER PROGRAM CAPTION BASELINE-PROGRAM BASELINE-CAPTION [...]
//
// Every wait is bounded. Exit status 0 when every start showed its window, 1 otherwise.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const DWORD kWindowWaitMs = 30000;
const DWORD kExitWaitMs = 15000;
const int kWarmUpRuns = 2; // the first starts fill the file cache and Wine's own caches

struct Measured {
    std::string exe;
    std::string caption;
    std::vector<double> ms;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)(to.QuadPart - from.QuadPart) / (double)frequency.QuadPart;
}

HWND FindVisibleWindow(DWORD processId, const char *caption) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, nullptr, caption)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

void EndProgram(PROCESS_INFORMATION *process, HWND window) {
    if (window) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process->hProcess, kExitWaitMs) != WAIT_OBJECT_0) {
        TerminateProcess(process->hProcess, 99);
        WaitForSingleObject(process->hProcess, kExitWaitMs);
    }
    CloseHandle(process->hProcess);
    CloseHandle(process->hThread);
}

// Milliseconds from CreateProcess to a visible window, or a negative number when none came.
double TimeOneStart(const Measured &program, const char *folder) {
    STARTUPINFOA startup;
    memset(&startup, 0, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    memset(&process, 0, sizeof(process));
    std::string commandLine = "\"" + program.exe + "\"";
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder, &startup, &process)) {
        return -1;
    }
    HWND window = nullptr;
    DWORD waitStart = GetTickCount();
    while ((window = FindVisibleWindow(process.dwProcessId, program.caption.c_str())) == nullptr &&
           GetTickCount() - waitStart < kWindowWaitMs) {
        Sleep(1);
    }
    QueryPerformanceCounter(&now);
    EndProgram(&process, window);
    return window ? 1000.0 * Seconds(start, now) : -1;
}

const char *BaseName(const std::string &path) {
    size_t slash = path.find_last_of("\\/");
    return path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

double Best(std::vector<double> values) {
    return *std::min_element(values.begin(), values.end());
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 7 || (argc - 3) % 2 != 0 || atoi(argv[1]) <= 0) {
        fprintf(stderr, "usage: startup_timer RUNS FOLDER PROGRAM CAPTION BASELINE-PROGRAM "
                        "BASELINE-CAPTION [...]\n");
        return 2;
    }
    int runs = atoi(argv[1]);
    const char *folder = argv[2];
    std::vector<Measured> programs;
    for (int i = 3; i + 1 < argc; i += 2) {
        programs.push_back({argv[i], argv[i + 1], {}});
    }
    int count = (int)programs.size();
    for (int run = 0; run < kWarmUpRuns + runs; ++run) {
        // Rotate which program starts first, so none always follows the same other.
        for (int k = 0; k < count; ++k) {
            Measured &program = programs[(run + k) % count];
            double ms = TimeOneStart(program, folder);
            if (ms < 0) {
                printf("startup: %s showed no window \"%s\"\n", program.exe.c_str(),
                       program.caption.c_str());
                return 1;
            }
            if (run >= kWarmUpRuns) {
                program.ms.push_back(ms);
            }
        }
    }
    for (const Measured &program : programs) {
        printf("start-up of %s: best %.1f ms, median %.1f ms over %d starts\n", program.exe.c_str(),
               Best(program.ms), Median(program.ms), runs);
    }
    for (int i = 1; i < count; ++i) {
        printf("start-up %s / %s: %.2f (best %.1f ms / %.1f ms; medians %.2f; target at most "
               "1.20)\n",
               BaseName(programs[0].exe), BaseName(programs[i].exe),
               Best(programs[0].ms) / Best(programs[i].ms), Best(programs[0].ms),
               Best(programs[i].ms), Median(programs[0].ms) / Median(programs[i].ms));
    }
    return 0;
}

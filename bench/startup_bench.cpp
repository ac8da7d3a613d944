// The program's start-up against a bare Win32 window's (startup_bare.exe),
// both started by this driver alternately in the same run under the same
// Wine. Each start is timed from CreateProcess until the process's main
// window is visible and painted. The program's hidden editor has no window
// until it is first shown, but the main window is only shown from the
// message loop, after both windows were made: a painted main window means
// the editor is there too.
//
// "Painted" is read from outside: the window is visible and neither it nor
// any visible child has an update region left. A window is only shown and
// painted from its own thread's message loop, so this is the moment the user
// first sees the whole window. Input-idle would say the same for a program
// without a show animation, but is also reached by any message pump the
// program runs earlier (a modal loop, an animation that pumps), and says
// nothing about which window is there.
//
// The main window's show animation, when its description turns it on, runs
// before the window becomes visible: a blocking loop drawing straight onto
// the screen, whose frames cannot be seen from here under the null display
// driver. Its nominal time, read from the same description, is subtracted
// from each of the program's starts. What the animation costs beyond that
// (painting its picture, the last frame's overrun) still counts.
#include "bench/benchsupport.h"
#include "styling/forms/skformoptions.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int Starts = 15;
constexpr DWORD StartTimeoutMs = 20000;
constexpr double Goal = 1.5;

struct TProgram {
    std::string path;
    const char* mainClass;
    double animationSeconds;
};

std::string ExeBeside(const char* relative)
{
    char own[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, own, MAX_PATH);
    std::string path(own, length);
    return path.substr(0, path.find_last_of("\\/") + 1) + relative;
}

// The nominal length of the show animation the main window's description
// turns on, or 0.
double ShowAnimationSeconds(const std::string& exe)
{
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return 0;
    std::string text;
    if (HRSRC found = FindResourceA(module, "TFORM1", MAKEINTRESOURCEA(10)))  // RT_RCDATA
        if (HGLOBAL data = LoadResource(module, found))
            text.assign(static_cast<const char*>(LockResource(data)), SizeofResource(module, found));
    FreeLibrary(module);
    if (text.find("Animation.Enabled = True") == std::string::npos)
        return 0;
    int ms = TSkAnimation::DefaultTime;
    const std::string key = "Animation.Time = ";
    if (const size_t at = text.find(key); at != std::string::npos)
        ms = std::atoi(text.c_str() + at + key.size());
    return ms / 1000.0;
}

struct TWindowsSeen {
    DWORD pid;
    const char* mainClass;
    bool ready = false;
};

BOOL CALLBACK NoChildUnpainted(HWND child, LPARAM unpainted)
{
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
        *reinterpret_cast<bool*>(unpainted) = true;
    return TRUE;
}

bool ShownAndPainted(HWND window)
{
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool unpainted = false;
    EnumChildWindows(window, NoChildUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

BOOL CALLBACK LookAtWindow(HWND window, LPARAM param)
{
    auto& seen = *reinterpret_cast<TWindowsSeen*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != seen.pid)
        return TRUE;
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    if (lstrcmpA(name, seen.mainClass) == 0 && ShownAndPainted(window))
        seen.ready = true;
    return TRUE;
}

bool Ready(DWORD pid, const TProgram& program)
{
    TWindowsSeen seen{pid, program.mainClass};
    EnumWindows(LookAtWindow, reinterpret_cast<LPARAM>(&seen));
    return seen.ready;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

BOOL CALLBACK CloseWindowOf(HWND window, LPARAM pid)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == DWORD(pid) && IsWindowVisible(window))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Closes the program as the user would, killing it only when it does not go.
void Stop(const PROCESS_INFORMATION& process)
{
    EnumWindows(CloseWindowOf, LPARAM(process.dwProcessId));
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// Seconds from CreateProcess until ready, without the show animation; a
// negative value when the program failed to start or never got there.
double TimeOneStart(const TProgram& program)
{
    std::string command = "\"" + program.path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.path.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return -1;
    // The first paint comes from the message loop, which goes idle right
    // after it. Waiting for that rather than polling all along keeps this
    // driver off the processors and the server the start needs; polling
    // then covers a program that pumps messages before it shows its window.
    WaitForInputIdle(process.hProcess, StartTimeoutMs);
    double seconds = -1;
    for (;;) {
        QueryPerformanceCounter(&now);
        if (Ready(process.dwProcessId, program)) {
            seconds = Seconds(start, now) - program.animationSeconds;
            break;
        }
        if (Seconds(start, now) * 1000 > StartTimeoutMs ||
            WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    Stop(process);
    return seconds;
}

double Median(std::vector<double> times)
{
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // namespace

int main()
{
    const TProgram bare{ExeBeside("startup_bare.exe"), "StartupBare", 0};
    const std::string exe = ExeBeside("..\\app\\SheetMill.exe");
    const TProgram program{exe, "TForm1", ShowAnimationSeconds(exe)};
    std::printf("Start-up until the main window is shown and painted, %s under Wine, %d starts "
                "each (goal: at most %.1fx a bare window)\n",
                BenchTarget(), Starts, Goal);
    if (program.animationSeconds > 0)
        std::printf("(the main window's %.0f ms show animation left out)\n",
                    program.animationSeconds * 1000);
    // One start each first, not counted: the first start of an executable
    // reads it from the disk.
    TimeOneStart(bare);
    TimeOneStart(program);
    std::vector<double> bareTimes, programTimes;
    for (int i = 0; i < Starts; ++i) {
        for (auto [what, times] : {std::pair{&bare, &bareTimes}, {&program, &programTimes}}) {
            const double seconds = TimeOneStart(*what);
            if (seconds < 0) {
                std::printf("%s did not show its window\n", what->path.c_str());
                return 1;
            }
            times->push_back(seconds);
        }
    }
    const double bareMedian = Median(bareTimes), programMedian = Median(programTimes);
    std::printf("%-44s %9.2f ms\n", "bare Win32 window", bareMedian * 1000);
    std::printf("%-44s %9.2f ms   %5.2fx the bare window's\n",
                "Sheet Mill, both windows made, main painted", programMedian * 1000,
                programMedian / bareMedian);
    // On a loaded machine the medians wander with the other work; the
    // fastest starts show what each program costs on its own.
    const double bareBest = *std::min_element(bareTimes.begin(), bareTimes.end());
    const double programBest = *std::min_element(programTimes.begin(), programTimes.end());
    std::printf("%-44s %9.2f ms against %.2f ms   %5.2fx\n", "fastest starts", programBest * 1000,
                bareBest * 1000, programBest / bareBest);
    return programMedian <= Goal * bareMedian ? 0 : 1;
}

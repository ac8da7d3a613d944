#include "styling/core/sksystem.h"

#include "styling/core/skbitmap.h"
#include "styling/core/skcaptionglyphs.h"
#include "styling/core/skelementcache.h"
#include "framework/base/handles.h"
#include "framework/base/systemprocs.h"

#include <cmath>
#include <memory>
#include <vector>

namespace {

template <class TProc>
TProc Lookup(HMODULE module, const char* name)
{
    if (!module)
        return nullptr;
    // Through void*: the address is only callable once cast to its real type.
    return reinterpret_cast<TProc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// TransparentBlt is trusted from the first NT with it (version 5) on.
constexpr DWORD FirstNTWithTransparentBlt = 5;
// How far the shared buffer reaches past the primary screen's size each way.
constexpr int SharedBufferMargin = 500;
// Each step of the keyboard delay setting (0 the shortest) waits this long.
constexpr int KeyDelayStepMs = 200;
// Each step of the keyboard speed setting adds this many repeats a second.
constexpr double KeyRepeatsPerSecondPerStep = 2.3;

using TMonitorFromRectProc = HMONITOR(WINAPI*)(LPCRECT, DWORD);
using TMonitorFromPointProc = HMONITOR(WINAPI*)(POINT, DWORD);
using TMonitorFromWindowProc = HMONITOR(WINAPI*)(HWND, DWORD);
using TGetMonitorInfoProc = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

// Kept element pictures show the system's colours and sizes of when they
// were drawn: a change of either drops them. The system tells every
// top-level window, so a hidden one of the library's own hears it. (A
// thread hook would also see it, but under Wine it makes every message sent
// in the thread a round trip to the server, a hundred times its cost.)
LRESULT CALLBACK WatchSystemChanges(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE || message == WM_THEMECHANGED)
        SkForgetElementPictures();
    return DefWindowProcA(window, message, wParam, lParam);
}

constexpr char SystemWatchClass[] = "TSkSystemChangeWatch";

class TSystemChangeWatch {
public:
    TSystemChangeWatch()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = WatchSystemChanges;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = SystemWatchClass;
        RegisterClassA(&wc);
        // Top-level and never shown: a message-only window would miss the
        // broadcasts.
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW, SystemWatchClass, "", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~TSystemChangeWatch()
    {
        if (window_)
            DestroyWindow(window_);
        UnregisterClassA(SystemWatchClass, GetModuleHandleA(nullptr));
        SkForgetElementPictures();
    }
    TSystemChangeWatch(const TSystemChangeWatch&) = delete;
    TSystemChangeWatch& operator=(const TSystemChangeWatch&) = delete;

private:
    HWND window_ = nullptr;
};

struct TSkControlsState {
    TSystemChangeWatch systemChanges;
    TSkColor windowColor = 0;
    TSkColor btnFaceColor = 0;
    TSkColor btnHighlightColor = 0;
    bool trustsTransparentBlt = false;
    SIZE sharedBufferSize{0, 0};
    std::unique_ptr<TSkBitmap> sharedBuffer;
    bool isWinNT = false;
    bool isWin98 = false;
    TOwnedModule user32;
    TGetScrollBarInfoProc getScrollBarInfo = nullptr;
    TMonitorFromRectProc monitorFromRect = nullptr;
    TMonitorFromPointProc monitorFromPoint = nullptr;
    TMonitorFromWindowProc monitorFromWindow = nullptr;
    TGetMonitorInfoProc getMonitorInfo = nullptr;
};

std::unique_ptr<TSkControlsState> State;
int InitCount = 0;

struct TCaptureState {
    HWND window = nullptr;
    int count = 0;
} Capture;

OSVERSIONINFOA PlatformVersion()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version))
        version = OSVERSIONINFOA{};
    return version;
}

void MakeSystemColors(TSkControlsState& s)
{
    s.windowColor = ColorToSkColor(clWindow, 255);
    s.btnFaceColor = ColorToSkColor(clBtnFace, 255);
    s.btnHighlightColor = ColorToSkColor(clBtnHighlight, 255);
}

// Only decided here: msimg32 loads with the first transparent draw.
void TrustTransparentBlt(TSkControlsState& s, const OSVERSIONINFOA& version)
{
    s.trustsTransparentBlt = version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
                             version.dwMajorVersion >= FirstNTWithTransparentBlt;
}

void MakeSharedBuffer(TSkControlsState& s)
{
    s.sharedBufferSize = SIZE{GetSystemMetrics(SM_CXSCREEN) + SharedBufferMargin,
                              GetSystemMetrics(SM_CYSCREEN) + SharedBufferMargin};
    s.sharedBuffer = std::make_unique<TSkBitmap>();
}

void ReadPlatformFlags(TSkControlsState& s, const OSVERSIONINFOA& version)
{
    s.isWinNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    s.isWin98 = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && version.dwMinorVersion > 0;
}

void FindUser32Functions(TSkControlsState& s)
{
    s.user32.Reset(LoadLibraryA("user32.dll"));
    HMODULE user32 = s.user32.Get();
    s.getScrollBarInfo = Lookup<TGetScrollBarInfoProc>(user32, "GetScrollBarInfo");
    s.monitorFromRect = Lookup<TMonitorFromRectProc>(user32, "MonitorFromRect");
    s.monitorFromPoint = Lookup<TMonitorFromPointProc>(user32, "MonitorFromPoint");
    s.monitorFromWindow = Lookup<TMonitorFromWindowProc>(user32, "MonitorFromWindow");
    s.getMonitorInfo = Lookup<TGetMonitorInfoProc>(user32, "GetMonitorInfoA");
}

bool HasMonitorFunctions()
{
    return State && State->monitorFromRect && State->monitorFromPoint &&
           State->monitorFromWindow && State->getMonitorInfo;
}

RECT PrimaryScreen() { return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

bool MonitorArea(HMONITOR monitor, bool workArea, RECT& area)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!monitor || !State->getMonitorInfo(monitor, &info))
        return false;
    area = workArea ? info.rcWork : info.rcMonitor;
    return true;
}

} // namespace

namespace {

struct TSkUnit {
    void (*initialize)();
    void (*finalize)();
};

// Filled by static initialisers of other files: made on first use.
std::vector<TSkUnit>& Units()
{
    static std::vector<TSkUnit> units;
    return units;
}

}  // namespace

void RegisterSkUnit(void (*initialize)(), void (*finalize)())
{
    Units().push_back({initialize, finalize});
    if (InitCount > 0 && initialize)
        initialize();
}

void InitializeSkControls()
{
    if (InitCount++ > 0)
        return;
    auto state = std::make_unique<TSkControlsState>();
    OSVERSIONINFOA version = PlatformVersion();
    MakeSystemColors(*state);
    TrustTransparentBlt(*state, version);
    MakeSharedBuffer(*state);
    ReadPlatformFlags(*state, version);
    FindUser32Functions(*state);
    State = std::move(state);
    AllowSkCaptionGlyphs();
    for (const TSkUnit& unit : Units())
        if (unit.initialize)
            unit.initialize();
}

void FinalizeSkControls()
{
    if (InitCount == 0 || --InitCount > 0)
        return;
    for (auto unit = Units().rbegin(); unit != Units().rend(); ++unit)
        if (unit->finalize)
            unit->finalize();
    FreeSkCaptionGlyphs();
    State.reset();
}

TSkColor SkWindowColor() { return State ? State->windowColor : 0; }
TSkColor SkBtnFaceColor() { return State ? State->btnFaceColor : 0; }
TSkColor SkBtnHighlightColor() { return State ? State->btnHighlightColor : 0; }

HICON SkDefaultIcon()
{
    static const HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    return icon;
}

bool IsWinNT() { return State && State->isWinNT; }
bool IsWin98() { return State && State->isWin98; }

TTransparentBltProc SkTransparentBlt()
{
    if (!State || !State->trustsTransparentBlt)
        return nullptr;
    static const auto transparentBlt =
        SystemProc<TTransparentBltProc>("msimg32.dll", "TransparentBlt");
    return transparentBlt;
}
TGetScrollBarInfoProc SkGetScrollBarInfo() { return State ? State->getScrollBarInfo : nullptr; }

TSkBitmap* SharedBuffer() { return State ? State->sharedBuffer.get() : nullptr; }
SIZE SharedBufferSize() { return State ? State->sharedBufferSize : SIZE{0, 0}; }

void BeginSkCapture(HWND window)
{
    if (Capture.count++ == 0) {
        Capture.window = window;
        SetCapture(window);
    }
}

void EndSkCapture()
{
    if (Capture.count == 0)
        return;  // unbalanced end: nothing of ours to release
    if (--Capture.count > 0)
        return;
    if (GetCapture() == Capture.window)
        ReleaseCapture();
    Capture.window = nullptr;
}

int KeyRepeatDelay()
{
    int setting = 0;
    SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &setting, 0);
    return (setting + 1) * KeyDelayStepMs;
}

int KeyRepeatInterval()
{
    DWORD setting = 0;
    SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &setting, 0);
    return static_cast<int>(std::nearbyint(1000 / ((setting + 1) * KeyRepeatsPerSecondPerStep)));
}

bool IsMultiMonitor() { return HasMonitorFunctions() && GetSystemMetrics(SM_CMONITORS) > 1; }

RECT GetWorkArea()
{
    RECT area{};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        return area;
    return PrimaryScreen();
}

RECT GetWorkAreaOfPoint(POINT point)
{
    RECT area;
    if (IsMultiMonitor() &&
        MonitorArea(State->monitorFromPoint(point, MONITOR_DEFAULTTONEAREST), true, area))
        return area;
    return GetWorkArea();
}

RECT GetWorkAreaOfRect(const RECT& rect)
{
    RECT area;
    if (IsMultiMonitor() &&
        MonitorArea(State->monitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), true, area))
        return area;
    return GetWorkArea();
}

RECT GetMonitorAreaOfWindow(HWND window, bool workArea)
{
    RECT area;
    if (HasMonitorFunctions() &&
        MonitorArea(State->monitorFromWindow(window, MONITOR_DEFAULTTONEAREST), workArea, area))
        return area;
    return workArea ? GetWorkArea() : PrimaryScreen();
}

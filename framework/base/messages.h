// The framework's own control messages (CM_*), the reflected notifications
// (CN_*) and the message record every window procedure works with.
#pragma once

#include <windows.h>

#include <cstddef>

// A message as the framework passes it along: number, both parameters and
// the answer. Decoded into typed values once, by the handler's caller.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Framework control messages. The block stays well below the library's
// private numbers 0xB0DE, 0xB0DF and 0xB1C8.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr UINT CM_INVOKEHELP = CM_BASE + 31;
constexpr UINT CM_WINDOWHOOK = CM_BASE + 32;
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_WININICHANGE = CM_BASE + 37;
constexpr UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr UINT CM_TIMECHANGE = CM_BASE + 39;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 42;
constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_GETDATALINK = CM_BASE + 45;
constexpr UINT CM_CHILDKEY = CM_BASE + 46;
constexpr UINT CM_DRAG = CM_BASE + 47;
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_DIALOGHANDLE = CM_BASE + 49;
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr UINT CM_CHANGED = CM_BASE + 55;
constexpr UINT CM_DOCKCLIENT = CM_BASE + 56;
constexpr UINT CM_UNDOCKCLIENT = CM_BASE + 57;
constexpr UINT CM_FLOAT = CM_BASE + 58;
constexpr UINT CM_BORDERCHANGED = CM_BASE + 59;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
constexpr UINT CM_ALLCHILDRENFLIPPED = CM_BASE + 62;
constexpr UINT CM_ACTIONUPDATE = CM_BASE + 63;
constexpr UINT CM_ACTIONEXECUTE = CM_BASE + 64;
constexpr UINT CM_HINTSHOWPAUSE = CM_BASE + 65;
constexpr UINT CM_DOCKNOTIFICATION = CM_BASE + 66;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;
constexpr UINT CM_ISSHORTCUT = CM_BASE + 68;
constexpr UINT CM_LAST = CM_ISSHORTCUT;

static_assert(CM_LAST < 0xB0DE, "framework messages must not reach the library's private ones");

// Notifications a parent reflects back to the child control they concern.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;
constexpr UINT CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

// Typed views of the messages the framework's handlers read, decoded once
// where a message is routed to its handler. Each keeps the message itself:
// the handler answers through it and hands it on to the default handling.

// Bit 29 of a key message's data, the context code: Alt was held down.
constexpr unsigned KeyDataAltDown = 1u << 29;

// The low four bits of a system command are the system's own.
constexpr WPARAM SysCommandMask = 0xFFF0;

// A client point packed into an lParam: two signed 16-bit coordinates.
inline POINT PointFromLParam(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

inline LPARAM PointToLParam(POINT point)
{
    return MAKELPARAM(point.x, point.y);
}

// WM_KEYDOWN, WM_KEYUP, WM_CHAR, their system and CN_ forms, CM_DIALOGKEY
// and CM_DIALOGCHAR.
struct TWMKey {
    explicit TWMKey(TMessage& message)
        : Message(message),
          CharCode(static_cast<WORD>(message.WParam)),
          KeyData(static_cast<unsigned>(message.LParam))
    {
    }
    bool AltDown() const { return (KeyData & KeyDataAltDown) != 0; }

    TMessage& Message;
    WORD CharCode;
    unsigned KeyData;
};

// Mouse buttons and moves over the client area.
struct TWMMouse {
    explicit TWMMouse(TMessage& message)
        : Message(message),
          Keys(static_cast<unsigned>(message.WParam)),
          Pos(PointFromLParam(message.LParam))
    {
    }

    TMessage& Message;
    unsigned Keys;  // MK_ flags
    POINT Pos;
};

// WM_PAINT and WM_ERASEBKGND: the context to draw into (for WM_PAINT, null
// when the window is to be painted through BeginPaint).
struct TWMPaint {
    explicit TWMPaint(TMessage& message)
        : Message(message), DC(reinterpret_cast<HDC>(message.WParam))
    {
    }

    TMessage& Message;
    HDC DC;
};
using TWMEraseBkgnd = TWMPaint;

struct TWMPrintClient {
    explicit TWMPrintClient(TMessage& message)
        : Message(message),
          DC(reinterpret_cast<HDC>(message.WParam)),
          Flags(static_cast<DWORD>(message.LParam))
    {
    }

    TMessage& Message;
    HDC DC;
    DWORD Flags;  // PRF_ flags
};

struct TWMSetCursor {
    explicit TWMSetCursor(TMessage& message)
        : Message(message),
          Window(reinterpret_cast<HWND>(message.WParam)),
          HitTest(static_cast<short>(LOWORD(message.LParam)))
    {
    }

    TMessage& Message;
    HWND Window;  // the window under the mouse
    short HitTest;  // HT_ code; the error codes are negative
};

// WM_CTLCOLOR* and their CN_ forms.
struct TWMCtlColor {
    explicit TWMCtlColor(TMessage& message)
        : Message(message),
          DC(reinterpret_cast<HDC>(message.WParam))
    {
    }

    TMessage& Message;
    HDC DC;
};

// WM_COMMAND and CN_COMMAND.
struct TWMCommand {
    explicit TWMCommand(TMessage& message) : Message(message), NotifyCode(HIWORD(message.WParam))
    {
    }

    TMessage& Message;
    WORD NotifyCode;
};

struct TWMCaptureChanged {
    explicit TWMCaptureChanged(TMessage& message)
        : Message(message), NewCapture(reinterpret_cast<HWND>(message.LParam))
    {
    }

    TMessage& Message;
    HWND NewCapture;
};

struct TWMActivate {
    explicit TWMActivate(TMessage& message)
        : Message(message),
          Active(LOWORD(message.WParam)),
          Minimized(HIWORD(message.WParam) != 0)
    {
    }

    TMessage& Message;
    WORD Active;  // WA_ code
    bool Minimized;
};

struct TWMSysCommand {
    explicit TWMSysCommand(TMessage& message)
        : Message(message), CmdType(message.WParam & SysCommandMask)
    {
    }

    TMessage& Message;
    WPARAM CmdType;  // SC_ code
};

struct TWMSetText {
    explicit TWMSetText(TMessage& message)
        : Message(message), Text(reinterpret_cast<const char*>(message.LParam))
    {
    }

    TMessage& Message;
    const char* Text;  // may be null
};

struct TWMGetText {
    explicit TWMGetText(TMessage& message)
        : Message(message),
          BufferSize(static_cast<size_t>(message.WParam)),
          Buffer(reinterpret_cast<char*>(message.LParam))
    {
    }

    TMessage& Message;
    size_t BufferSize;  // characters, the terminating NUL included
    char* Buffer;
};

// The child window a notification to its parent concerns (WM_COMMAND,
// WM_NOTIFY, WM_DRAWITEM, the scroll and WM_CTLCOLOR* messages).
inline HWND NotifyingChild(const TMessage& message)
{
    switch (message.Msg) {
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
    case WM_DRAWITEM:
        return reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->hwndItem;
    default:
        return reinterpret_cast<HWND>(message.LParam);
    }
}

// Modal results.
constexpr int mrNone = 0;
constexpr int mrOk = IDOK;
constexpr int mrCancel = IDCANCEL;
constexpr int mrAbort = IDABORT;
constexpr int mrRetry = IDRETRY;
constexpr int mrIgnore = IDIGNORE;
constexpr int mrYes = IDYES;
constexpr int mrNo = IDNO;
constexpr int mrAll = mrNo + 1;

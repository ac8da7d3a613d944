#include "framework/forms/application.h"

#include "framework/components/timer.h"
#include "framework/controls/controlhooks.h"
#include "framework/forms/screen.h"

FW_IMPLEMENT_CLASS(TApplication, TComponent)

TApplication* Application = nullptr;

namespace {

// The two process-wide objects live from start-up to the end of the process,
// and answer the controls' questions about exceptions and the cursor.
struct TGlobalObjects {
    TGlobalObjects()
    {
        Screen = new TScreen(nullptr);
        Application = new TApplication(nullptr);
        SetWindowExceptionHandler([](TObject* sender) { Application->HandleException(sender); });
        // Called inside the timer's catch block: the default box, as for any
        // other escaping exception.
        TTimer::SetExceptionHandler(
            [](const std::exception&) { Application->HandleException(nullptr); });
        SetProgramCursorSource([] { return Screen->Cursor(); });
    }
    ~TGlobalObjects()
    {
        SetProgramCursorSource(nullptr);
        TTimer::SetExceptionHandler(nullptr);
        SetWindowExceptionHandler(nullptr);
        Application->Free();
        Application = nullptr;
        Screen->Free();
        Screen = nullptr;
    }
} globalObjects;

const char* const AppWindowClass = "TApplication";

std::string ModuleTitle()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

BOOL CALLBACK CollectEnabled(HWND window, LPARAM data)
{
    auto* found = reinterpret_cast<std::pair<HWND, std::vector<HWND>*>*>(data);
    if (window != found->first && IsWindowVisible(window) && IsWindowEnabled(window))
        found->second->push_back(window);
    return TRUE;
}

// Visible and enabled, and so is the top-level window that holds it.
bool CanTakeFocus(HWND window)
{
    return window && IsWindow(window) && IsWindowVisible(window) && IsWindowEnabled(window) &&
           IsWindowEnabled(GetAncestor(window, GA_ROOT));
}

} // namespace

TFocusReturn::~TFocusReturn()
{
    if (CanTakeFocus(focused_)) {
        if (GetFocus() != focused_)
            ::SetFocus(focused_);
    } else if (Application) {
        Application->PassFocusToActiveForm();
    }
}

std::vector<HWND> DisableTaskWindows(HWND except)
{
    std::vector<HWND> windows;
    std::pair<HWND, std::vector<HWND>*> data{except, &windows};
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&data));
    for (HWND window : windows)
        EnableWindow(window, FALSE);
    return windows;
}

void EnableTaskWindows(const std::vector<HWND>& windows)
{
    for (HWND window : windows)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}

TApplication::TApplication(TComponent* owner) : TComponent(owner), title_(ModuleTitle())
{
}

TApplication::~TApplication()
{
    TApplication::BeforeDestruction();
}

// The forms go before the window that owns theirs.
void TApplication::BeforeDestruction()
{
    if (appTornDown_)
        return;
    appTornDown_ = true;
    Destroying();
    DestroyComponents();
    mainForm_ = nullptr;
    if (handle_) {
        SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
        handle_ = nullptr;
    }
    TComponent::BeforeDestruction();
}

HWND TApplication::Handle()
{
    if (handle_)
        return handle_;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing{};
    if (!GetClassInfoA(instance, AppWindowClass, &existing)) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = AppWndProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        // The program's own icon when it has one: the taskbar button and the
        // skinned captions take it from this class.
        wc.hIcon = LoadIconA(instance, "MAINICON");
        wc.lpszClassName = AppWindowClass;
        RegisterClassA(&wc);
    }
    // Zero-sized at the screen's centre: only its taskbar button shows.
    handle_ = CreateWindowExA(0, AppWindowClass, title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                              0, 0, nullptr, nullptr, instance, nullptr);
    if (!handle_)
        throw EInvalidOperation("Cannot create the application window");
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return handle_;
}

LRESULT CALLBACK TApplication::AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!app)
        return DefWindowProcA(window, msg, wParam, lParam);
    try {
        return app->AppMessage(msg, wParam, lParam);
    } catch (...) {
        app->HandleException(app);
        return 0;
    }
}

LRESULT TApplication::AppMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SYSCOMMAND:
        switch (wParam & SysCommandMask) {
        case SC_MINIMIZE:
            Minimize();
            return 0;
        case SC_RESTORE:
            Restore();
            return 0;
        default:
            break;
        }
        break;
    case WM_CLOSE:
        if (mainForm_)
            mainForm_->Close();
        return 0;
    case WM_SETFOCUS:
        PassFocusToActiveForm();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(handle_, msg, wParam, lParam);
}

TCustomForm* TApplication::FocusableForm() const
{
    for (TCustomForm* form : {Screen->ActiveForm(), mainForm_})
        if (form && form->CanFocus() && form->HandleAllocated() && CanTakeFocus(form->Handle()))
            return form;
    return nullptr;
}

void TApplication::PassFocusToActiveForm()
{
    HWND focus = GetFocus();
    if (focus && focus != handle_)
        return;
    if (TCustomForm* form = FocusableForm())
        form->SetFocus();
}

void TApplication::SetTitle(const std::string& value)
{
    title_ = value;
    if (handle_)
        SetWindowTextA(handle_, value.c_str());
}

void TApplication::Run()
{
    if (mainForm_) {
        ShowWindow(Handle(), SW_SHOWNA);  // the taskbar button with the title
        mainForm_->Show();
    }
    while (!terminated_)
        HandleMessage();
}

bool TApplication::ProcessMessage(MSG& msg)
{
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    if (!IsKeyMsg(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

// Keys first reach the control as CN_ messages: dialog keys, accelerators
// and shortcuts are taken out there.
bool TApplication::IsKeyMsg(MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    TWinControl* control = TWinControl::FindControl(msg.hwnd);
    if (!control)
        return false;
    return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage()
{
    try {
        MSG msg;
        if (!ProcessMessage(msg))
            WaitMessage();
    } catch (...) {
        HandleException(this);
    }
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::Minimize()
{
    HWND window = Handle();
    if (IsIconic(window))
        return;
    ShowWindow(window, SW_MINIMIZE);
    if (OnMinimize)
        OnMinimize(this);
}

void TApplication::Restore()
{
    HWND window = Handle();
    if (!IsIconic(window))
        return;
    ShowWindow(window, SW_RESTORE);
    if (TWinControl* active = Screen->ActiveControl())
        if (active->HandleAllocated())
            ::SetFocus(active->Handle());
    if (OnRestore)
        OnRestore(this);
}

void TApplication::HandleException(TObject* sender)
{
    std::exception_ptr current = std::current_exception();
    if (!current)
        return;
    try {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception& error) {
            if (OnException)
                OnException(sender, error);
            else
                ShowException(error);
        } catch (...) {
            Exception unknown("Unknown exception");
            if (OnException)
                OnException(sender, unknown);
            else
                ShowException(unknown);
        }
    } catch (...) {
        // A failing handler must not take the program down with it.
    }
}

void TApplication::ShowException(const std::exception& error)
{
    std::string text = error.what();
    if (!text.empty() && text.back() != '.')
        text += '.';
    MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

// Like a modal form: every other window of the program waits for the box.
int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    HWND owner = Handle();
    TFocusReturn focus;
    std::vector<HWND> disabled = DisableTaskWindows(nullptr);
    int result;
    try {
        result = MessageBoxFunc ? MessageBoxFunc(owner, text, caption, flags)
                                : ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
    } catch (...) {
        EnableTaskWindows(disabled);
        throw;
    }
    EnableTaskWindows(disabled);
    return result;
}

void TApplication::FormDestroyed(TCustomForm* form)
{
    if (mainForm_ == form)
        mainForm_ = nullptr;
}

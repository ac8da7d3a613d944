// TApplication: the message loop, the main form, the application window and
// the default exception handler.
#pragma once

#include "framework/forms/form.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;
// Shows a message box; replaceable so that a caller can capture the call.
using TMessageBoxFunc =
    std::function<int(HWND owner, const std::string& text, const std::string& caption,
                      unsigned flags)>;

class TApplication : public TComponent {
    FW_DECLARE_CLASS(TApplication)
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;
    void BeforeDestruction() override;

    void Initialize() {}
    // The hidden application window: owner of the forms and message boxes.
    HWND Handle();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value);

    TCustomForm* MainForm() const { return mainForm_; }

    // Creates a form owned by the application; the first becomes the main form.
    template <class T>
    void CreateForm(T*& reference)
    {
        T* form = TCustomForm::Create<T>(this);
        reference = form;
        if (!mainForm_) {
            form->HandleNeeded();
            mainForm_ = form;
        }
    }

    // Shows the main form and runs messages until Terminate.
    void Run();
    void ProcessMessages();
    // Runs one message, or waits for the next one when none is queued.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    void Minimize();
    void Restore();

    // Call from inside a catch block: OnException, or the default box.
    void HandleException(TObject* sender);
    // The error's text with a full stop, the title as caption, OK and stop icon.
    void ShowException(const std::exception& error);
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

    TMessageBoxFunc MessageBoxFunc;
    TExceptionEvent OnException;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;

    // Told by a form that it is going.
    void FormDestroyed(TCustomForm* form);
    // When the focus is on the application window or nowhere, gives it to
    // the active form (the main form when that one cannot take it). Boxes
    // and popups owned by the application window leave it active when they
    // close; this hands the keyboard on to where the user works.
    void PassFocusToActiveForm();

private:
    TCustomForm* FocusableForm() const;
    bool ProcessMessage(MSG& msg);
    bool IsKeyMsg(MSG& msg);
    static LRESULT CALLBACK AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT AppMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool appTornDown_ = false;
};

extern TApplication* Application;

// Around a modal window of the system (a message box, a file dialog, the
// input box): when it has closed, the window that had the keyboard focus
// gets it back, or the active form when that window can no longer take it.
class TFocusReturn {
public:
    TFocusReturn() : focused_(GetFocus()) {}
    ~TFocusReturn();
    TFocusReturn(const TFocusReturn&) = delete;
    TFocusReturn& operator=(const TFocusReturn&) = delete;

private:
    HWND focused_;
};

// Disables every visible, enabled top-level window of this thread except
// `except`, and gives them back.
std::vector<HWND> DisableTaskWindows(HWND except);
void EnableTaskWindows(const std::vector<HWND>& windows);

// Drives the real standard dialogs of this process from a second thread,
// as a person would: wait for the dialog, fill it in, press a button.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

class DialogDriver {
public:
    // Waits (up to timeoutMs) for the next visible #32770 window of this
    // process and runs action on it from the driver's thread.
    explicit DialogDriver(std::function<void(HWND dialog)> action, int timeoutMs = 15000);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool Handled() const { return handled_; }

private:
    std::atomic<bool> handled_{false};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Fills the file name box of an open or save dialog and presses OK.
void AcceptFileDialog(HWND dialog, const std::string& fileName);
void AcceptFileDialogWide(HWND dialog, const std::wstring& fileName);
// Presses Cancel of any dialog.
void CancelDialog(HWND dialog);
// The window text of a dialog's control, or of the dialog itself (id 0).
std::string DialogItemText(HWND dialog, int id);
// The text of a combo box item of the dialog.
std::string ComboItemText(HWND dialog, int id, int index);

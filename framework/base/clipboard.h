// The system clipboard's text, and the system caret.
#pragma once

#include <string>

class TClipboard {
public:
    // Unicode text when the clipboard has it, else its ANSI text converted;
    // empty when it holds no text or cannot be opened.
    std::wstring AsTextWide() const;
    std::string AsText() const;
    bool HasText() const;

    // Replaces the clipboard's content with the text (as Unicode text; the
    // system offers the ANSI form to readers that ask). False when the
    // clipboard cannot be opened.
    bool SetAsTextWide(const std::wstring& text);
    bool SetAsText(const std::string& text);
};

TClipboard& Clipboard();

// The one system caret of a window, created on demand and destroyed with
// this object (or by Destroy).
class TCaret {
public:
    TCaret() = default;
    ~TCaret() { Destroy(); }
    TCaret(const TCaret&) = delete;
    TCaret& operator=(const TCaret&) = delete;

    bool Create(void* window, int width, int height);
    void Destroy();
    void SetPosition(int x, int y);
    void Show();
    void Hide();
    bool Exists() const { return window_ != nullptr; }

private:
    void* window_ = nullptr;
    bool visible_ = false;
};

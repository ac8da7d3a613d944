#include "framework/forms/inputbox.h"

#include "framework/base/ansi.h"
#include "framework/forms/application.h"

#include <windows.h>

#include <vector>

namespace {

enum { PromptId = 100, EditId = 101 };

// Builds a dialog template in memory: DLGTEMPLATE with a font, then one
// DLGITEMTEMPLATE per control, each aligned to a DWORD.
class DialogTemplate {
public:
    DialogTemplate(const std::wstring& caption, short width, short height)
    {
        DLGTEMPLATE header = {};
        header.style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        header.cx = width;
        header.cy = height;
        Append(&header, sizeof header);
        Word(0);  // no menu
        Word(0);  // default class
        Text(caption);
        Word(8);  // point size
        Text(L"MS Sans Serif");
    }

    void Control(WORD systemClass, const std::wstring& text, WORD id, DWORD style, short x,
                 short y, short cx, short cy)
    {
        Align();
        DLGITEMTEMPLATE item = {};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        Append(&item, sizeof item);
        Word(0xFFFF);
        Word(systemClass);
        Text(text);
        Word(0);  // no creation data
        reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit++;
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    void Append(const void* data, size_t size)
    {
        const auto* p = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void Word(WORD w) { Append(&w, sizeof w); }
    void Text(const std::wstring& s) { Append(s.c_str(), (s.size() + 1) * sizeof(wchar_t)); }
    void Align()
    {
        while (bytes_.size() % 4)
            bytes_.push_back(0);
    }

    std::vector<unsigned char> bytes_;
};

struct InputState {
    std::wstring prompt;
    std::wstring value;
};

INT_PTR CALLBACK InputProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        state = reinterpret_cast<InputState*>(lParam);
        SetDlgItemTextW(dialog, PromptId, state->prompt.c_str());
        SetDlgItemTextW(dialog, EditId, state->value.c_str());
        HWND edit = GetDlgItem(dialog, EditId);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        return FALSE;  // focus set by hand
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            HWND edit = GetDlgItem(dialog, EditId);
            std::wstring text(size_t(GetWindowTextLengthW(edit)) + 1, L'\0');
            text.resize(size_t(GetWindowTextW(edit, text.data(), int(text.size()))));
            state->value = text;
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value)
{
    DialogTemplate box(AnsiToWide(caption), 180, 58);
    box.Control(0x0082, L"", PromptId, SS_LEFT | SS_NOPREFIX, 6, 6, 168, 9);
    box.Control(0x0081, L"", EditId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 6, 18, 168, 12);
    box.Control(0x0080, L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 38, 38, 50, 14);
    box.Control(0x0080, L"Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 92, 38, 50, 14);

    InputState state{AnsiToWide(prompt), AnsiToWide(value)};
    TFocusReturn focus;
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), box.Get(),
                                                   GetActiveWindow(), InputProc,
                                                   reinterpret_cast<LPARAM>(&state));
    if (result != IDOK)
        return false;
    value = WideToAnsi(state.value);
    return true;
}

std::string InputBox(const std::string& caption, const std::string& prompt,
                     const std::string& defaultText)
{
    std::string value = defaultText;
    InputQuery(caption, prompt, value);
    return value;
}

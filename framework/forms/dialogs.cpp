#include "framework/forms/dialogs.h"

#include "framework/base/ansi.h"
#include "framework/base/systemprocs.h"
#include "framework/components/properties.h"
#include "framework/forms/application.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

FW_IMPLEMENT_CLASS(TOpenDialog, TComponent)
FW_IMPLEMENT_CLASS(TSaveDialog, TOpenDialog)

FW_PUBLISH(TOpenDialog)
{
    p.Property("DefaultExt", &T::DefaultExt, &T::SetDefaultExt);
    p.Property("FileName", &T::FileName, &T::SetFileName);
    p.Property("Filter", &T::Filter, &T::SetFilter);
    p.Property("FilterIndex", &T::FilterIndex, &T::SetFilterIndex).Default(1);
    p.Property("InitialDir", &T::InitialDir, &T::SetInitialDir);
    p.Set("Options", &T::Options, &T::SetOptions,
          {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp",
           "ofNoValidate", "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist",
           "ofFileMustExist", "ofCreatePrompt", "ofShareAware", "ofNoReadOnlyReturn",
           "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames", "ofOldStyleDialog",
           "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing"})
        .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing});
    p.Property("Title", &T::Title, &T::SetTitle);
}

namespace {

// "a|b|c|d" becomes "a\0b\0c\0d\0\0" as the dialog expects.
std::wstring FilterList(const std::string& filter)
{
    std::wstring list = AnsiToWide(filter);
    for (wchar_t& c : list)
        if (c == L'|')
            c = L'\0';
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

DWORD FlagsOf(TOpenOptions options)
{
    static const struct {
        TOpenOption option;
        DWORD flag;
    } map[] = {
        {ofReadOnly, OFN_READONLY},
        {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
        {ofHideReadOnly, OFN_HIDEREADONLY},
        {ofNoChangeDir, OFN_NOCHANGEDIR},
        {ofShowHelp, OFN_SHOWHELP},
        {ofNoValidate, OFN_NOVALIDATE},
        {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
        {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
        {ofPathMustExist, OFN_PATHMUSTEXIST},
        {ofFileMustExist, OFN_FILEMUSTEXIST},
        {ofCreatePrompt, OFN_CREATEPROMPT},
        {ofShareAware, OFN_SHAREAWARE},
        {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
        {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
        {ofNoNetworkButton, OFN_NONETWORKBUTTON},
        {ofNoLongNames, OFN_NOLONGNAMES},
        {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
        {ofEnableIncludeNotify, OFN_ENABLEINCLUDENOTIFY},
        {ofEnableSizing, OFN_ENABLESIZING},
    };
    DWORD flags = options.Contains(ofOldStyleDialog) ? 0 : OFN_EXPLORER;
    for (const auto& entry : map)
        if (options.Contains(entry.option))
            flags |= entry.flag;
    return flags;
}

// The folder part of a full path, without the trailing separator.
std::wstring FolderOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return {};
    if (slash == 2 && path[1] == L':')
        return path.substr(0, 3);  // keep "C:\" a root
    return path.substr(0, slash);
}

} // namespace

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner)
{
}

void TOpenDialog::SetFileName(const std::string& name)
{
    fileName_ = name;
    fileNameWide_ = AnsiToWide(name);
    fileNameFitsAnsi_ = true;
}

bool TOpenDialog::Execute(void* ownerWindow)
{
    const bool multi = options_.Contains(ofAllowMultiSelect);
    std::vector<wchar_t> buffer(multi ? 0x10000 : MAX_PATH * 4, L'\0');
    fileNameWide_.copy(buffer.data(), std::min(fileNameWide_.size(), buffer.size() - 1));

    const std::wstring filter = FilterList(filter_);
    const std::wstring defaultExt = AnsiToWide(defaultExt_);
    const std::wstring initialDir = AnsiToWide(initialDir_);
    const std::wstring title = AnsiToWide(title_);

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = static_cast<HWND>(ownerWindow ? ownerWindow : GetActiveWindow());
    ofn.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = DWORD(filterIndex_);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = DWORD(buffer.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    ofn.Flags = FlagsOf(options_);

    wchar_t before[MAX_PATH * 2] = {};
    GetCurrentDirectoryW(MAX_PATH * 2, before);
    {
        TFocusReturn focus;
        if (!RunDialog(&ofn))
            return false;
    }

    AcceptNames(buffer.data(), multi);
    filterIndex_ = int(ofn.nFilterIndex);
    if (ofn.Flags & OFN_READONLY)
        options_.Include(ofReadOnly);
    else
        options_.Exclude(ofReadOnly);

    const std::wstring folder = FolderOf(fileNameWide_);
    if (options_.Contains(ofNoChangeDir) || folder.empty())
        SetCurrentDirectoryW(before);
    else
        SetCurrentDirectoryW(folder.c_str());
    return true;
}

// A single name, or with multi-select a folder followed by names, each
// ended by a NUL and the list by a second NUL. A single name is followed by
// what is left of the longer initial name in the buffer: not a list.
void TOpenDialog::AcceptNames(const wchar_t* list, bool multi)
{
    std::vector<std::wstring> parts;
    for (const wchar_t* p = list; *p && (multi || parts.empty()); p += parts.back().size() + 1)
        parts.emplace_back(p);
    std::vector<std::wstring> names;
    if (parts.size() <= 1) {
        names = parts;
    } else {
        const std::wstring folder =
            parts[0].back() == L'\\' ? parts[0] : parts[0] + L"\\";
        for (size_t i = 1; i < parts.size(); ++i)
            names.push_back(folder + parts[i]);
    }
    files_.clear();
    fileNameFitsAnsi_ = true;
    for (const std::wstring& name : names) {
        bool defaulted = false;
        files_.push_back(WideToAnsi(name, &defaulted));
        fileNameFitsAnsi_ = fileNameFitsAnsi_ && !defaulted;
    }
    fileNameWide_ = names.empty() ? std::wstring() : names[0];
    fileName_ = files_.empty() ? std::string() : files_[0];
}

namespace {

// The common dialogs load with the first dialog, not at start-up.
using TGetFileNameProc = BOOL(WINAPI*)(OPENFILENAMEW*);

bool RunFileDialog(const char* name, void* openFileName)
{
    const auto run = SystemProc<TGetFileNameProc>("comdlg32.dll", name);
    return run && run(static_cast<OPENFILENAMEW*>(openFileName)) != FALSE;
}

}  // namespace

bool TOpenDialog::RunDialog(void* openFileName)
{
    return RunFileDialog("GetOpenFileNameW", openFileName);
}

bool TSaveDialog::RunDialog(void* openFileName)
{
    return RunFileDialog("GetSaveFileNameW", openFileName);
}

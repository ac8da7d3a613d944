// The standard file open and save dialogs as components.
#pragma once

#include "framework/components/component.h"
#include "framework/base/sets.h"

#include <string>
#include <vector>

enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing,
};
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
    FW_DECLARE_CLASS(TOpenDialog)
public:
    explicit TOpenDialog(TComponent* owner);

    // "Label|patterns|Label|patterns", handed to the dialog as pairs.
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    // Handed to the dialog unchanged.
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& ext) { defaultExt_ = ext; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions options) { options_ = options; }

    // The last accepted name in the system's ANSI code page; a cancelled
    // run leaves it as it was.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name);
    // The same name as the user chose it, and whether the ANSI form names
    // the very same file (it cannot when a character has no ANSI form).
    const std::wstring& FileNameWide() const { return fileNameWide_; }
    bool FileNameFitsAnsi() const { return fileNameFitsAnsi_; }
    // Every accepted name, full paths (several with ofAllowMultiSelect).
    const std::vector<std::string>& Files() const { return files_; }

    // Runs the modal dialog; true when the user accepted a name. Unless
    // ofNoChangeDir is set, the current directory then is the chosen
    // file's folder, whatever the platform's dialog did with it.
    virtual bool Execute(void* ownerWindow = nullptr);

protected:
    virtual bool RunDialog(void* openFileName);

private:
    void AcceptNames(const wchar_t* list, bool multi);

    std::string filter_, defaultExt_, initialDir_, title_, fileName_;
    std::wstring fileNameWide_;
    std::vector<std::string> files_;
    bool fileNameFitsAnsi_ = true;
    int filterIndex_ = 1;
    TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
    FW_DECLARE_CLASS(TSaveDialog)
public:
    using TOpenDialog::TOpenDialog;

protected:
    bool RunDialog(void* openFileName) override;
};

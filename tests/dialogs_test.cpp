// The standard open and save dialogs and the input box, filled in from a
// second thread as a person would.
#include "framework/forms/dialogs.h"
#include "framework/forms/inputbox.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

std::string CurrentDirectory()
{
    char buffer[MAX_PATH * 2] = {};
    GetCurrentDirectoryA(sizeof buffer, buffer);
    return buffer;
}

// Runs the dialog while the driver does action on it.
template <class Dialog>
bool ExecuteWith(Dialog& dialog, const std::function<void(HWND)>& action)
{
    DialogDriver driver(action);
    const bool accepted = dialog.Execute();
    EXPECT_TRUE(driver.Handled());
    return accepted;
}

void Type(HWND box, int id, const char* text)
{
    SendMessageA(GetDlgItem(box, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

TEST(OpenDialog, TheAcceptedNameIsTakenWholeAndKeptAfterACancel)
{
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("imgs", nullptr));
    const std::string image = folder.PathOf("imgs\\a-long-image-name.bin");
    const std::string shorter = folder.PathOf("imgs\\b.bin");
    WriteFileBytes(image, "data");
    WriteFileBytes(shorter, "data");
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Obrazy CD|*.bin;*.iso;*.nrg;*.bwt;*.cdi;*.pdi;*.img");
    dialog.SetDefaultExt("*.bin;*.iso;*.nrg;*.bwt;*.cdi;*.pdi;*.img");
    EXPECT_FALSE(ExecuteWith(dialog, CancelDialog));  // cancelled first: no name, same folder
    EXPECT_EQ(dialog.FileName(), "");
    EXPECT_EQ(CurrentDirectory(), folder.Path());

    std::string filterLabel;
    EXPECT_TRUE(ExecuteWith(dialog, [&](HWND box) {
        filterLabel = ComboItemText(box, 0x470, 0);
        AcceptFileDialog(box, image);
    }));
    EXPECT_EQ(filterLabel, "Obrazy CD");
    EXPECT_EQ(dialog.FileName(), image);
    EXPECT_TRUE(dialog.FileNameFitsAnsi());
    // The current directory follows the chosen file, whatever the dialog did.
    EXPECT_EQ(CurrentDirectory(), folder.PathOf("imgs"));

    // The dialog writes the new name over the old one in the same buffer: a
    // shorter name must not pick up the old one's tail.
    EXPECT_TRUE(ExecuteWith(dialog, [&](HWND box) { AcceptFileDialog(box, shorter); }));
    EXPECT_EQ(dialog.FileName(), shorter);
    EXPECT_EQ(dialog.Files().size(), 1u);
    EXPECT_FALSE(ExecuteWith(dialog, CancelDialog));
    EXPECT_EQ(dialog.FileName(), shorter);
    SetCurrentDirectoryA(folder.Path().c_str());  // so the folder can be removed
}

TEST(OpenDialog, NoChangeDirKeepsTheFolderAndANameWithoutAnsiFormIsTold)
{
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("other", nullptr));
    // Japanese characters have no form in code page 1252.
    const std::wstring name =
        std::wstring(folder.Path().begin(), folder.Path().end()) + L"\\other\\\u65E5\u672C.bin";
    TOpenDialog dialog(nullptr);
    dialog.SetOptions(dialog.Options() + TOpenOptions{ofNoChangeDir});
    EXPECT_TRUE(ExecuteWith(dialog, [&](HWND box) { AcceptFileDialogWide(box, name); }));
    EXPECT_EQ(dialog.FileNameWide(), name);
    EXPECT_FALSE(dialog.FileNameFitsAnsi());
    EXPECT_EQ(CurrentDirectory(), folder.Path());
}

TEST(SaveDialog, AcceptsAnExistingNameWithoutAQuestion)
{
    TempFolder folder;
    WriteFileBytes("old.cue", "x");
    TSaveDialog dialog(nullptr);
    dialog.SetFilter("Plik cue|*.cue");
    dialog.SetDefaultExt("*.cue");
    EXPECT_TRUE(ExecuteWith(dialog, [&](HWND box) { AcceptFileDialog(box, folder.PathOf("old.cue")); }));
    EXPECT_EQ(dialog.FileName(), folder.PathOf("old.cue"));
}

TEST(InputBox, OkTakesTheTypedTextAndCancelKeepsTheDefault)
{
    std::string caption, prompt, shownDefault;
    {
        DialogDriver driver([&](HWND box) {
            caption = DialogItemText(box, 0);
            prompt = DialogItemText(box, 100);
            shownDefault = DialogItemText(box, 101);
            Type(box, 101, "my disc.bin");
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(InputBox("Nazwa pliku obrazu", "Podaj nazwe", "start"), "my disc.bin");
    }
    EXPECT_EQ(caption, "Nazwa pliku obrazu");
    EXPECT_EQ(prompt, "Podaj nazwe");
    EXPECT_EQ(shownDefault, "start");
    {
        DialogDriver driver([](HWND box) {
            Type(box, 101, "typed");
            CancelDialog(box);
        });
        EXPECT_EQ(InputBox("c", "p", "start"), "start");
    }

    std::string value = "keep";  // the query tells a confirmation from a cancel
    {
        DialogDriver driver(CancelDialog);
        EXPECT_FALSE(InputQuery("c", "p", value));
    }
    {
        DialogDriver driver([](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
        EXPECT_TRUE(InputQuery("c", "p", value));
    }
    EXPECT_EQ(value, "keep");
}

} // namespace

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

TEST(OpenDialog, AcceptedNameIsKeptAfterACancel)
{
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("imgs", nullptr));
    const std::string image = folder.PathOf("imgs\\gra.bin");
    WriteFileBytes(image, "data");

    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Obrazy CD|*.bin;*.iso;*.nrg;*.bwt;*.cdi;*.pdi;*.img");
    dialog.SetDefaultExt("*.bin;*.iso;*.nrg;*.bwt;*.cdi;*.pdi;*.img");

    std::string filterLabel;
    {
        DialogDriver driver([&](HWND box) {
            filterLabel = ComboItemText(box, 0x470, 0);
            AcceptFileDialog(box, image);
        });
        EXPECT_TRUE(dialog.Execute());
        EXPECT_TRUE(driver.Handled());
    }
    EXPECT_EQ(filterLabel, "Obrazy CD");
    EXPECT_EQ(dialog.FileName(), image);
    EXPECT_TRUE(dialog.FileNameFitsAnsi());
    ASSERT_EQ(dialog.Files().size(), 1u);
    // The current directory follows the chosen file, whatever the dialog did.
    EXPECT_EQ(CurrentDirectory(), folder.PathOf("imgs"));

    {
        DialogDriver driver(CancelDialog);
        EXPECT_FALSE(dialog.Execute());
        EXPECT_TRUE(driver.Handled());
    }
    EXPECT_EQ(dialog.FileName(), image);
    SetCurrentDirectoryA(folder.Path().c_str());  // so the folder can be removed
}

// The dialog writes the new name over the old one in the same buffer: a
// shorter name must not pick up the old one's tail.
TEST(OpenDialog, ShorterNameAfterALongerOneIsTakenAlone)
{
    TempFolder folder;
    WriteFileBytes("a-long-image-name.bin", "data");
    WriteFileBytes("b.bin", "data");
    TOpenDialog dialog(nullptr);
    dialog.SetFileName(folder.PathOf("a-long-image-name.bin"));
    {
        DialogDriver driver([&](HWND box) { AcceptFileDialog(box, folder.PathOf("b.bin")); });
        EXPECT_TRUE(dialog.Execute());
    }
    EXPECT_EQ(dialog.FileName(), folder.PathOf("b.bin"));
    ASSERT_EQ(dialog.Files().size(), 1u);
    SetCurrentDirectoryA(folder.Path().c_str());
}

TEST(OpenDialog, CancelledFirstRunLeavesTheNameEmpty)
{
    TempFolder folder;
    TOpenDialog dialog(nullptr);
    DialogDriver driver(CancelDialog);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(driver.Handled());
    EXPECT_EQ(dialog.FileName(), "");
    EXPECT_EQ(CurrentDirectory(), folder.Path());
}

TEST(OpenDialog, NoChangeDirKeepsTheCurrentDirectory)
{
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("other", nullptr));
    TOpenDialog dialog(nullptr);
    dialog.SetOptions(dialog.Options() + TOpenOptions{ofNoChangeDir});
    DialogDriver driver([&](HWND box) { AcceptFileDialog(box, folder.PathOf("other\\a.iso")); });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), folder.PathOf("other\\a.iso"));
    EXPECT_EQ(CurrentDirectory(), folder.Path());
}

TEST(OpenDialog, TellsWhenTheNameHasNoAnsiForm)
{
    TempFolder folder;
    // Japanese characters have no form in code page 1252.
    const std::wstring name = std::wstring(folder.Path().begin(), folder.Path().end()) +
                              L"\\\u65E5\u672C.bin";
    TOpenDialog dialog(nullptr);
    DialogDriver driver([&](HWND box) { AcceptFileDialogWide(box, name); });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileNameWide(), name);
    EXPECT_FALSE(dialog.FileNameFitsAnsi());
    SetCurrentDirectoryA(folder.Path().c_str());
}

TEST(SaveDialog, AcceptsANewNameWithoutAQuestion)
{
    TempFolder folder;
    WriteFileBytes("old.cue", "x");
    TSaveDialog dialog(nullptr);
    dialog.SetFilter("Plik cue|*.cue");
    dialog.SetDefaultExt("*.cue");
    DialogDriver driver([&](HWND box) { AcceptFileDialog(box, folder.PathOf("old.cue")); });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), folder.PathOf("old.cue"));
}

TEST(InputBox, ReturnsTheTypedTextOnOk)
{
    std::string caption, prompt;
    DialogDriver driver([&](HWND box) {
        caption = DialogItemText(box, 0);
        prompt = DialogItemText(box, 100);
        HWND edit = GetDlgItem(box, 101);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("my disc.bin"));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(InputBox("Nazwa pliku obrazu", "Nazwa pliku obrazu", ""), "my disc.bin");
    EXPECT_EQ(caption, "Nazwa pliku obrazu");
    EXPECT_EQ(prompt, "Nazwa pliku obrazu");
}

TEST(InputBox, CancelReturnsTheDefaultEvenAfterTyping)
{
    std::string shownDefault;
    DialogDriver driver([&](HWND box) {
        shownDefault = DialogItemText(box, 101);
        SendMessageA(GetDlgItem(box, 101), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
        CancelDialog(box);
    });
    EXPECT_EQ(InputBox("c", "p", "start"), "start");
    EXPECT_EQ(shownDefault, "start");
}

TEST(InputBox, QueryTellsConfirmFromCancel)
{
    std::string value = "keep";
    {
        DialogDriver driver(CancelDialog);
        EXPECT_FALSE(InputQuery("c", "p", value));
    }
    EXPECT_EQ(value, "keep");
    {
        DialogDriver driver([](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
        EXPECT_TRUE(InputQuery("c", "p", value));
    }
    EXPECT_EQ(value, "keep");  // confirmed unchanged
}

} // namespace

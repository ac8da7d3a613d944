// The standard open dialog, filled in from a second thread as a person
// would.
#include "framework/forms/dialogs.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

// Runs the dialog while the driver does action on it.
template <class Dialog>
bool ExecuteWith(Dialog& dialog, const std::function<void(HWND)>& action)
{
    DialogDriver driver(action);
    const bool accepted = dialog.Execute();
    EXPECT_TRUE(driver.Handled());
    return accepted;
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
    EXPECT_FALSE(ExecuteWith(dialog, CancelDialog));  // cancelled first: no name
    EXPECT_EQ(dialog.FileName(), "");

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
    EXPECT_EQ(dialog.Files(), std::vector<std::string>{shorter});
    EXPECT_FALSE(ExecuteWith(dialog, CancelDialog));
    EXPECT_EQ(dialog.FileName(), shorter);
    SetCurrentDirectoryA(folder.Path().c_str());  // so the folder can be removed
}

} // namespace

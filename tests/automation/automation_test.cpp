// The automation library against a small program of its own in a second process.
#include "tests/automation/automation.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

TEST(Automation, DrivesAnotherProgramThroughDialogsAndMessageBoxes)
{
    TempFolder folder;
    WriteFileBytes("disc.iso", "x");
    TestProcess target(AUTOMATION_TARGET, folder.Path());
    const HICON stop = target.SystemBoxIcon(MB_ICONSTOP);
    const HICON information = target.SystemBoxIcon(MB_ICONINFORMATION);
    EXPECT_NE(stop, information);

    // Picked: an information box; cancelled: a stop box.
    for (bool accept : {true, false}) {
        HWND dialog = WaitForFileDialog(target.Id());
        ASSERT_NE(dialog, nullptr);
        if (accept)
            AcceptFileDialog(dialog, folder.PathOf("disc.iso"));
        else
            PressDialogButton(dialog, IDCANCEL);
        const MessageBoxSeen box = WaitForMessageBox(target.Id());
        EXPECT_EQ(box.caption, accept ? "Picked" : "Cancelled");
        EXPECT_EQ(box.text, accept ? folder.PathOf("disc.iso") : "Nothing");
        EXPECT_EQ(box.icon, accept ? information : stop);
        PressDialogButton(box.window, IDOK);
        EXPECT_TRUE(WaitUntilGone(box.window));
    }
    EXPECT_TRUE(target.ExitsCleanly());
}

} // namespace

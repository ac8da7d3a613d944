// The automation library against a small program of its own in a second process.
#include "tests/automation/automation.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

std::string ExeBeside(const std::string& name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string self = path;
    return self.substr(0, self.find_last_of('\\') + 1) + name;
}

TEST(Automation, DrivesAnotherProgramThroughDialogsAndMessageBoxes)
{
    TempFolder folder;
    WriteFileBytes("disc.iso", "x");
    TestProcess target(ExeBeside("automation_target.exe"), folder.Path());
    HWND main = WaitFor([&] { return FindTopWindow(target.Id(), "AutomationTarget"); });
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WindowText(main), "Automation Target");
    const HICON stop = SystemBoxIcon(target, MB_ICONSTOP);
    const HICON information = SystemBoxIcon(target, MB_ICONINFORMATION);
    ASSERT_NE(stop, nullptr);
    ASSERT_NE(information, nullptr);
    EXPECT_NE(stop, information);

    // Picked through the button found by its caption: an information box.
    Click(FindDescendant(main, "Button", L"Pick"));
    HWND dialog = WaitForFileDialog(target.Id());
    ASSERT_NE(dialog, nullptr);
    AcceptFileDialog(dialog, folder.PathOf("disc.iso"));
    MessageBoxSeen box = WaitForMessageBox(target.Id());
    EXPECT_EQ(box.caption, "Done");
    EXPECT_EQ(box.text, "Picked");
    EXPECT_EQ(box.icon, information);
    PressDialogButton(box.window, IDOK);
    EXPECT_TRUE(WaitUntilGone(box.window));
    EXPECT_EQ(ReadFileBytes(folder.PathOf("picked.txt")), folder.PathOf("disc.iso"));

    // Clicked at the button's place through the parent, then cancelled: a stop box.
    Click(main, 50, 22);
    dialog = WaitForFileDialog(target.Id());
    ASSERT_NE(dialog, nullptr);
    PressDialogButton(dialog, IDCANCEL);
    box = WaitForMessageBox(target.Id());
    EXPECT_EQ(box.caption, "Cancelled");
    EXPECT_EQ(box.icon, stop);
    PressDialogButton(box.window, IDOK);
    EXPECT_TRUE(WaitUntilGone(box.window));
    EXPECT_FALSE(DialogShown(target.Id()));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(target.ExitsCleanly());
}

} // namespace

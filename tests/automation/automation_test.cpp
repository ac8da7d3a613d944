// The automation library against a real second process.
#include "tests/automation/automation.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

std::string ExeBeside(const std::string& name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

TEST(Automation, DrivesAnotherProgramThroughDialogsAndMessageBoxes)
{
    TempFolder folder;
    WriteFileBytes("disc.iso", "x");
    TestProcess target(ExeBeside("automation_target.exe"), "", folder.Path());
    ASSERT_TRUE(target.Running());

    HWND main = WaitFor([&] { return FindTopWindow(target.Id(), "AutomationTarget"); });
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WindowText(main), "Automation Target");
    HWND pick = FindDescendant(main, "Button", "Pick");
    ASSERT_NE(pick, nullptr);

    Click(pick);
    HWND dialog = WaitForFileDialog(target.Id());
    ASSERT_NE(dialog, nullptr);
    AcceptFileDialog(dialog, folder.PathOf("disc.iso"));
    MessageBoxSeen box = WaitForMessageBox(target.Id());
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.caption, "Done");
    EXPECT_EQ(box.text, "Picked");
    PressDialogButton(box.window, IDOK);
    EXPECT_EQ(ReadFileBytes(folder.PathOf("picked.txt")), folder.PathOf("disc.iso"));

    // Wait for the box to go before the next click reaches the window.
    WaitFor([&]() -> HWND { return IsWindow(box.window) ? nullptr : main; });
    Click(main, 50, 22);  // the button's place, through the parent
    dialog = WaitForFileDialog(target.Id());
    ASSERT_NE(dialog, nullptr);
    PressDialogButton(dialog, IDCANCEL);
    box = WaitForMessageBox(target.Id());
    EXPECT_EQ(box.caption, "Cancelled");
    EXPECT_EQ(box.text, "Nothing");
    PressDialogButton(box.window, IDOK);

    WaitFor([&]() -> HWND { return IsWindow(box.window) ? nullptr : main; });
    PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD code = 1;
    EXPECT_TRUE(target.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
}

} // namespace

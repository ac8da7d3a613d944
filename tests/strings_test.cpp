#include "framework/base/exceptions.h"
#include "framework/components/strings.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(StringList, TextSplitsAtEveryKindOfBreak)
{
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines(std::string("x\0y", 3)), (Lines{"x", "y"}));
}

TEST(StringList, TextEndsEveryLineWithCrLf)
{
    TStringList list;
    list.Add("cue");
    list.Add("");
    list.Add("end");
    EXPECT_EQ(list.Text(), "cue\r\n\r\nend\r\n");
    list.SetText(list.Text());
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Strings(2), "end");
}

TEST(StringList, EditingAndBounds)
{
    TStringList list({"one", "two", "three"});
    list.Insert(1, "one and a half");
    list.Delete(0);
    list.Put(2, "THREE");
    EXPECT_EQ(list.ToVector(), (Lines{"one and a half", "two", "THREE"}));
    EXPECT_EQ(list.IndexOf("three"), 2);
    EXPECT_EQ(list.IndexOf("four"), -1);
    EXPECT_THROW(list.Get(3), EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_THROW(list.Insert(5, "x"), EStringListError);
    EXPECT_NO_THROW(list.Insert(3, "appended"));
}

TEST(StringList, SortedListsInsertInPlace)
{
    TStringList list({"pear", "Apple", "fig"});
    list.SetSorted(true);
    EXPECT_EQ(list.ToVector(), (Lines{"Apple", "fig", "pear"}));
    list.Add("banana");
    EXPECT_EQ(list.Strings(1), "banana");
    EXPECT_THROW(list.Put(0, "zzz"), EStringListError);
}

TEST(StringList, UpdateBatchesAreOneChange)
{
    TStringList list;
    int changing = 0, changed = 0;
    list.OnChanging = [&](TObject*) { ++changing; };
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changed;
    };
    list.Add("a");
    EXPECT_EQ(changed, 1);
    list.BeginUpdate();
    list.Add("b");
    list.BeginUpdate();
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changed, 1);
    list.EndUpdate();
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(changing, 2);
    list.SetText("x\ny\nz");
    EXPECT_EQ(changed, 3);
}

TEST(StringList, AssignCopiesOnlyFromStrings)
{
    TStringList a({"1", "2"}), b;
    b.Assign(&a);
    EXPECT_EQ(b.ToVector(), a.ToVector());
    try {
        b.Assign(nullptr);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a nil to a TStringList");
    }
}

TEST(StringList, FilesRoundTripWithCrLf)
{
    TempFolder folder;
    WriteFileBytes("in.cue", "FILE \"a\" BINARY\nTRACK\rINDEX");
    TStringList list;
    list.LoadFromFile("in.cue");
    EXPECT_EQ(list.Count(), 3);
    list.SaveToFile("out.cue");
    EXPECT_EQ(ReadFileBytes("out.cue"), "FILE \"a\" BINARY\r\nTRACK\r\nINDEX\r\n");
    EXPECT_THROW(list.LoadFromFile("missing.cue"), EFOpenError);
    EXPECT_EQ(list.Count(), 3);  // a failed load keeps the lines
}

} // namespace

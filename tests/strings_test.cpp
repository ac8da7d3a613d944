// String lists: splitting, editing, sorting, batched change notices, files.
#include "framework/base/exceptions.h"
#include "framework/components/strings.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(StringList, EditingSortingAndBounds)
{
    TStringList list({"one", "two", "three"});
    list.Insert(1, "one and a half");
    list.Delete(0);
    list.Put(2, "THREE");
    EXPECT_EQ(list.ToVector(), (Lines{"one and a half", "two", "THREE"}));
    EXPECT_EQ(std::make_pair(list.IndexOf("three"), list.IndexOf("four")), std::make_pair(2, -1));
    EXPECT_THROW(list.Get(3), EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_THROW(list.Insert(5, "x"), EStringListError);
    EXPECT_NO_THROW(list.Insert(3, "appended"));

    TStringList sorted({"pear", "Apple", "fig"});
    sorted.SetSorted(true);
    EXPECT_EQ(sorted.ToVector(), (Lines{"Apple", "fig", "pear"}));
    sorted.Add("banana");
    EXPECT_EQ(sorted.Strings(1), "banana");
    EXPECT_THROW(sorted.Put(0, "zzz"), EStringListError);
    EXPECT_THROW(sorted.Assign(nullptr), EConvertError);
}

TEST(StringList, UpdateBatchesAreOneChange)
{
    TStringList list;
    std::string events;
    list.OnChanging = [&](TObject*) { events += "<"; };
    list.OnChange = [&](TObject* sender) { events += sender == &list ? ">" : "?"; };
    list.Add("a");
    list.BeginUpdate();
    list.Add("b");
    list.BeginUpdate();
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(events, "<><");
    list.EndUpdate();
    list.SetText("x\ny\nz");
    EXPECT_EQ(events, "<><><>");
}

TEST(StringList, TextSplitsAtEveryKindOfBreakAndFilesEndEachLineWithCrLf)
{
    const std::pair<std::string, Lines> cases[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}}, {"a\n", {"a"}},   {"a\n\n", {"a", ""}},
        {"\r\n", {""}},                         {"", {}},         {std::string("x\0y", 3), {"x", "y"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitLines(c.first), c.second) << c.first;
    TempFolder folder;
    WriteFileBytes("in.cue", "FILE \"a\" BINARY\n\nTRACK\rINDEX");
    TStringList list;
    list.LoadFromFile("in.cue");
    list.SaveToFile("out.cue");
    EXPECT_EQ(ReadFileBytes("out.cue"), "FILE \"a\" BINARY\r\n\r\nTRACK\r\nINDEX\r\n");
    EXPECT_THROW(list.LoadFromFile("missing.cue"), EFOpenError);
    EXPECT_EQ(list.Count(), 4);  // a failed load keeps the lines
}

} // namespace

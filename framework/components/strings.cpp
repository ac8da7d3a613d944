#include "framework/components/strings.h"

#include "framework/base/streams.h"

#include <algorithm>
#include <cctype>

FW_IMPLEMENT_CLASS(TStrings, TPersistent)
FW_IMPLEMENT_CLASS(TStringList, TStrings)

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return !LessIgnoringCase(a, b) && !LessIgnoringCase(b, a);
}

} // namespace

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    const size_t n = text.size();
    while (start < n) {
        size_t end = start;
        while (end < n && text[end] != '\r' && text[end] != '\n' && text[end] != '\0')
            ++end;
        lines.push_back(text.substr(start, end - start));
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

void TStrings::Put(int index, const std::string& line)
{
    BeginUpdate();
    Delete(index);
    Insert(index, line);
    EndUpdate();
}

int TStrings::Add(const std::string& line)
{
    const int index = Count();
    Insert(index, line);
    return index;
}

void TStrings::AddStrings(const TStrings& other)
{
    BeginUpdate();
    for (int i = 0; i < other.Count(); ++i)
        Add(other.Get(i));
    EndUpdate();
}

int TStrings::IndexOf(const std::string& line) const
{
    for (int i = 0; i < Count(); ++i)
        if (SameIgnoringCase(Get(i), line))
            return i;
    return -1;
}

std::string TStrings::Text() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i)
        text += Get(i) + "\r\n";
    return text;
}

void TStrings::SetText(const std::string& text)
{
    SetFromVector(SplitLines(text));
}

std::vector<std::string> TStrings::ToVector() const
{
    std::vector<std::string> lines;
    for (int i = 0; i < Count(); ++i)
        lines.push_back(Get(i));
    return lines;
}

void TStrings::SetFromVector(const std::vector<std::string>& lines)
{
    BeginUpdate();
    Clear();
    for (const std::string& line : lines)
        Add(line);
    EndUpdate();
}

void TStrings::BeginUpdate()
{
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool)
{
}

void TStrings::LoadFromStream(TStream& stream)
{
    SetText(stream.ReadToEnd());
}

void TStrings::SaveToStream(TStream& stream) const
{
    const std::string text = Text();
    stream.WriteBuffer(text.data(), text.size());
}

void TStrings::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TStrings::SaveToFile(const std::string& fileName) const
{
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TStrings::Assign(const TPersistent* source)
{
    if (source && source->InheritsFrom(TStrings::StaticClass())) {
        SetFromVector(static_cast<const TStrings*>(source)->ToVector());
        return;
    }
    TPersistent::Assign(source);
}

std::string TStringList::Get(int index) const
{
    CheckIndex(index, Count() - 1);
    return lines_[size_t(index)];
}

void TStringList::Put(int index, const std::string& line)
{
    if (sorted_)
        throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(index, Count() - 1);
    Changing();
    lines_[size_t(index)] = line;
    Changed();
}

void TStringList::Insert(int index, const std::string& line)
{
    CheckIndex(index, Count());
    if (sorted_)
        index = int(std::upper_bound(lines_.begin(), lines_.end(), line, LessIgnoringCase) -
                    lines_.begin());
    Changing();
    lines_.insert(lines_.begin() + index, line);
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count() - 1);
    Changing();
    lines_.erase(lines_.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (lines_.empty())
        return;
    Changing();
    lines_.clear();
    Changed();
}

void TStringList::SetText(const std::string& text)
{
    BeginUpdate();
    lines_ = SplitLines(text);
    if (sorted_)
        std::stable_sort(lines_.begin(), lines_.end(), LessIgnoringCase);
    EndUpdate();
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted == sorted_)
        return;
    if (sorted)
        Sort();
    sorted_ = sorted;
}

void TStringList::Sort()
{
    Changing();
    std::stable_sort(lines_.begin(), lines_.end(), LessIgnoringCase);
    Changed();
}

// An update batch is one change: announced when it starts, reported when
// the outermost EndUpdate closes it.
void TStringList::SetUpdateState(bool updating)
{
    const TNotifyEvent& event = updating ? OnChanging : OnChange;
    if (event)
        event(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::CheckIndex(int index, int limit) const
{
    if (index < 0 || index > limit)
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

// TStrings: an ordered list of ANSI lines, and TStringList, its plain form.
#pragma once

#include "framework/base/events.h"
#include "framework/components/persistent.h"

#include <string>
#include <vector>

class TStream;

class TStrings : public TPersistent {
    FW_DECLARE_CLASS(TStrings)
public:
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& line);
    virtual void Insert(int index, const std::string& line) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    std::string Strings(int index) const { return Get(index); }
    int Add(const std::string& line);
    void AddStrings(const TStrings& other);
    int IndexOf(const std::string& line) const;  // case-insensitive; -1 when absent

    // Every line followed by CR LF. Setting splits at CR LF, lone CR, lone
    // LF and NUL; a break at the very end adds no empty line.
    virtual std::string Text() const;
    virtual void SetText(const std::string& text);

    std::vector<std::string> ToVector() const;
    void SetFromVector(const std::vector<std::string>& lines);

    // Batches changes: one change notification at the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    void Assign(const TPersistent* source) override;

protected:
    virtual void SetUpdateState(bool updating);

private:
    int updateCount_ = 0;
};

// Splits text into lines the way TStrings::SetText does. Byte-level.
std::vector<std::string> SplitLines(const std::string& text);

class TStringList : public TStrings {
    FW_DECLARE_CLASS(TStringList)
public:
    TStringList() = default;
    explicit TStringList(const std::vector<std::string>& lines) : lines_(lines) {}

    int Count() const override { return static_cast<int>(lines_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& line) override;
    void Insert(int index, const std::string& line) override;
    void Delete(int index) override;
    void Clear() override;
    void SetText(const std::string& text) override;

    // Kept in order (case-insensitive) while set; Insert then adds in place.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    void Sort();

    // Called after every change outside an update, and once at its end.
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;

private:
    void Changing();
    void Changed();
    void CheckIndex(int index, int limit) const;

    std::vector<std::string> lines_;
    bool sorted_ = false;
};

class EStringListError : public Exception {
public:
    using Exception::Exception;
};

#pragma once
// TStrings: the class library's list of strings, each with an associated
// object pointer (never owned); TStringList: the ordinary implementation,
// optionally sorted.
//
// Text forms:
// - Text: every string followed by CR LF; assigning splits at CR LF, LF
//   or CR.
// - CommaText: strings separated by commas, a string quoted in double
//   quotes (inner quotes doubled) when it holds a blank, a control
//   character, a comma or a quote; reading also splits at unquoted blanks.
// - Names and Values: strings of the form "Name=Value".
//
// Comparisons (IndexOf, IndexOfName, Find, sorting) ignore case unless a
// string list's CaseSensitive is set.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "vcl/classes/events.h"
#include "vcl/classes/persistent.h"

class TStream;

class TStrings : public TPersistent {
public:
    std::string ClassName() const override { return "TStrings"; }

    virtual int Count() const = 0;
    // Bad indexes raise EListError "List index out of bounds (n)".
    virtual std::string Strings(int index) const = 0;
    virtual void SetStrings(int index, const std::string& s);
    virtual TObject* Objects(int index) const = 0;
    virtual void SetObjects(int index, TObject* object) = 0;

    // Appends (or, in a sorted list, inserts in order); returns the index.
    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* object);
    virtual void AddStrings(const TStrings& strings);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);

    virtual int IndexOf(const std::string& s) const;
    int IndexOfName(const std::string& name) const;
    int IndexOfObject(const TObject* object) const;
    bool Equals(const TStrings& strings) const;

    // The part before the first "=" (empty when there is none).
    std::string Names(int index) const;
    // The part after "=" of the first string named `name`, else empty.
    std::string Values(const std::string& name) const;
    // Replaces or adds "name=value"; an empty value deletes the string.
    void SetValues(const std::string& name, const std::string& value);
    std::string ValueFromIndex(int index) const;

    std::string Text() const;
    virtual void SetText(const std::string& text);
    std::string CommaText() const;
    void SetCommaText(const std::string& text);

    // Copies the strings and objects of another TStrings.
    void Assign(const TPersistent* source) override;

    // Changes between BeginUpdate and the matching EndUpdate are reported
    // once, at the end.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Replaces the content with the rest of `stream`, taken as Text.
    virtual void LoadFromStream(TStream& stream);
    virtual void SaveToStream(TStream& stream) const;
    // The same over a file of the machine: read with others allowed to
    // read, written by creating (or emptying) the file.
    virtual void LoadFromFile(const std::string& fileName);
    virtual void SaveToFile(const std::string& fileName) const;

    // <0, 0 or >0 as `a` sorts before, with or after `b`.
    virtual int CompareStrings(const std::string& a, const std::string& b) const;

protected:
    // Told when the first BeginUpdate starts (true) and the last EndUpdate
    // ends (false).
    virtual void SetUpdateState(bool updating) { (void)updating; }

private:
    int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
    std::string ClassName() const override { return "TStringList"; }

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Strings(int index) const override;
    // The string at `index` without a copy, for readers of long lists; it
    // stays valid until the list changes.
    const std::string& StringAt(int index) const;
    // On a sorted list raises EListError "Operation not allowed on sorted list".
    void SetStrings(int index, const std::string& s) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;

    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* object) override;
    // On a sorted list raises "Operation not allowed on sorted list".
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    int IndexOf(const std::string& s) const override;

    // Binary search of a sorted list: true when found; `index` is where `s`
    // is (the first of equal strings) or would be inserted.
    bool Find(const std::string& s, int& index) const;
    void Sort();
    using TStringListSortCompare = int (*)(const TStringList& list, int index1, int index2);
    void CustomSort(TStringListSortCompare compare);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    // What Add does with a string already in a sorted list: dupIgnore keeps
    // one, dupAccept adds another, dupError raises EListError
    // "String list does not allow duplicates".
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive);
    int CompareStrings(const std::string& a, const std::string& b) const override;

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
    const TNotifyEvent& OnChanging() const { return onChanging_; }
    void SetOnChanging(TNotifyEvent handler) { onChanging_ = std::move(handler); }

protected:
    void SetUpdateState(bool updating) override;
    // Fire OnChanging / OnChange unless an update is under way.
    virtual void Changing();
    virtual void Changed();

private:
    struct Item {
        std::string text;
        TObject* object;
    };
    void CheckIndex(int index) const;
    void InsertItem(int index, const std::string& s, TObject* object);

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
    TNotifyEvent onChange_;
    TNotifyEvent onChanging_;
};

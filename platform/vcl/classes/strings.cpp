#include "vcl/classes/strings.h"

#include <algorithm>

#include "vcl/classes/filestream.h"
#include "vcl/classes/stream.h"
#include "vcl/classes/text_compare.h"
#include "vcl/system/exception.h"

namespace {

[[noreturn]] void IndexError(int index) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

[[noreturn]] void SortedListError() { throw EListError("Operation not allowed on sorted list"); }

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Strips the double quotes of a quoted CommaText item starting at `pos`
// (doubled quotes stand for one); an unclosed quote takes the rest.
std::string ExtractQuoted(const std::string& text, size_t& pos) {
    std::string result;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == '"') {
            if (pos + 1 < text.size() && text[pos + 1] == '"') {
                result += '"';
                pos += 2;
                continue;
            }
            ++pos;
            break;
        }
        result += text[pos++];
    }
    return result;
}

}  // namespace

// ---- TStrings ----

void TStrings::SetStrings(int index, const std::string& s) {
    TObject* object = Objects(index);
    Delete(index);
    InsertObject(index, s, object);
}

int TStrings::Add(const std::string& s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    const int index = Add(s);
    SetObjects(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& strings) {
    BeginUpdate();
    try {
        for (int i = 0; i < strings.Count(); ++i) AddObject(strings.Strings(i), strings.Objects(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
    Insert(index, s);
    SetObjects(index, object);
}

void TStrings::Exchange(int index1, int index2) {
    BeginUpdate();
    const std::string s1 = Strings(index1);
    TObject* o1 = Objects(index1);
    SetStrings(index1, Strings(index2));
    SetObjects(index1, Objects(index2));
    SetStrings(index2, s1);
    SetObjects(index2, o1);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    BeginUpdate();
    try {
        const std::string s = Strings(curIndex);
        TObject* object = Objects(curIndex);
        Delete(curIndex);
        InsertObject(newIndex, s, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::IndexOf(const std::string& s) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Strings(i), s) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Strings(i);
        const size_t eq = s.find('=');
        if (eq != std::string::npos && CompareStrings(s.substr(0, eq), name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (Objects(i) == object) return i;
    return -1;
}

bool TStrings::Equals(const TStrings& strings) const {
    if (Count() != strings.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Strings(i) != strings.Strings(i)) return false;
    return true;
}

std::string TStrings::Names(int index) const {
    const std::string s = Strings(index);
    const size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStrings::Values(const std::string& name) const {
    const int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

std::string TStrings::ValueFromIndex(int index) const {
    const std::string s = Strings(index);
    const size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(eq + 1);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
    int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    if (index < 0) {
        Add(name + "=" + value);
    } else {
        SetStrings(index, name + "=" + value);
    }
}

std::string TStrings::Text() const {
    std::string result;
    for (int i = 0; i < Count(); ++i) {
        result += Strings(i);
        result += "\r\n";
    }
    return result;
}

void TStrings::SetText(const std::string& text) {
    BeginUpdate();
    try {
        Clear();
        size_t pos = 0;
        while (pos < text.size()) {
            const size_t end = text.find_first_of("\r\n", pos);
            if (end == std::string::npos) {
                Add(text.substr(pos));
                break;
            }
            Add(text.substr(pos, end - pos));
            pos = end + 1;
            if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::CommaText() const {
    if (Count() == 1 && Strings(0).empty()) return "\"\"";
    std::string result;
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Strings(i);
        const bool quote = std::any_of(s.begin(), s.end(), [](char c) {
            return IsBlankOrControl(c) || c == '"' || c == ',';
        });
        if (i > 0) result += ',';
        if (!quote) {
            result += s;
            continue;
        }
        result += '"';
        for (char c : s) {
            if (c == '"') result += '"';
            result += c;
        }
        result += '"';
    }
    return result;
}

void TStrings::SetCommaText(const std::string& text) {
    BeginUpdate();
    try {
        Clear();
        size_t pos = 0;
        auto skipBlanks = [&] {
            while (pos < text.size() && IsBlankOrControl(text[pos])) ++pos;
        };
        skipBlanks();
        while (pos < text.size()) {
            if (text[pos] == '"') {
                Add(ExtractQuoted(text, pos));
            } else {
                const size_t start = pos;
                while (pos < text.size() && !IsBlankOrControl(text[pos]) && text[pos] != ',') ++pos;
                Add(text.substr(start, pos - start));
            }
            skipBlanks();
            if (pos < text.size() && text[pos] == ',') {
                if (pos + 1 == text.size()) Add("");
                ++pos;
                skipBlanks();
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Assign(const TPersistent* source) {
    const auto* strings = dynamic_cast<const TStrings*>(source);
    if (strings == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this) return;
    BeginUpdate();
    try {
        Clear();
        AddStrings(*strings);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (updateCount_ == 0) SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate() {
    if (updateCount_ == 0) return;
    --updateCount_;
    if (updateCount_ == 0) SetUpdateState(false);
}

void TStrings::LoadFromStream(TStream& stream) {
    const int64_t size = stream.Size() - stream.Position();
    std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    SetText(bytes);
}

void TStrings::SaveToStream(TStream& stream) const {
    const std::string text = Text();
    stream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TStrings::SaveToFile(const std::string& fileName) const {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

int TStrings::CompareStrings(const std::string& a, const std::string& b) const {
    return textcompare::CompareText(a, b);
}

// ---- TStringList ----

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

std::string TStringList::Strings(int index) const { return StringAt(index); }

const std::string& TStringList::StringAt(int index) const {
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].text;
}

void TStringList::SetStrings(int index, const std::string& s) {
    if (sorted_) SortedListError();
    CheckIndex(index);
    Changing();
    items_[static_cast<size_t>(index)].text = s;
    Changed();
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::SetObjects(int index, TObject* object) {
    CheckIndex(index);
    Changing();
    items_[static_cast<size_t>(index)].object = object;
    Changed();
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, TObject* object) {
    int index = Count();
    if (sorted_ && Find(s, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) throw EListError("String list does not allow duplicates");
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
    if (sorted_) SortedListError();
    if (index < 0 || index > Count()) IndexError(index);
    InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
    Changing();
    items_.insert(items_.begin() + index, Item{s, object});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    items_.clear();
    Changed();
}

void TStringList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
    Changed();
}

int TStringList::IndexOf(const std::string& s) const {
    if (!sorted_) return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::string& s, int& index) const {
    const auto it = std::lower_bound(items_.begin(), items_.end(), s, [this](const Item& item, const std::string& key) {
        return CompareStrings(item.text, key) < 0;
    });
    index = static_cast<int>(it - items_.begin());
    return it != items_.end() && CompareStrings(it->text, s) == 0;
}

void TStringList::Sort() {
    if (items_.size() < 2) return;
    Changing();
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item& a, const Item& b) { return CompareStrings(a.text, b.text) < 0; });
    Changed();
}

void TStringList::CustomSort(TStringListSortCompare compare) {
    if (items_.size() < 2) return;
    // The comparison reads the list by index, so sort a permutation and
    // apply it afterwards.
    std::vector<int> order(items_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    Changing();
    std::vector<Item> sortedItems;
    sortedItems.reserve(items_.size());
    for (int i : order) sortedItems.push_back(items_[static_cast<size_t>(i)]);
    items_ = std::move(sortedItems);
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted == sorted_) return;
    if (sorted) Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive == caseSensitive_) return;
    caseSensitive_ = caseSensitive;
    if (sorted_) Sort();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
    return caseSensitive_ ? textcompare::CompareStr(a, b) : textcompare::CompareText(a, b);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && onChanging_) onChanging_(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && onChange_) onChange_(this);
}

#include "vcl/forms/rich_edit_lines.h"

#include "vcl/classes/stream.h"
#include "vcl/forms/rich_edit.h"
#include "vcl/rtf/rtf_writer.h"
#include "vcl/system/exception.h"

void TRichEditLines::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

int TRichEditLines::Count() const {
    const TRichDocument& document = owner_.Document();
    return document.Length() == 0 ? 0 : static_cast<int>(document.Paragraphs().size());
}

int32_t TRichEditLines::StartOf(int index) const {
    int32_t pos = 0;
    const auto& paragraphs = owner_.Document().Paragraphs();
    for (int i = 0; i < index; ++i) pos += paragraphs[static_cast<size_t>(i)].Length() + 1;
    return pos;
}

std::string TRichEditLines::Strings(int index) const {
    CheckIndex(index, Count());
    return owner_.Document().Paragraphs()[static_cast<size_t>(index)].Text();
}

void TRichEditLines::SetStrings(int index, const std::string& s) {
    CheckIndex(index, Count());
    owner_.ReplaceRange(StartOf(index), owner_.Document().Paragraphs()[static_cast<size_t>(index)].Length(), s);
}

TObject* TRichEditLines::Objects(int index) const {
    CheckIndex(index, Count());
    return nullptr;
}

void TRichEditLines::SetObjects(int index, TObject* object) {
    CheckIndex(index, Count());
    (void)object;
}

void TRichEditLines::Insert(int index, const std::string& s) {
    const int count = Count();
    if (index < 0 || index > count) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    if (count == 0)
        owner_.ReplaceRange(0, owner_.Document().Length(), s);
    else if (index == count)
        owner_.ReplaceRange(owner_.Document().Length(), 0, "\r" + s);
    else
        owner_.ReplaceRange(StartOf(index), 0, s + "\r");
}

void TRichEditLines::Delete(int index) {
    const int count = Count();
    CheckIndex(index, count);
    const int32_t start = StartOf(index);
    const int32_t length = owner_.Document().Paragraphs()[static_cast<size_t>(index)].Length();
    if (count == 1)
        owner_.ReplaceRange(0, owner_.Document().Length(), "");
    else if (index == count - 1)
        owner_.ReplaceRange(start - 1, length + 1, "");  // with the paragraph end before it
    else
        owner_.ReplaceRange(start, length + 1, "");
}

void TRichEditLines::Clear() { owner_.Clear(); }

void TRichEditLines::SetText(const std::string& text) {
    std::string body = text;
    if (body.size() >= 2 && body.compare(body.size() - 2, 2, "\r\n") == 0) body.resize(body.size() - 2);
    else if (!body.empty() && (body.back() == '\n' || body.back() == '\r')) body.pop_back();
    owner_.ReplaceRange(0, owner_.Document().Length(), body);
}

void TRichEditLines::LoadFromStream(TStream& stream) {
    std::string bytes(static_cast<size_t>(stream.Size() - stream.Position()), '\0');
    if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    if (owner_.PlainText())
        SetText(bytes);
    else
        owner_.LoadRichText(bytes);
}

void TRichEditLines::SaveToStream(TStream& stream) const {
    const std::string bytes = owner_.PlainText() ? Text() : WriteRtf(owner_.Document());
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

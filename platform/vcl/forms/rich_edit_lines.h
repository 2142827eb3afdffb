#pragma once
// TRichEditLines: a rich edit's Lines, its paragraphs as strings. Changes
// go through the rich edit's review; a refused change leaves the text as
// it was. An empty rich edit has no lines.

#include "vcl/classes/strings.h"

class TRichEdit;

class TRichEditLines : public TStrings {
public:
    explicit TRichEditLines(TRichEdit& owner) : owner_(owner) {}
    std::string ClassName() const override { return "TRichEditStrings"; }

    int Count() const override;
    std::string Strings(int index) const override;
    void SetStrings(int index, const std::string& s) override;
    // Lines carry no objects.
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    void SetText(const std::string& text) override;

    // Rich text unless the rich edit's PlainText is set.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;

private:
    // The position where paragraph `index` starts.
    int32_t StartOf(int index) const;
    void CheckIndex(int index, int count) const;

    TRichEdit& owner_;
};

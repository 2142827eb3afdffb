#pragma once
// TTextAttributes: a rich edit's SelAttributes or DefAttributes. Reading
// gives the attributes of the selection's first character (or of the
// insertion point); setting one property changes only that attribute of
// the selection, through the rich edit's protection review.

#include <cstdint>
#include <string>

#include "vcl/classes/persistent.h"
#include "vcl/forms/graphics.h"
#include "vcl/rtf/rich_attributes.h"

class TRichEdit;

enum TAttributeType { atSelected, atDefaultText };

class TTextAttributes : public TPersistent {
public:
    TTextAttributes(TRichEdit& owner, TAttributeType type) : owner_(owner), type_(type) {}
    std::string ClassName() const override { return "TTextAttributes"; }

    std::string Name() const { return Get().Font.Name; }
    void SetName(const std::string& name);
    int32_t Size() const { return Get().SizePoints(); }
    void SetSize(int32_t points);
    int32_t Height() const { return -((Size() * 96 + 36) / 72); }
    TColor Color() const;
    void SetColor(TColor color);
    TFontStyles Style() const;
    void SetStyle(TFontStyles style);
    bool Protected() const { return Get().Protected; }
    void SetProtected(bool isProtected);
    // Which attributes the whole selection shares (TRichConsistent bits).
    uint32_t ConsistentAttributes() const;

    // Takes name, size, colour and style from a TFont or another
    // TTextAttributes.
    void Assign(const TPersistent* source) override;

protected:
    // Gives name, size, colour and style to a TFont.
    void AssignTo(TPersistent* dest) const override;

private:
    TRichAttributes Get() const;
    void Change(const TRichAttributeChange& change);

    TRichEdit& owner_;
    TAttributeType type_;
};

#include "vcl/forms/text_attributes.h"

#include "vcl/forms/rich_edit.h"

TRichAttributes TTextAttributes::Get() const {
    return type_ == atSelected ? owner_.SelectionAttributes() : owner_.Document().DefaultAttributes();
}

void TTextAttributes::Change(const TRichAttributeChange& change) {
    if (type_ == atSelected)
        owner_.ChangeSelectionAttributes(change);
    else
        owner_.ChangeDefaultAttributes(change);
}

void TTextAttributes::SetName(const std::string& name) {
    TRichAttributeChange change;
    change.Font = FontForName(name);
    Change(change);
}

void TTextAttributes::SetSize(int32_t points) {
    TRichAttributeChange change;
    change.HalfPoints = points * 2;
    Change(change);
}

TColor TTextAttributes::Color() const { return Get().Color; }

void TTextAttributes::SetColor(TColor color) {
    TRichAttributeChange change;
    change.Color = color;
    Change(change);
}

TFontStyles TTextAttributes::Style() const {
    const TRichAttributes a = Get();
    TFontStyles style;
    if (a.Bold) style.Include(fsBold);
    if (a.Italic) style.Include(fsItalic);
    if (a.Underline) style.Include(fsUnderline);
    if (a.StrikeOut) style.Include(fsStrikeOut);
    return style;
}

void TTextAttributes::SetStyle(TFontStyles style) {
    TRichAttributeChange change;
    change.Bold = style.Contains(fsBold);
    change.Italic = style.Contains(fsItalic);
    change.Underline = style.Contains(fsUnderline);
    change.StrikeOut = style.Contains(fsStrikeOut);
    Change(change);
}

void TTextAttributes::SetProtected(bool isProtected) {
    TRichAttributeChange change;
    change.Protected = isProtected;
    Change(change);
}

uint32_t TTextAttributes::ConsistentAttributes() const {
    return type_ == atSelected ? owner_.SelectionConsistentAttributes() : caAll;
}

void TTextAttributes::Assign(const TPersistent* source) {
    if (const auto* font = dynamic_cast<const TFont*>(source)) {
        TRichAttributeChange change;
        change.Font = FontForName(font->Name());
        change.HalfPoints = font->Size() * 2;
        change.Color = font->Color();
        change.Bold = font->Style().Contains(fsBold);
        change.Italic = font->Style().Contains(fsItalic);
        change.Underline = font->Style().Contains(fsUnderline);
        change.StrikeOut = font->Style().Contains(fsStrikeOut);
        Change(change);
        return;
    }
    if (const auto* other = dynamic_cast<const TTextAttributes*>(source)) {
        const TRichAttributes a = other->Get();
        TRichAttributeChange change;
        change.Font = a.Font;
        change.HalfPoints = a.HalfPoints;
        change.Bold = a.Bold;
        change.Italic = a.Italic;
        change.Underline = a.Underline;
        change.StrikeOut = a.StrikeOut;
        change.Color = a.Color;
        Change(change);
        return;
    }
    TPersistent::Assign(source);
}

void TTextAttributes::AssignTo(TPersistent* dest) const {
    if (auto* font = dynamic_cast<TFont*>(dest)) {
        const TRichAttributes a = Get();
        font->SetName(a.Font.Name);
        font->SetSize(a.SizePoints());
        font->SetColor(a.Color);
        font->SetStyle(Style());
        return;
    }
    TPersistent::AssignTo(dest);
}

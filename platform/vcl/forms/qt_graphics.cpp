#include "vcl/forms/qt_graphics.h"

#include "vcl/forms/qt_text.h"

QColor ToQColor(TColor color) {
    const int32_t rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

QFont ToQFont(const TFont& font) {
    QFont qfont(ToQString(font.Name()));
    if (font.Size() > 0) qfont.setPointSize(font.Size());
    qfont.setBold(font.Style().Contains(fsBold));
    qfont.setItalic(font.Style().Contains(fsItalic));
    qfont.setUnderline(font.Style().Contains(fsUnderline));
    qfont.setStrikeOut(font.Style().Contains(fsStrikeOut));
    return qfont;
}

void AssignQFont(const QFont& qfont, TFont& font) {
    font.SetName(FromQString(qfont.family()));
    if (qfont.pointSize() > 0) font.SetSize(qfont.pointSize());
    TFontStyles style;
    if (qfont.bold()) style.Include(fsBold);
    if (qfont.italic()) style.Include(fsItalic);
    if (qfont.underline()) style.Include(fsUnderline);
    if (qfont.strikeOut()) style.Include(fsStrikeOut);
    font.SetStyle(style);
}

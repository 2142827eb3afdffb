#pragma once
// Colours and fonts of the class library as Qt's.

#include <QColor>
#include <QFont>

#include "vcl/forms/graphics.h"

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
QFont ToQFont(const TFont& font);
// Name, size and style of `qfont` into `font` (its colour stays).
void AssignQFont(const QFont& qfont, TFont& font);

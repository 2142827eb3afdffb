#include "vcl/forms/qt_text.h"

#include "win32/codepage.h"

QString ToQString(const std::string& ansi) { return QString::fromStdString(win32::AnsiToUtf8(ansi)); }

std::string FromQString(const QString& text) { return win32::Utf8ToAnsi(text.toStdString()); }

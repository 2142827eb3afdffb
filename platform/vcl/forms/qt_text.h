#pragma once
// The edge between the class library's ANSI strings and Qt's Unicode ones.

#include <QString>
#include <string>

QString ToQString(const std::string& ansi);
std::string FromQString(const QString& text);

#include "support/IException.h"

#include "support/translator_entry.h"

IException::IException(const std::string& message) : Exception(MainTranslateText(message)) {}

IException::IException(std::string_view format, std::initializer_list<TVarRec> args)
    : Exception(Format(MainTranslateText(std::string(format)), args)) {}

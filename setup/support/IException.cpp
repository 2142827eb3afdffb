#include "support/IException.h"

#include "support/translator_entry.h"

IException::IException(const std::string& message) : ECustomQuorvelAbnormal(MainTranslateText(message)) {}

IException::IException(std::string_view format, std::initializer_list<TVarRec> args)
    : ECustomQuorvelAbnormal(Format(MainTranslateText(std::string(format)), args)) {}

#pragma once
// IException: the base of the setup program's translated error objects.
//
// Both constructors pass the English text through MainTranslateText first;
// the format form then fills the placeholders of the translated text, so a
// translation may move them:
//
//   throw IEInstall("Aborted by user");
//   throw EQrvlCompress("Cannot open the file %s", {name});
//
// The driver's exception unit takes this class over; every unit's own IE
// classes derive from it.

#include <initializer_list>
#include <string>
#include <string_view>

#include "support/quorvel_exceptions.h"
#include "vcl/system/format.h"

class IException : public ECustomQuorvelAbnormal {
public:
    explicit IException(const std::string& message);
    IException(std::string_view format, std::initializer_list<TVarRec> args);
};

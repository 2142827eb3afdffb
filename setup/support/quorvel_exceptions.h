#pragma once
// The roots of the setup program's exceptions: ECustomQuorvelAbnormal under
// everything the program raises of its own, EQuorvelAbnormal under the
// errors of the system routines and the archive engine. The translated
// install-object errors derive from IException, the other branch.

#include "vcl/system/exception.h"

class ECustomQuorvelAbnormal : public Exception {
public:
    using Exception::Exception;
};

class EQuorvelAbnormal : public ECustomQuorvelAbnormal {
public:
    using ECustomQuorvelAbnormal::ECustomQuorvelAbnormal;
};

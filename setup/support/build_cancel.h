#pragma once
// The build's cancel flag and its exception: the build window's Cancel
// button sets the flag, and the copy loops of a build raise
// EUserAbortInstall "Creating Install Aborted!" when they see it.
//
// The driver's build unit takes these over; the archive engine only reads
// the flag.

#include "vcl/system/exception.h"

class EUserAbortInstall : public Exception {
public:
    using Exception::Exception;
};

bool BuildCancelled();
void SetBuildCancelled(bool cancelled);

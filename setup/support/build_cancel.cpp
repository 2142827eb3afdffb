#include "support/build_cancel.h"

namespace {
bool cancelled = false;
}

bool BuildCancelled() { return cancelled; }
void SetBuildCancelled(bool value) { cancelled = value; }

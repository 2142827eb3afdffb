#pragma once
// The abort flag of the shared archive engine as the file containers read
// it at the end of their install pass (OnAfterInstallObjects' WasAborted).
//
// The object model does not reach the engine itself: the unit that owns
// the shared engine installs the query; without one nothing was aborted.

#include <functional>

bool ArchiveEngineAborted();
// Replaces the query (nullptr removes it); returns the previous one.
std::function<bool()> SetArchiveEngineAbortQuery(std::function<bool()> query);

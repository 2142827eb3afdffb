#pragma once
// Reading and extracting an archive given as bytes, the way the setup
// program reads an archive it did not write: the header table, every
// member's statistics, and the extraction of every member. Shared by the
// fuzz target and the test that replays its findings.

#include <string>

namespace archivetest {

// Writes `bytes` as C:\input.1 of the current machine and reads and
// extracts it into C:\out (emptied first). True when everything worked,
// false when the engine refused the archive with EQrvlCompress; any other
// exception passes on.
bool ReadAndExtractArchiveBytes(const std::string& bytes);

}  // namespace archivetest

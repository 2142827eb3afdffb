// libFuzzer target: arbitrary bytes as an archive, read and extracted on a
// fresh machine. The engine may refuse them only with EQrvlCompress; any
// other exception, a sanitizer report or a hang is a finding. Findings go
// into crashers/, which test_fuzz_findings.cpp replays in every build.

#include <cstddef>
#include <cstdint>
#include <string>

#include "support/fresh_machine.h"
#include "support_archive_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static testsupport::FreshMachine machine;
    archivetest::ReadAndExtractArchiveBytes(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}

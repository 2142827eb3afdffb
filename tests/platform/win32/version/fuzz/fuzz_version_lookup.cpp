// libFuzzer target: arbitrary bytes as a file whose version information a
// program asks for, on a fresh machine. The reader may refuse them only
// through the documented results (size 0, a failing VerQueryValue); an
// exception, a sanitizer report or a hang is a finding. Findings go into
// crashers/, which test_version_fuzz_findings.cpp replays in every build.

#include <cstddef>
#include <cstdint>
#include <string>

#include "support/fresh_machine.h"
#include "support_version_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static testsupport::FreshMachine machine;
    versionfuzz::LookUpVersionOfBytes(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}

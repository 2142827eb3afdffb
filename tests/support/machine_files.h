#pragma once
// Files of the current machine seen from the host, for tests that place
// fixtures on a machine or read back what the system wrote there.

#include <filesystem>
#include <string>

namespace testsupport {

// The host path of a Windows path of the current machine; throws
// std::runtime_error for a path that has none.
std::filesystem::path HostOf(const std::string& windowsPath);
// Writes `bytes` to the Windows path `to` (creating its folders) and
// returns `to`.
std::string PlaceBytes(const std::string& bytes, const std::string& to);
// The whole content of the file at a Windows path.
std::string MachineFileBytes(const std::string& windowsPath);

}  // namespace testsupport

#pragma once
// A temporary host folder for one test, removed with everything in it when
// the object goes out of scope.

#include <filesystem>
#include <string>

namespace testsupport {

class TempDir {
public:
    // Creates a new, empty folder under the host's temporary directory whose
    // name starts with `prefix`.
    explicit TempDir(const std::string& prefix = "quillery-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Host path of `relative` inside the folder.
    std::filesystem::path operator/(const std::string& relative) const { return path_ / relative; }

private:
    std::filesystem::path path_;
};

// Whole content of a host file as bytes; throws std::runtime_error when it
// cannot be read.
std::string ReadHostFile(const std::filesystem::path& path);
// Writes `bytes` to a host file, creating its parent folders.
void WriteHostFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace testsupport

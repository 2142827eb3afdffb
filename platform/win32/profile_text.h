#pragma once
// The text of a profile (INI) file as lines, edited in place so that
// everything not touched (comments, blank lines, order, spelling of names)
// stays as it was. Sections and keys are found without regard to case;
// the first of duplicates counts. Lines end with CR LF when written.

#include <optional>
#include <string>
#include <vector>

namespace win32 {

class ProfileText {
public:
    explicit ProfileText(const std::string& bytes = "");
    std::string Bytes() const;

    std::vector<std::string> SectionNames() const;
    bool HasSection(const std::string& section) const;
    // "key=value" lines of a section as they stand (comments left out).
    std::vector<std::string> SectionLines(const std::string& section) const;
    // The value of a key, trimmed, with one pair of surrounding quotes removed.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;

    // Sets a key (adding the section at the end of the file and the key after
    // the section's last entry when they are missing).
    void SetValue(const std::string& section, const std::string& key, const std::string& value);
    // Adds a line at the end of a section, even when its key repeats.
    void AppendLine(const std::string& section, const std::string& line);
    void DeleteKey(const std::string& section, const std::string& key);
    void DeleteSection(const std::string& section);

private:
    // Index of the section's header line; npos when missing.
    size_t FindSection(const std::string& section) const;
    // One past the last line that belongs to the section at `header`.
    size_t SectionEnd(size_t header) const;
    // Index of the key's line; npos when missing.
    size_t FindKey(const std::string& section, const std::string& key) const;
    size_t InsertionPoint(size_t header) const;
    size_t AddSection(const std::string& section);

    std::vector<std::string> lines_;
};

}  // namespace win32

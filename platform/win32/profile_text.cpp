#include "win32/profile_text.h"

#include "win32/host_names.h"

namespace win32 {

namespace {
constexpr size_t npos = std::string::npos;

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The section name of a header line "[name]", if it is one.
std::optional<std::string> HeaderName(const std::string& line) {
    const std::string text = Trim(line);
    if (text.size() < 2 || text.front() != '[') return std::nullopt;
    const size_t close = text.find(']');
    if (close == npos) return std::nullopt;
    return Trim(text.substr(1, close - 1));
}

bool IsComment(const std::string& line) {
    const std::string text = Trim(line);
    return text.empty() || text[0] == ';';
}

std::string KeyOf(const std::string& line) {
    const size_t eq = line.find('=');
    return Trim(eq == npos ? line : line.substr(0, eq));
}
}  // namespace

ProfileText::ProfileText(const std::string& bytes) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(line);
        start = end + 1;
    }
}

std::string ProfileText::Bytes() const {
    std::string bytes;
    for (const std::string& line : lines_) bytes += line + "\r\n";
    return bytes;
}

std::vector<std::string> ProfileText::SectionNames() const {
    std::vector<std::string> names;
    for (const std::string& line : lines_)
        if (auto name = HeaderName(line)) names.push_back(*name);
    return names;
}

size_t ProfileText::FindSection(const std::string& section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (auto name = HeaderName(lines_[i]); name && SameName(*name, Trim(section))) return i;
    return npos;
}

bool ProfileText::HasSection(const std::string& section) const { return FindSection(section) != npos; }

size_t ProfileText::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && !HeaderName(lines_[i])) ++i;
    return i;
}

std::vector<std::string> ProfileText::SectionLines(const std::string& section) const {
    std::vector<std::string> result;
    const size_t header = FindSection(section);
    if (header == npos) return result;
    for (size_t i = header + 1; i < SectionEnd(header); ++i)
        if (!IsComment(lines_[i])) result.push_back(Trim(lines_[i]));
    return result;
}

size_t ProfileText::FindKey(const std::string& section, const std::string& key) const {
    const size_t header = FindSection(section);
    if (header == npos) return npos;
    for (size_t i = header + 1; i < SectionEnd(header); ++i)
        if (!IsComment(lines_[i]) && SameName(KeyOf(lines_[i]), Trim(key))) return i;
    return npos;
}

std::optional<std::string> ProfileText::Value(const std::string& section, const std::string& key) const {
    const size_t line = FindKey(section, key);
    if (line == npos) return std::nullopt;
    const size_t eq = lines_[line].find('=');
    std::string value = eq == npos ? "" : Trim(lines_[line].substr(eq + 1));
    if (value.size() >= 2 && ((value.front() == '"' && value.back() == '"') ||
                              (value.front() == '\'' && value.back() == '\'')))
        value = value.substr(1, value.size() - 2);
    return value;
}

size_t ProfileText::InsertionPoint(size_t header) const {
    // After the last entry, so that blank lines before the next section stay there.
    size_t at = header + 1;
    for (size_t i = header + 1; i < SectionEnd(header); ++i)
        if (!Trim(lines_[i]).empty()) at = i + 1;
    return at;
}

size_t ProfileText::AddSection(const std::string& section) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + Trim(section) + "]");
    return lines_.size() - 1;
}

void ProfileText::SetValue(const std::string& section, const std::string& key, const std::string& value) {
    const std::string line = Trim(key) + "=" + value;
    if (const size_t at = FindKey(section, key); at != npos) {
        lines_[at] = line;
        return;
    }
    AppendLine(section, line);
}

void ProfileText::AppendLine(const std::string& section, const std::string& line) {
    size_t header = FindSection(section);
    if (header == npos) header = AddSection(section);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(InsertionPoint(header)), line);
}

void ProfileText::DeleteKey(const std::string& section, const std::string& key) {
    if (const size_t at = FindKey(section, key); at != npos) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
}

void ProfileText::DeleteSection(const std::string& section) {
    const size_t header = FindSection(section);
    if (header == npos) return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
}

}  // namespace win32

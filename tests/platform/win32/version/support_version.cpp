#include "support_version.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace versiontest {

std::filesystem::path Fixture(const std::string& name)
{
    return std::filesystem::path(QUILLERY_TEST_DIR) / "fixtures" / name;
}

std::string Utf16Hex(std::u16string_view text)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (char16_t c : text) {
        for (unsigned byte : {unsigned(c & 0xFF), unsigned(c >> 8)}) {
            hex.push_back(digits[byte >> 4]);
            hex.push_back(digits[byte & 15]);
        }
    }
    return hex;
}

PefileReport RunPefile(const std::filesystem::path& image)
{
    const std::string command =
        "/usr/bin/python3 '" + Fixture("pefile_dump.py").string() + "' '" + image.string() + "' 2>&1";
    std::string output;
    int status;
    {
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            throw std::runtime_error("cannot run " + command);
        char chunk[4096];
        size_t got;
        while ((got = fread(chunk, 1, sizeof chunk, pipe)) > 0)
            output.append(chunk, got);
        status = pclose(pipe);
    }
    if (status != 0)
        throw std::runtime_error(command + " failed:\n" + output);

    PefileReport report;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        if (kind == "location") {
            report.hasVersion = true;
            words >> report.offset >> report.size;
        } else if (kind == "fixed") {
            std::string field;
            uint32_t value;
            words >> field >> value;
            report.fixed[field] = value;
        } else if (kind == "string") {
            PefileString s;
            words >> s.table >> s.key >> s.utf16Hex;
            report.strings.push_back(s);
        } else if (kind == "translation") {
            uint16_t language, codePage;
            words >> language >> codePage;
            report.translations.emplace_back(language, codePage);
        } else if (kind != "none") {
            throw std::runtime_error("unexpected pefile output: " + line);
        }
    }
    return report;
}

}  // namespace versiontest

#include "win32/machine_config.h"

#include "win32/codepage.h"

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace win32 {

namespace {
constexpr const char* kFormat = "1";

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

class Entries {
public:
    Entries(const std::filesystem::path& file, std::map<std::string, std::string> values)
        : file_(file), values_(std::move(values)) {}

    const std::string& Text(const std::string& key) const {
        const auto it = values_.find(key);
        if (it == values_.end()) Fail("has no " + key + " entry");
        return it->second;
    }
    uint32_t Number(const std::string& key) const {
        const std::string& text = Text(key);
        uint32_t value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size() || text.empty())
            Fail("has a malformed " + key + " entry \"" + text + "\"");
        return value;
    }
    [[noreturn]] void Fail(const std::string& reason) const {
        throw MachineError("corrupt machine configuration " + file_.string() + ": it " + reason);
    }

private:
    std::filesystem::path file_;
    std::map<std::string, std::string> values_;
};
}  // namespace

MachineConfig ReadMachineConfig(const std::filesystem::path& folder) {
    const auto file = folder / kMachineConfigFile;
    std::ifstream in(file, std::ios::binary);
    if (!in) throw MachineError("not a machine folder: " + folder.string() + " has no " + kMachineConfigFile);
    std::map<std::string, std::string> values;
    bool sawSection = false;
    std::string line;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line == "[Machine]") {
            sawSection = true;
            continue;
        }
        const auto eq = line.find('=');
        if (!sawSection || eq == std::string::npos)
            Entries(file, {}).Fail("has an unreadable line \"" + line + "\"");
        values[Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
    }
    const Entries entries(file, std::move(values));
    if (entries.Text("Format") != kFormat) entries.Fail("has the unknown format " + entries.Text("Format"));
    MachineConfig config;
    config.version.platformId = entries.Number("Platform");
    config.version.major = entries.Number("Major");
    config.version.minor = entries.Number("Minor");
    config.version.build = entries.Number("Build");
    config.version.servicePack = entries.Text("ServicePack");
    config.userName = entries.Text("UserName");
    config.computerName = entries.Text("ComputerName");
    config.codePage = entries.Number("CodePage");
    if (config.version.platformId > VER_PLATFORM_WIN32_NT) entries.Fail("names an unknown platform");
    if (!IsValidCodePage(config.codePage) || config.codePage == CP_ACP || config.codePage == CP_UTF8)
        entries.Fail("names the unsupported code page " + std::to_string(config.codePage));
    if (config.userName.empty()) entries.Fail("has an empty UserName");
    if (config.computerName.empty()) entries.Fail("has an empty ComputerName");
    return config;
}

void WriteMachineConfig(const std::filesystem::path& folder, const MachineConfig& config) {
    std::ostringstream text;
    const char* eol = "\r\n";
    text << "; The simulated Windows machine of Quillery." << eol << "[Machine]" << eol  //
         << "Format=" << kFormat << eol                                                 //
         << "Version=" << WindowsVersionName(config.version) << eol                     //
         << "Platform=" << config.version.platformId << eol                             //
         << "Major=" << config.version.major << eol                                     //
         << "Minor=" << config.version.minor << eol                                     //
         << "Build=" << config.version.build << eol                                     //
         << "ServicePack=" << config.version.servicePack << eol                         //
         << "UserName=" << config.userName << eol                                       //
         << "ComputerName=" << config.computerName << eol                               //
         << "CodePage=" << config.codePage << eol;
    const auto file = folder / kMachineConfigFile;
    const auto temporary = folder / (std::string(kMachineConfigFile) + ".new");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text.str();
        if (!out.flush()) throw MachineError("cannot write the machine configuration " + temporary.string());
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) throw MachineError("cannot write the machine configuration " + file.string() + ": " + error.message());
}

}  // namespace win32

// reg export and reg import, over the registry file format of the
// machine's registry.

#include <string>

#include "machine_commands.h"
#include "win32/file_contents.h"
#include "win32/registry/registry_file.h"
#include "win32/registry/registry_store.h"

namespace machinetool {

namespace {
constexpr const char* kUsage = "usage: machine reg export [KEY] [--regedit4] | reg import FILE";

int Export(const std::vector<std::string>& words, std::ostream& out) {
    std::string key;
    bool keyGiven = false;
    win32::RegistryFileFormat format = win32::RegistryFileFormat::Version5;
    for (const std::string& word : words) {
        if (word == "--regedit4") format = win32::RegistryFileFormat::Regedit4;
        else if (word.rfind("--", 0) == 0 || keyGiven) throw ToolError(kUsage);
        else {
            key = Typed(word);
            keyGiven = true;
        }
    }
    try {
        out << win32::ExportRegistry(win32::CurrentRegistryStore(), key, format);
    } catch (const win32::RegistryFileError& e) {
        throw ToolError(Shown(e.what()));
    }
    return 0;
}

int Import(const std::vector<std::string>& words, std::ostream& out) {
    if (words.size() != 1) throw ToolError(kUsage);
    const std::string path = WindowsPathArgument(words[0]);
    const auto bytes = win32::ReadWholeFile(path);
    if (!bytes) throw ToolError(LastErrorText(path));
    try {
        win32::ImportRegistry(win32::CurrentRegistryStore(), *bytes);
    } catch (const win32::RegistryFileError& e) {
        // Nothing was changed; the message names the faulty line.
        throw std::runtime_error(Shown(path) + ": " + Shown(e.what()));
    }
    out << "Imported " << Shown(path) << "\n";
    return 0;
}
}  // namespace

int RegistryCommand(const Invocation& call, std::ostream& out) {
    if (call.rest.empty()) throw ToolError(kUsage);
    const std::string& action = call.rest[0];
    const std::vector<std::string> words(call.rest.begin() + 1, call.rest.end());
    if (action != "export" && action != "import") throw ToolError(kUsage);
    OpenMachine(call.folder);
    return action == "export" ? Export(words, out) : Import(words, out);
}

}  // namespace machinetool

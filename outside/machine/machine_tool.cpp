#include "machine_tool.h"

#include <functional>
#include <map>
#include <optional>

#include "machine_commands.h"
#include "win32/machine.h"

namespace machinetool {

namespace {
const char* kUsage =
    "usage: machine [--machine DIR] create [--version 95|98|ME|NT4|2000|XP|unknown] [--user NAME] | info | "
    "ls WINPATH | cat WINPATH | floppy insert [LABEL] | reg export [KEY] [--regedit4] | reg import FILE | "
    "reboot | version PATH | run WINPATH [ARGS...]";

Invocation Parse(const std::vector<std::string>& args) {
    Invocation call;
    std::optional<std::filesystem::path> folder;
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] != "--machine" || i + 1 >= args.size()) throw ToolError(kUsage);
        folder = args[++i];
    }
    if (i >= args.size()) throw ToolError(kUsage);
    call.command = args[i];
    call.rest.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    call.folder = folder ? *folder : win32::DefaultMachineFolder();
    return call;
}
}  // namespace

int RunMachineTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    static const std::map<std::string, std::function<int(const Invocation&, std::ostream&)>> commands = {
        {"create", CreateCommand}, {"info", InfoCommand},       {"ls", ListCommand},
        {"cat", CatCommand},       {"floppy", FloppyCommand},   {"reg", RegistryCommand},
        {"reboot", RebootCommand}, {"version", VersionCommand}, {"run", RunCommand},
    };
    try {
        const Invocation call = Parse(args);
        const auto command = commands.find(call.command);
        if (command == commands.end()) throw ToolError("unknown command \"" + call.command + "\"; " + kUsage);
        return command->second(call, out);
    } catch (const ToolError& e) {
        err << "machine: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        err << "machine: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace machinetool

// A host program for the process tests: appends what it was started with
// (working directory, machine, show state, arguments) to
// "report.txt" in the machine folder it was given, and obeys two arguments:
// "wait-for=<host file>" waits until that file exists, "exit=<n>" ends with
// code n.

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    const char* machine = std::getenv("QUILLERY_MACHINE");
    const char* show = std::getenv("QUILLERY_SHOW_WINDOW");
    if (machine == nullptr) return 99;
    std::ofstream report(std::filesystem::path(machine) / "report.txt", std::ios::app | std::ios::binary);
    report << "run\n"
           << "cwd=" << std::filesystem::current_path().string() << "\n"
           << "show=" << (show ? show : "none") << "\n";
    int exitCode = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        report << "arg=" << arg << "\n";
        if (arg.rfind("exit=", 0) == 0) exitCode = std::atoi(arg.c_str() + 5);
        if (arg.rfind("wait-for=", 0) == 0) {
            report.flush();
            const std::filesystem::path file = arg.substr(9);
            for (int tries = 0; tries < 6000 && !std::filesystem::exists(file); ++tries)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    return exitCode;
}

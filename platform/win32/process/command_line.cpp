#include "win32/process/command_line.h"

namespace win32 {

namespace {
bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::vector<std::string> CommandLineWords(const std::string& commandLine) {
    std::vector<std::string> words;
    size_t i = 0;
    while (true) {
        while (i < commandLine.size() && IsSeparator(commandLine[i])) ++i;
        if (i == commandLine.size()) break;
        std::string word;
        bool quoted = false;
        for (; i < commandLine.size() && (quoted || !IsSeparator(commandLine[i])); ++i) {
            if (commandLine[i] == '"') quoted = !quoted;
            else word.push_back(commandLine[i]);
        }
        words.push_back(word);
    }
    return words;
}

CommandLineHead SplitCommandLine(const std::string& commandLine) {
    CommandLineHead head;
    size_t i = 0;
    while (i < commandLine.size() && IsSeparator(commandLine[i])) ++i;
    if (i < commandLine.size() && commandLine[i] == '"') {
        const size_t close = commandLine.find('"', i + 1);
        head.quoted = true;
        head.program = commandLine.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
        i = close == std::string::npos ? commandLine.size() : close + 1;
    } else {
        const size_t start = i;
        while (i < commandLine.size() && !IsSeparator(commandLine[i])) ++i;
        head.program = commandLine.substr(start, i - start);
    }
    while (i < commandLine.size() && IsSeparator(commandLine[i])) ++i;
    head.rest = commandLine.substr(i);
    return head;
}

std::string QuoteCommandLineWord(const std::string& word) {
    if (!word.empty() && word.find_first_of(" \t") == std::string::npos) return word;
    return "\"" + word + "\"";
}

}  // namespace win32

#include "win32/process/batch_interpreter.h"

#include <cctype>
#include <map>

#include "win32/directories.h"
#include "win32/errors.h"
#include "win32/file_contents.h"
#include "win32/host_names.h"
#include "win32/machine.h"
#include "win32/process/batch_file_commands.h"

namespace win32 {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimLeft(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    return s.substr(i);
}

std::string Trim(const std::string& s) {
    std::string t = TrimLeft(s);
    while (!t.empty() && IsBlank(t.back())) t.pop_back();
    return t;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\x1A') break;  // end of a DOS text file
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// Blank-separated words; double quotes group and are removed.
std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (IsBlank(c) && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// The first word of a command and the text after it. A command name ends
// at a blank, or at "." "/" for forms like "ECHO." and "DEL/Q".
std::pair<std::string, std::string> SplitCommand(const std::string& line) {
    size_t end = 0;
    while (end < line.size() && !IsBlank(line[end]) && line[end] != '/' && !(end > 0 && line[end] == '.' &&
                                                                            UpperName(line.substr(0, end)) == "ECHO"))
        ++end;
    return {UpperName(line.substr(0, end)), line.substr(end)};
}

class Interpreter {
public:
    Interpreter(const std::string& batchFile, const std::vector<std::string>& args) {
        params_.push_back(batchFile);
        params_.insert(params_.end(), args.begin(), args.end());
    }

    BatchRun Run(const std::string& text) {
        const std::vector<std::string> lines = SplitLines(text);
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string t = TrimLeft(lines[i]);
            if (t.size() > 1 && t[0] == ':' && t[1] != ':')
                labels_.emplace(UpperName(SplitWords(t.substr(1)).empty() ? "" : SplitWords(t.substr(1))[0]), i);
        }
        for (pc_ = 0; pc_ < lines.size() && !ended_;) {
            const size_t lineNumber = pc_ + 1;
            const std::string original = lines[pc_++];
            line_ = {lineNumber, original};
            std::string line = TrimLeft(original);
            bool hidden = false;
            if (!line.empty() && line[0] == '@') {
                hidden = true;
                line = TrimLeft(line.substr(1));
            }
            if (line.empty() || line[0] == ':') continue;
            line = Expand(line);
            if (echo_ && !hidden) run_.output.push_back(GetCurrentDirectory() + ">" + line);
            Execute(line);
        }
        run_.exitCode = errorLevel_;
        return run_;
    }

private:
    std::string Expand(const std::string& line) const {
        std::string out;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '%' || i + 1 == line.size()) {
                out.push_back(line[i]);
            } else if (line[i + 1] == '%') {
                out.push_back('%');
                ++i;
            } else if (std::isdigit(static_cast<unsigned char>(line[i + 1]))) {
                const size_t n = static_cast<size_t>(line[i + 1] - '0');
                if (n < params_.size()) out += params_[n];
                ++i;
            } else {
                out.push_back('%');
            }
        }
        return out;
    }

    void Report(const BatchCommandResult& result) {
        run_.output.insert(run_.output.end(), result.messages.begin(), result.messages.end());
        errorLevel_ = result.ok ? 0 : 1;
        if (!result.ok) Error(result.messages.empty() ? "failed" : result.messages.back(), false);
    }

    void Error(const std::string& message, bool print) {
        if (print) run_.output.push_back(message);
        run_.errors.push_back("line " + std::to_string(line_.first) + ": " + Trim(line_.second) + ": " + message);
        errorLevel_ = 1;
    }

    // The names of an ERASE/DEL/DELTREE: the switches, then the words, or
    // the unquoted words joined into one name with blanks when that name is
    // meant (see IsOneName).
    static std::vector<std::string> NameArguments(const std::string& rest) {
        std::vector<std::string> switches, names;
        for (const std::string& w : SplitWords(rest)) (w.size() > 1 && w[0] == '/' ? switches : names).push_back(w);
        if (names.size() > 1 && rest.find('"') == std::string::npos) {
            std::string joined;
            for (const std::string& n : names) joined += (joined.empty() ? "" : " ") + n;
            if (IsOneName(joined, names)) names = {joined};
        }
        switches.insert(switches.end(), names.begin(), names.end());
        return switches;
    }

    // A name with blanks is one name when it exists, or when it is a full
    // path whose folder exists and none of its pieces but the first is a
    // full path of its own.
    static bool IsOneName(const std::string& joined, const std::vector<std::string>& pieces) {
        if (PathExists(joined)) return true;
        auto isFull = [](const std::string& w) { return w.size() >= 3 && w[1] == ':' && w[2] == '\\'; };
        if (!isFull(pieces[0])) return false;
        for (size_t i = 1; i < pieces.size(); ++i)
            if (isFull(pieces[i])) return false;
        const size_t slash = joined.rfind('\\');
        return PathExists(joined.substr(0, slash == 2 ? 3 : slash));
    }

    void Execute(const std::string& line) {
        const auto [command, rest] = SplitCommand(line);
        if (command == "REM" || command.rfind("::", 0) == 0) return;
        if (command == "ECHO") return Echo(rest);
        if (command == "ERASE" || command == "DEL") return Report(EraseCommand(NameArguments(rest)));
        if (command == "DELTREE") return Report(DeltreeCommand(NameArguments(rest)));
        if (command == "MOVE") return Report(MoveCommand(SplitWords(rest)));
        if (command == "COPY") return Report(CopyCommand(SplitWords(rest)));
        if (command == "MD" || command == "MKDIR") return Report(MakeDirectoryCommand(SplitWords(rest)));
        if (command == "RD" || command == "RMDIR") return Report(RemoveDirectoryCommand(SplitWords(rest)));
        if (command == "CD" || command == "CHDIR") return ChangeDirectory(rest);
        if (command == "GOTO") return Goto(rest);
        if (command == "IF") return If(rest);
        if (command == "EXIT") return Exit(rest);
        if (command == "PAUSE" || command == "CLS") return;
        if (command.size() == 2 && command[1] == ':' && Trim(rest).empty()) return;
        Unknown(command, line);
    }

    void Unknown(const std::string& command, const std::string& line) {
        const std::vector<std::string> words = SplitWords(line);
        const std::string name = words.empty() ? command : words[0];
        if (Is9xFamily(CurrentMachine().Config().version)) {
            Error("Bad command or file name", true);
        } else {
            run_.output.push_back("'" + name + "' is not recognized as an internal or external command,");
            Error("operable program or batch file.", true);
        }
    }

    void Echo(const std::string& rest) {
        if (!rest.empty() && rest[0] == '.') {
            run_.output.push_back(rest.substr(1));
            return;
        }
        const std::string text = Trim(rest);
        const std::string upper = UpperName(text);
        if (upper == "OFF") echo_ = false;
        else if (upper == "ON") echo_ = true;
        else if (text.empty()) run_.output.push_back(echo_ ? "ECHO is on." : "ECHO is off.");
        else run_.output.push_back(TrimLeft(rest));
    }

    void ChangeDirectory(const std::string& rest) {
        const std::vector<std::string> words = SplitWords(rest);
        if (words.empty()) {
            run_.output.push_back(GetCurrentDirectory());
            return;
        }
        if (!SetCurrentDirectory(words[0])) Error(SystemErrorMessage(GetLastError()), true);
    }

    void Goto(const std::string& rest) {
        const std::vector<std::string> words = SplitWords(rest);
        std::string label = words.empty() ? "" : UpperName(words[0]);
        if (!label.empty() && label[0] == ':') label.erase(0, 1);
        if (label == "EOF") {
            ended_ = true;
            return;
        }
        const auto found = labels_.find(label);
        if (found == labels_.end()) {
            Error(Is9xFamily(CurrentMachine().Config().version) ? "Label not found"
                                                                 : "The system cannot find the batch label specified - " +
                                                                       (words.empty() ? std::string() : words[0]),
                  true);
            ended_ = true;
            return;
        }
        pc_ = found->second + 1;
    }

    void If(const std::string& rest) {
        std::string text = TrimLeft(rest);
        bool negate = false;
        if (UpperName(text.substr(0, FirstWordLength(text))) == "NOT") {
            negate = true;
            text = TrimLeft(text.substr(3));
        }
        const std::string keyword = UpperName(text.substr(0, FirstWordLength(text)));
        bool condition;
        if (keyword == "EXIST" || keyword == "ERRORLEVEL") {
            text = TrimLeft(text.substr(keyword.size()));
            const size_t length = FirstWordLength(text);
            const std::vector<std::string> operand = SplitWords(text.substr(0, length));
            text = TrimLeft(text.substr(length));
            if (operand.empty()) return Error("The syntax of the command is incorrect.", true);
            if (keyword == "EXIST") {
                condition = PathExists(operand[0]);
            } else {
                if (operand[0].find_first_not_of("0123456789") != std::string::npos || operand[0].size() > 9)
                    return Error("The syntax of the command is incorrect.", true);
                condition = errorLevel_ >= std::stoi(operand[0]);
            }
        } else {
            // a==b: the two words compared as written, quotes included.
            const size_t eq = text.find("==");
            if (eq == std::string::npos) return Error("The syntax of the command is incorrect.", true);
            const std::string left = Trim(text.substr(0, eq));
            const std::string after = TrimLeft(text.substr(eq + 2));
            const size_t length = FirstWordLength(after);
            condition = left == after.substr(0, length);
            text = TrimLeft(after.substr(length));
        }
        if (text.empty()) return Error("The syntax of the command is incorrect.", true);
        if (condition != negate) Execute(text);
    }

    // The length of the first word of `text`, quotes included.
    static size_t FirstWordLength(const std::string& text) {
        bool quoted = false;
        size_t i = 0;
        for (; i < text.size(); ++i) {
            if (text[i] == '"') quoted = !quoted;
            else if (IsBlank(text[i]) && !quoted) break;
        }
        return i;
    }

    void Exit(const std::string& rest) {
        const std::vector<std::string> words = SplitWords(rest);
        size_t i = 0;
        if (!words.empty() && UpperName(words[0]) == "/B") ++i;
        if (i < words.size()) {
            try {
                errorLevel_ = std::stoi(words[i]);
            } catch (const std::exception&) {
                errorLevel_ = 0;
            }
        }
        ended_ = true;
    }

    std::vector<std::string> params_;
    std::map<std::string, size_t> labels_;
    std::pair<size_t, std::string> line_;
    size_t pc_ = 0;
    bool echo_ = true;
    bool ended_ = false;
    int errorLevel_ = 0;
    BatchRun run_;
};

}  // namespace

BatchRun RunBatchText(const std::string& text, const std::string& batchFile, const std::vector<std::string>& args) {
    return Interpreter(batchFile, args).Run(text);
}

BatchRun RunBatchFile(const std::string& batchFile, const std::vector<std::string>& args) {
    const std::optional<std::string> text = ReadWholeFile(batchFile);
    if (!text) {
        BatchRun run;
        run.exitCode = 1;
        run.errors.push_back(batchFile + ": " + SystemErrorMessage(GetLastError()));
        return run;
    }
    return RunBatchText(*text, batchFile, args);
}

}  // namespace win32

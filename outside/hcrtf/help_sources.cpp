#include "help_sources.h"

#include <fstream>
#include <cctype>
#include <set>
#include <sstream>

#include "vcl/rtf/rtf_tokenizer.h"
#include "vcl/system/ansistrings.h"
#include "vcl/system/paths.h"
#include "vcl/system/strutils.h"
#include "win32/paths.h"

namespace {

bool ReadFile(const std::string& path, std::string& bytes) {
    const auto resolved = win32::ResolveExisting(path);
    if (!resolved || resolved->isDirectory) return false;
    std::ifstream in(resolved->host, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    bytes = content.str();
    return static_cast<bool>(in);
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// A name of a source taken from the help project's folder.
std::string FromFolder(const std::string& folder, const std::string& name) {
    if (name.size() > 1 && (name[1] == ':' || name[0] == '\\')) return name;
    return folder + (name.rfind(".\\", 0) == 0 ? name.substr(2) : name);
}

struct HelpProject {
    std::string contents;
    std::string helpFile;
    std::vector<std::string> topicFiles;
};

HelpProject ParseHelpProject(const std::string& bytes) {
    HelpProject project;
    std::string section;
    for (const std::string& raw : Lines(bytes)) {
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[') {
            section = UpperCase(line);
        } else if (section == "[OPTIONS]") {
            const size_t equals = line.find('=');
            if (equals == std::string::npos) continue;
            const std::string key = UpperCase(Trim(line.substr(0, equals)));
            if (key == "CNT") project.contents = Trim(line.substr(equals + 1));
            if (key == "HLP") project.helpFile = Trim(line.substr(equals + 1));
        } else if (section == "[FILES]") {
            project.topicFiles.push_back(line);
        }
    }
    return project;
}

// What a topic file holds, as the compiler would read it.
struct TopicFile {
    std::vector<std::string> definedIds;
    std::vector<std::string> jumps;
    std::vector<std::string> bitmaps;
    std::vector<std::string> problems;
    int topics = 0;
};

TopicFile ScanTopicFile(const std::string& rtf) {
    TopicFile file;
    TRtfTokenizer tokenizer(rtf);
    int depth = 0;
    bool closed = false;
    bool first = true;
    // Groups whose text is collected: footnotes after "#", hidden text.
    enum class Collect { None, TopicId, Jump };
    struct Group {
        Collect collect = Collect::None;
        std::string text;
    };
    std::vector<Group> groups;
    std::string plain;  // the text of the file, escapes resolved
    char lastText = 0;
    for (TRtfToken token = tokenizer.Next(); token.kind != TRtfToken::tkEnd; token = tokenizer.Next()) {
        if (closed) {
            if (token.kind != TRtfToken::tkText || !std::isspace(static_cast<unsigned char>(token.ch))) {
                file.problems.push_back("text after the end of the document");
                break;
            }
            continue;
        }
        if (first) {
            first = false;
            if (token.kind != TRtfToken::tkGroupOpen) {
                file.problems.push_back("not an RTF file");
                return file;
            }
        }
        switch (token.kind) {
        case TRtfToken::tkGroupOpen:
            ++depth;
            groups.push_back({});
            break;
        case TRtfToken::tkGroupClose: {
            const Group group = groups.back();
            groups.pop_back();
            if (group.collect == Collect::TopicId) file.definedIds.push_back(Trim(group.text));
            // A jump may name a window (">win") or another file ("@file") after its ID.
            if (group.collect == Collect::Jump) file.jumps.push_back(Trim(group.text.substr(0, group.text.find_first_of(">@"))));
            if (--depth == 0) closed = true;
            break;
        }
        case TRtfToken::tkWord:
            if (token.word == "footnote" && lastText == '#') groups.back().collect = Collect::TopicId;
            if (token.word == "v") groups.back().collect = Collect::Jump;
            if (token.word == "page") ++file.topics;
            lastText = 0;
            break;
        case TRtfToken::tkSymbol:
        case TRtfToken::tkHex:
        case TRtfToken::tkText:
            if (token.kind == TRtfToken::tkSymbol && token.ch != '{' && token.ch != '}' && token.ch != '\\') break;
            for (Group& group : groups) group.text += token.ch;
            plain += token.ch;
            if (token.kind == TRtfToken::tkText) lastText = token.ch;
            break;
        case TRtfToken::tkEnd: break;
        }
    }
    if (first) file.problems.push_back("the file is empty");
    else if (!closed && file.problems.empty()) file.problems.push_back("unbalanced braces: a group is not closed");
    // Bitmap references in the visible text.
    for (const char* command : {"{bmc ", "{bml ", "{bmr "}) {
        for (size_t at = plain.find(command); at != std::string::npos; at = plain.find(command, at + 1)) {
            const size_t end = plain.find('}', at);
            if (end == std::string::npos) {
                file.problems.push_back("a bitmap reference without its closing brace");
                break;
            }
            file.bitmaps.push_back(Trim(plain.substr(at + 5, end - at - 5)));
        }
    }
    return file;
}

bool Defined(const std::set<std::string>& ids, const std::string& id) { return ids.count(AnsiUpperCase(id)) > 0; }

}  // namespace

THelpSourcesReport CheckHelpSources(const std::string& helpProjectPath) {
    THelpSourcesReport report;
    const std::string folder = ExtractFilePath(helpProjectPath);
    std::string bytes;
    if (!ReadFile(helpProjectPath, bytes)) {
        report.Errors.push_back(helpProjectPath + ": the help project cannot be read");
        return report;
    }
    report.Checked.push_back(helpProjectPath);
    const HelpProject project = ParseHelpProject(bytes);
    if (project.helpFile.empty()) report.Errors.push_back(helpProjectPath + ": no help file (HLP=) is named");
    if (project.topicFiles.empty()) report.Errors.push_back(helpProjectPath + ": no topic file is named in [FILES]");

    std::set<std::string> ids;
    std::vector<std::pair<std::string, std::string>> jumps;  // file, ID
    for (const std::string& name : project.topicFiles) {
        const std::string path = FromFolder(folder, name);
        if (!ReadFile(path, bytes)) {
            report.Errors.push_back(path + ": the topic file cannot be read");
            continue;
        }
        report.Checked.push_back(path);
        const TopicFile topics = ScanTopicFile(bytes);
        report.Topics += topics.topics;
        for (const std::string& problem : topics.problems) report.Errors.push_back(path + ": " + problem);
        for (const std::string& id : topics.definedIds) {
            if (id.empty()) report.Errors.push_back(path + ": a topic has an empty topic ID");
            else if (!ids.insert(AnsiUpperCase(id)).second)
                report.Errors.push_back(path + ": the topic ID " + id + " is defined more than once");
        }
        for (const std::string& id : topics.jumps) jumps.emplace_back(path, id);
        for (const std::string& bitmap : topics.bitmaps) {
            const std::string file = FromFolder(folder, bitmap);
            const auto resolved = win32::ResolveExisting(file);
            if (!resolved || resolved->isDirectory) report.Errors.push_back(path + ": the bitmap " + file + " does not exist");
        }
    }
    for (const auto& [path, id] : jumps)
        if (!Defined(ids, id)) report.Errors.push_back(path + ": a jump or popup names the undefined topic ID " + id);

    if (!project.contents.empty()) {
        const std::string path = FromFolder(folder, project.contents);
        if (!ReadFile(path, bytes)) {
            report.Errors.push_back(path + ": the contents file cannot be read");
        } else {
            report.Checked.push_back(path);
            int lineNumber = 0;
            for (const std::string& line : Lines(bytes)) {
                ++lineNumber;
                if (line.empty() || line[0] == ':' || line[0] == ';') continue;
                const std::string where = path + " line " + std::to_string(lineNumber) + ": ";
                const size_t blank = line.find(' ');
                const std::string level = line.substr(0, blank);
                if (blank == std::string::npos || level.empty() ||
                    level.find_first_not_of("0123456789") != std::string::npos) {
                    report.Errors.push_back(where + "not a contents entry (level, blank, text)");
                    continue;
                }
                const size_t equals = line.find('=', blank);
                if (equals == std::string::npos) continue;  // a group
                const std::string id = Trim(line.substr(equals + 1));
                if (id.empty()) report.Errors.push_back(where + "the topic has no topic ID");
                else if (!Defined(ids, id)) report.Errors.push_back(where + "the topic names the undefined topic ID " + id);
            }
        }
    }
    return report;
}

#pragma once
// Small builders for the help build's tests: a project of pages, links and
// contents entries, page sources given as their RTF lines, and a message
// recorder in place of the window's message boxes.

#include <string>
#include <vector>

#include "build/BuildMessages.h"
#include "model/HelpProject.h"

namespace buildtest {

class RecordedMessages : public IBuildMessages {
public:
    void Show(const std::string& message) override { shown.push_back(message); }
    std::vector<std::string> shown;
};

// Replaces the lines of `lines`.
void SetLines(TStrings& lines, const std::vector<std::string>& text);

// A page appended to the project, with its topic ID and content lines.
TPageObject& AddPage(THelpProject& project, const std::string& name, const std::string& topicId,
                     const std::vector<std::string>& content = {});
// A link of `page`, owned by it.
TLinkObject& AddLink(TPageObject& page, const std::string& name, const std::string& pageName,
                     const std::string& text, bool popup = false);
// A contents entry at `depth` (0 = top level).
void AddToc(THelpProject& project, int depth, const std::string& name, bool isGroup,
            const std::string& pageName = "");

// `text` with every "\n" made "\r\n", so that expected output can be
// written as raw strings of several lines.
std::string Crlf(const std::string& text);

// The RTF source the control writes for a page "See <marker> here", the
// marker being green, underlined and protected, in Arial.
std::vector<std::string> MarkerPage(const std::string& marker);

}  // namespace buildtest

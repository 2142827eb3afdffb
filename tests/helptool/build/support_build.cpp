#include "support_build.h"

#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "model/TOCObject.h"

namespace buildtest {

void SetLines(TStrings& lines, const std::vector<std::string>& text) {
    lines.Clear();
    for (const std::string& line : text) lines.Add(line);
}

TPageObject& AddPage(THelpProject& project, const std::string& name, const std::string& topicId,
                     const std::vector<std::string>& content) {
    TPageObject* page = project.CreatePage(name);
    page->TopicID = topicId;
    SetLines(page->Content, content);
    return *page;
}

TLinkObject& AddLink(TPageObject& page, const std::string& name, const std::string& pageName,
                     const std::string& text, bool popup) {
    auto* link = new TLinkObject(name);
    link->PageName = pageName;
    link->Text = text;
    link->Popup = popup;
    page.Links.AddObject(name, link);
    return *link;
}

void AddToc(THelpProject& project, int depth, const std::string& name, bool isGroup, const std::string& pageName) {
    auto* entry = new TTocObject(name, isGroup);
    entry->PageName = pageName;
    project.Globals.TocList.AddObject(std::string(depth, '\t') + name, entry);
}

std::string Crlf(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::vector<std::string> MarkerPage(const std::string& marker) {
    return {"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}",
            "{\\colortbl ;\\red0\\green128\\blue0;}",
            "\\viewkind4\\uc1\\pard\\f0\\fs20 See \\cf1\\ul\\protect " + marker + "\\cf0\\ulnone\\protect0  here\\par",
            "}"};
}

}  // namespace buildtest

#include "support_dialogs.h"

#include "model/TOCObject.h"
#include "vcl/forms/application.h"

namespace dialogtest {

void AddEntries(THelpProject& project, const std::vector<TEntry>& entries) {
    for (const TEntry& e : entries) {
        auto* entry = new TTocObject(e.Line.substr(e.Line.find_first_not_of('\t')), e.IsGroup);
        entry->PageName = e.PageName;
        project.Globals.TocList.AddObject(e.Line, entry);
    }
}

std::vector<std::string> OutlineLines(const THelpProject& project) {
    std::vector<std::string> lines;
    for (int i = 0; i < project.Globals.TocList.Count(); ++i) lines.push_back(project.Globals.TocList.Strings(i));
    return lines;
}

std::vector<std::string> OutlineEntries(const THelpProject& project) {
    std::vector<std::string> entries;
    for (int i = 0; i < project.Globals.TocList.Count(); ++i) {
        const TTocObject& e = *TocAt(project.Globals.TocList, i);
        entries.push_back(e.Name + "|" + e.PageName + "|" + (e.IsGroup ? "G" : "T"));
    }
    return entries;
}

DialogTest::DialogTest() { Application->SetTitle("Quillery"); }

}  // namespace dialogtest

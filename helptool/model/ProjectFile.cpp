#include "model/ProjectFile.h"

#include <memory>

#include "model/HelpProject.h"
#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "model/ProjectLines.h"
#include "model/TOCObject.h"
#include "model/WholeFile.h"

namespace {

// Pages are formatted in memory and go to the file in blocks of about this
// size.
constexpr size_t kFlushSize = 64 * 1024;

void WritePage(TProjectLineWriter& out, const TPageObject& page) {
    out.WriteString(page.Name);
    out.WriteString(page.TopicID);
    out.WriteString(page.TopicTitle);
    out.WriteString(page.IndexKeywords);
    out.WriteLines(page.Content);
    out.WriteLines(page.Header);
    out.WriteInteger(page.Links.Count());
    for (int i = 0; i < page.Links.Count(); ++i) {
        const TLinkObject& link = *LinkAt(page.Links, i);
        out.WriteString(link.Name);
        out.WriteString(link.PageName);
        out.WriteString(link.Text);
        out.WriteBoolean(link.Popup);
    }
    out.WriteLines(page.Pictures);
}

// The page of the next lines; it belongs to the caller once complete.
std::unique_ptr<TPageObject> ReadPage(TProjectLineReader& in) {
    auto page = std::make_unique<TPageObject>(in.ReadString());
    page->TopicID = in.ReadString();
    page->TopicTitle = in.ReadString();
    page->IndexKeywords = in.ReadString();
    in.ReadLines(page->Content);
    in.ReadLines(page->Header);
    const int32_t links = in.ReadCount();
    for (int32_t i = 0; i < links; ++i) {
        auto link = std::make_unique<TLinkObject>(in.ReadString());
        link->PageName = in.ReadString();
        link->Text = in.ReadString();
        link->Popup = in.ReadBoolean();
        const std::string name = link->Name;
        page->Links.AddObject(name, link.release());
    }
    in.ReadLines(page->Pictures);
    return page;
}

}  // namespace

void WriteProjectFile(const THelpProject& project, const std::string& fileName) {
    const TGlobals& globals = project.Globals;
    TProjectLineWriter out;
    out.WriteString(globals.HelpFileName);
    out.WriteInteger(globals.PageColor);
    out.WriteInteger(globals.HeaderColor);
    out.WriteInteger(globals.WindowLeft);
    out.WriteInteger(globals.WindowTop);
    out.WriteInteger(globals.WindowWidth);
    out.WriteInteger(globals.WindowHeight);
    out.WriteInteger(globals.TocList.Count());
    for (int i = 0; i < globals.TocList.Count(); ++i) {
        const TTocObject& entry = *TocAt(globals.TocList, i);
        out.WriteString(globals.TocList.Strings(i));
        out.WriteString(entry.Name);
        out.WriteString(entry.PageName);
        out.WriteBoolean(entry.IsGroup);
    }
    out.WriteInteger(project.Pages.Count());
    TSafeFileWriter file(fileName);
    for (int i = 0; i < project.Pages.Count(); ++i) {
        WritePage(out, *project.PageAt(i));
        if (out.PendingSize() >= kFlushSize) file.Write(out.TakeBytes());
    }
    file.Write(out.TakeBytes());
    file.Commit();
}

void ReadProjectFile(THelpProject& project, const std::string& fileName) {
    const std::string bytes = ReadWholeFile(fileName);
    TProjectLineReader in(bytes);
    TGlobals& globals = project.Globals;
    globals.HelpFileName = in.ReadString();
    globals.PageColor = in.ReadInteger();
    globals.HeaderColor = in.ReadInteger();
    globals.WindowLeft = in.ReadInteger();
    globals.WindowTop = in.ReadInteger();
    globals.WindowWidth = in.ReadInteger();
    globals.WindowHeight = in.ReadInteger();
    const int32_t entries = in.ReadCount();
    for (int32_t i = 0; i < entries; ++i) {
        const std::string outline = in.ReadString();
        auto entry = std::make_unique<TTocObject>();
        entry->Name = in.ReadString();
        entry->PageName = in.ReadString();
        entry->IsGroup = in.ReadBoolean();
        globals.TocList.AddObject(outline, entry.release());
    }
    const int32_t pages = in.ReadCount();
    for (int32_t i = 0; i < pages; ++i) {
        std::unique_ptr<TPageObject> page = ReadPage(in);
        const std::string name = page->Name;
        project.Pages.AddObject(name, page.release());
    }
}

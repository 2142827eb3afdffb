#include "support/generated_project.h"

#include "model/LinkObject.h"
#include "model/PageObject.h"
#include "model/TOCObject.h"
#include "vcl/system/convert.h"

namespace benchsupport {

std::unique_ptr<THelpProject> GenerateProject(int pages) {
    auto project = std::make_unique<THelpProject>();
    project->Globals.HelpFileName = "Bench";
    for (int i = 0; i < pages; ++i) {
        const std::string name = "Page " + IntToStr(i);
        auto* entry = new TTocObject(name, false);
        entry->PageName = name;
        project->Globals.TocList.AddObject("\t" + name, entry);

        TPageObject* page = project->CreatePage(name);
        page->TopicID = "IDH_PAGE_" + IntToStr(i);
        page->TopicTitle = "Title of " + name;
        page->IndexKeywords = "bench;" + name;
        page->Content.Add("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}");
        page->Content.Add("{\\colortbl ;\\red0\\green128\\blue0;}");
        for (int line = 0; line < 17; ++line)
            page->Content.Add("\\viewkind4\\uc1\\pard\\f0\\fs20 Some text of the page with a "
                              "\\cf1\\ul\\protect ##Link " + IntToStr(line % 3) + "##\\cf0\\ulnone\\protect0  in it.\\par");
        page->Content.Add("}");
        page->Header.Add("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}");
        page->Header.Add("\\pard\\b " + name + "\\b0\\par }");
        for (int link = 0; link < 3; ++link) {
            auto* object = new TLinkObject("Link " + IntToStr(link));
            object->PageName = "Page " + IntToStr((i + link + 1) % pages);
            object->Text = "see page " + IntToStr(link);
            object->Popup = link == 2;
            page->Links.AddObject(object->Name, object);
        }
        page->Pictures.Add("C:\\Pictures\\picture" + IntToStr(i) + ".bmp");
        page->Pictures.Add("C:\\Pictures\\shared.bmp");
    }
    return project;
}

}  // namespace benchsupport

#include "build/ContentsFile.h"

#include "build/BuildMessages.h"
#include "build/BuildTextFile.h"
#include "build/PageIndex.h"
#include "model/Globals.h"
#include "model/PageObject.h"
#include "model/TOCObject.h"

namespace {

int Level(const std::string& outlineLine) {
    const size_t tabs = outlineLine.find_first_not_of('\t');
    return 1 + static_cast<int>(tabs == std::string::npos ? outlineLine.size() : tabs);
}

}  // namespace

bool WriteContentsFile(TBuildTextFile& file, const std::string& helpFileName, const TStrings& tocList,
                       const TPageIndex& pages, IBuildMessages& messages) {
    file.WriteLine(":Base " + helpFileName + ".hlp");
    for (int i = 0; i < tocList.Count(); ++i) {
        const TTocObject* entry = TocAt(tocList, i);
        std::string text = entry->Name;
        if (!entry->IsGroup) {
            // A topic without a page never has one, whatever the pages are named.
            const TPageObject* page = entry->PageName.empty() ? nullptr : pages.Find(entry->PageName);
            if (!page) {
                messages.Show("Error in Table of contents!");
                messages.Show("Topic linked to page that does not exist.");
                return false;
            }
            text += "=" + page->TopicID;
        }
        file.WriteLine(std::to_string(Level(tocList.Strings(i))) + " " + text);
    }
    return true;
}

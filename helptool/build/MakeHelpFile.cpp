#include "build/MakeHelpFile.h"

#include "build/BuildMessages.h"
#include "build/BuildTextFile.h"
#include "build/ContentsFile.h"
#include "build/HelpCompiler.h"
#include "build/HelpProjectFile.h"
#include "build/MergedTables.h"
#include "build/PageIndex.h"
#include "build/RichTextConverter.h"
#include "build/TopicWriter.h"
#include "model/HelpProject.h"
#include "vcl/system/paths.h"

std::string HelpBuildFileName(const TGlobals& globals, const std::string& extension) {
    return ExtractFilePath(globals.ProjectFileName) + globals.HelpFileName + extension;
}

TMakeResult MakeHelpFile(THelpProject& project, IBuildMessages& messages, const TMakeOptions& options) {
    const TGlobals& globals = project.Globals;
    if (globals.HelpFileName.empty()) {
        messages.Show("You must set the Help File Name for the project before you can make the help file.");
        return TMakeResult::NotRun;
    }
    if (globals.ProjectFileName.empty()) {
        messages.Show("Please save the project before creating the help file.");
        return TMakeResult::NotRun;
    }
    project.CommitAndShow();
    const TStringList& pages = project.Pages;
    bool buildErrors = false;
    const TPageIndex index(pages);

    TBuildTextFile topicFile(HelpBuildFileName(globals, ".qrt"));
    const TMergedTables tables = MergeTables(pages);
    const TTopicContext context{tables, index, messages};
    // A link that leads nowhere breaks the help file, so it counts as an
    // error of the build.
    if (WriteTopicFile(topicFile, pages, context).LinkErrors) buildErrors = true;
    topicFile.Close();

    TBuildTextFile contentsFile(HelpBuildFileName(globals, ".cnt"));
    if (!WriteContentsFile(contentsFile, globals.HelpFileName, globals.TocList, index, messages)) buildErrors = true;
    contentsFile.Close();

    const std::string helpProject = HelpBuildFileName(globals, ".qhp");
    TBuildTextFile projectFile(helpProject);
    WriteHelpProjectFile(projectFile, globals);
    projectFile.Close();

    if (options.StartCompiler && !StartHelpCompiler(options.Owner, options.ProgramFolder, helpProject)) {
        messages.Show("The help compiler could not be started: " + HelpCompilerPath(options.ProgramFolder));
        buildErrors = true;
    }

    if (buildErrors) {
        messages.Show("The file had errors and was not created successfully.");
        return TMakeResult::HadErrors;
    }
    messages.Show("The file was created successfully.");
    return TMakeResult::Succeeded;
}

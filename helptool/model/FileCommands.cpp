#include "model/FileCommands.h"

#include "model/HelpProject.h"
#include "model/ProjectFile.h"

std::string FileNameStatusText(const std::string& fileName) { return "File Name:  " + fileName; }

void TFileCommands::New() {
    if (project_.Globals.Modified && window_.AskYesNo(kSaveChangesQuestion)) Save();
    project_.Reset();
    window_.SetStatusText(FileNameStatusText(project_.Globals.ProjectFileName));
}

void TFileCommands::Open() {
    const std::optional<std::string> fileName = window_.ChooseFileToOpen(kProjectFilter, kProjectExtension);
    if (fileName) OpenFile(*fileName);
}

void TFileCommands::OpenFile(const std::string& fileName) {
    LoadProject(fileName);
    project_.Globals.ProjectFileName = fileName;
}

void TFileCommands::Save() {
    if (project_.Globals.ProjectFileName.empty())
        SaveAs();
    else
        SaveProject();
}

void TFileCommands::SaveAs() {
    const std::optional<std::string> fileName = window_.ChooseFileToSave(kProjectFilter, kProjectExtension);
    if (!fileName) return;
    project_.Globals.ProjectFileName = *fileName;
    window_.SetStatusText(FileNameStatusText(*fileName));
    SaveProject();
}

bool TFileCommands::CloseQuery() {
    return !project_.Globals.Modified || window_.AskYesNo(kLoseChangesQuestion);
}

void TFileCommands::LoadProject(const std::string& fileName) {
    New();
    ReadProjectFile(project_, fileName);
    window_.SetStatusText(FileNameStatusText(fileName));
}

void TFileCommands::SaveProject() {
    project_.CommitAndShow();
    WriteProjectFile(project_, project_.Globals.ProjectFileName);
    project_.Globals.Modified = false;
}

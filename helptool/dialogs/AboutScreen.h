#pragma once
// The Help menu: the about box TfrmAbout, which shows the program's file
// version, and the tool's own help file.

#include <string>

#include "vcl/forms/form.h"

class TLabel;

class TfrmAbout : public TForm {
public:
    explicit TfrmAbout(TComponent* owner) : TForm(owner) {}
    std::string ClassName() const override { return "TfrmAbout"; }
    static void Register();

    TLabel& VersionLabel() const;
    // Shows the running program's file version in the version label.
    void FormCreate(TObject* sender);
};

// The "FileVersion" of the string table 040904E4 in the version
// information of the file at the Windows path `fileName`; empty when the
// file has no version information or no such value.
std::string FileVersionText(const std::string& fileName);

// "&About": TfrmAbout, modally.
void ShowAbout(TComponent* owner);

// "&Help File": the help file `helpFile` (a Windows path) at the topic
// "Overview", through the application's help viewer (which tells the user
// when none is configured).
void OpenProgramHelp(const std::string& helpFile);

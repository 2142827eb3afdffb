#pragma once
// The help file as a whole: its name, and the colours of the help window
// in TfrmWindowSetup, whose two colour panels (pnlHeaderColor,
// pnlPageColor) open the colour dialog when clicked.

#include <string>

#include "vcl/forms/form.h"

class THelpProject;
class TPanel;

class TfrmWindowSetup : public TForm {
public:
    explicit TfrmWindowSetup(TComponent* owner) : TForm(owner) {}
    std::string ClassName() const override { return "TfrmWindowSetup"; }
    static void Register();

    TPanel& HeaderColorPanel() const;
    TPanel& PageColorPanel() const;

    // The colour dialog preset to the panel's colour; a confirmed colour
    // becomes the panel's, a cancelled dialog leaves it.
    void pnlPageColorClick(TObject* sender);
    void pnlHeaderColorClick(TObject* sender);

private:
    void ChooseColorOf(TPanel& panel);
};

// "&Help File Name": an input box with the current HelpFileName; a
// non-empty answer becomes the name, an empty one keeps it. Sets Modified.
void AskHelpFileName(THelpProject& project);

// "Help &Window Colors": the window with the panels showing PageColor and
// HeaderColor. However it closes (OK or its close box), the panels'
// colours are stored back and Modified is set; returns true then, so that
// the caller shows PageColor in its page editor.
bool RunWindowSetup(THelpProject& project, TComponent* owner);

#pragma once
// TQtDialogs: the dialogs service that shows real Qt dialogs (the default
// service). File dialogs browse the host and answer with Windows paths
// (host_paths.h).

#include <QStringList>

#include "vcl/forms/dialog_service.h"

class TQtDialogs : public TDialogService {
public:
    TModalResult ShowMessageQuestion(const TMessageQuestion& question) override;
    bool AskInput(const TInputQuestion& question, std::string& value) override;
    bool ChooseFile(const TFileQuestion& question, TFileAnswer& answer) override;
    bool ChooseFont(TFont& font) override;
    bool ChooseColor(TColor& color) override;
};

// "Help Project|*.qpx|All Files|*.*" as Qt's name filters
// ("Help Project (*.qpx)", "All Files (*.*)"); patterns separated by ";"
// in a pair become blank-separated.
QStringList ToQtNameFilters(const std::string& filter);

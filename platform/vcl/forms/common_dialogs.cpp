#include "vcl/forms/common_dialogs.h"

std::string AddDefaultExt(const std::string& name, const std::string& defaultExt) {
    if (defaultExt.empty() || name.empty()) return name;
    const size_t lastPart = name.find_last_of("\\/:");
    const size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && (lastPart == std::string::npos || dot > lastPart);
    return hasExtension ? name : name + "." + defaultExt;
}

bool TOpenDialog::Execute() {
    TFileQuestion question;
    question.Save = IsSave();
    question.Title = title_;
    question.Filter = filter_;
    question.FilterIndex = filterIndex_;
    question.InitialDir = initialDir_;
    question.FileName = fileName_;
    question.DefaultExt = defaultExt_;
    question.Options = options_;
    TFileAnswer answer;
    if (!DialogService().ChooseFile(question, answer)) return false;
    fileName_ = AddDefaultExt(answer.FileName, defaultExt_);
    filterIndex_ = answer.FilterIndex;
    return true;
}

bool TFontDialog::Execute() {
    TFont chosen;
    chosen.Assign(&font_);
    if (!DialogService().ChooseFont(chosen)) return false;
    font_.Assign(&chosen);
    return true;
}

bool TColorDialog::Execute() {
    TColor chosen = color_;
    if (!DialogService().ChooseColor(chosen)) return false;
    color_ = chosen;
    return true;
}

#include "support/translator_entry.h"

#include <utility>

namespace {
TMainTranslator*& Installed() {
    static TMainTranslator* translator = nullptr;
    return translator;
}
}  // namespace

TMainTranslator* MainTranslator() { return Installed(); }

TMainTranslator* SetMainTranslator(TMainTranslator* translator) { return std::exchange(Installed(), translator); }

std::string MainTranslateText(const std::string& text) {
    return Installed() != nullptr ? Installed()->TranslateText(qlEnglish, text) : text;
}

void MainSetFonts(TControl* control, bool force) {
    if (Installed() != nullptr) Installed()->SetControlFonts(control, force);
}

void MainSetFontsInto(TQrvlLanguage target, TControl* control, bool force) {
    if (Installed() != nullptr) Installed()->SetControlFontsInto(target, control, force);
}

TQrvlLanguage MainTranslateComponent(TQrvlLanguage source, TComponent* component) {
    return Installed() != nullptr ? Installed()->TranslateComponent(source, component) : source;
}

TQrvlLanguage MainTranslateComponentInto(TQrvlLanguage source, TQrvlLanguage target, TComponent* component) {
    return Installed() != nullptr ? Installed()->TranslateComponentInto(source, target, component) : source;
}

#pragma once
// The program-wide translator entry points that error objects, messages
// and dialogs call: English texts are written in the code and translated
// where they are raised or shown; dialogs take the fonts and texts of the
// chosen language.
//
// The entry points forward to the main translator once one is installed
// (SetMainTranslator); without one, texts come back unchanged, the font
// steps do nothing and a component stays in the language it is in, as in a
// program that declares no translator.

#include <string>

class TComponent;
class TControl;

// The languages of the setup program, numbered as they are stored.
// qlUser is the language of the user's Windows settings.
enum TQrvlLanguage {
    qlChineseSimplified,
    qlChineseTraditional,
    qlCzech,
    qlDanish,
    qlDutch,
    qlEnglish,
    qlFrench,
    qlGerman,
    qlGreek,
    qlHebrew,
    qlItalian,
    qlJapanese,
    qlKorean,
    qlNorwegianBokmal,
    qlNorwegianNynorsk,
    qlPolish,
    qlPortugese,
    qlRussian,
    qlSpanish,
    qlSwedish,
    qlUser,
    qlVietnamese,
};

// What the main translator does for the entry points.
class TMainTranslator {
public:
    virtual ~TMainTranslator() = default;
    virtual std::string TranslateText(TQrvlLanguage source, const std::string& text) = 0;
    // Returns the language the component's texts are in afterwards.
    virtual TQrvlLanguage TranslateComponent(TQrvlLanguage source, TComponent* component) = 0;
    virtual TQrvlLanguage TranslateComponentInto(TQrvlLanguage source, TQrvlLanguage target,
                                                 TComponent* component) = 0;
    virtual void SetControlFonts(TControl* control, bool force) = 0;
    virtual void SetControlFontsInto(TQrvlLanguage target, TControl* control, bool force) = 0;
};

// The installed main translator, or nullptr. It is not owned here.
TMainTranslator* MainTranslator();
// Replaces it (nullptr removes it); returns the previous one.
TMainTranslator* SetMainTranslator(TMainTranslator* translator);

// `text` (English) in the translator's current language.
std::string MainTranslateText(const std::string& text);
// The current (or `target`) language's font on `control` and every control
// inside it.
void MainSetFonts(TControl* control, bool force);
void MainSetFontsInto(TQrvlLanguage target, TControl* control, bool force);
// Translates `component` and what it owns from `source` into the current
// (or `target`) language; returns the language its texts are in afterwards
// (`source` without a translator).
TQrvlLanguage MainTranslateComponent(TQrvlLanguage source, TComponent* component);
TQrvlLanguage MainTranslateComponentInto(TQrvlLanguage source, TQrvlLanguage target, TComponent* component);

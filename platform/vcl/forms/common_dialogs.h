#pragma once
// The dialog components: TOpenDialog, TSaveDialog, TFontDialog and
// TColorDialog. Execute asks the dialogs service (dialog_service.h) and
// returns whether the user confirmed.

#include <string>

#include "vcl/classes/component.h"
#include "vcl/forms/dialog_service.h"
#include "vcl/forms/graphics.h"

class TCommonDialog : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TCommonDialog"; }
    virtual bool Execute() = 0;

    int32_t HelpContext() const { return helpContext_; }
    void SetHelpContext(int32_t context) { helpContext_ = context; }

private:
    int32_t helpContext_ = 0;
};

class TOpenDialog : public TCommonDialog {
public:
    using TCommonDialog::TCommonDialog;
    std::string ClassName() const override { return "TOpenDialog"; }

    // On confirmation FileName is the chosen Windows path, with
    // "." + DefaultExt added when the name chosen has no extension.
    bool Execute() override;

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName) { fileName_ = fileName; }
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    // Without the dot: "qpx".
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& ext) { defaultExt_ = ext; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions options) { options_ = options; }

protected:
    virtual bool IsSave() const { return false; }

private:
    std::string fileName_;
    std::string filter_;
    int filterIndex_ = 1;
    std::string defaultExt_;
    std::string initialDir_;
    std::string title_;
    TOpenOptions options_{ofHideReadOnly};
};

class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    std::string ClassName() const override { return "TSaveDialog"; }

protected:
    bool IsSave() const override { return true; }
};

// `name` with "." + `defaultExt` added when its last part has no extension
// (and `defaultExt` is not empty).
std::string AddDefaultExt(const std::string& name, const std::string& defaultExt);

class TFontDialog : public TCommonDialog {
public:
    using TCommonDialog::TCommonDialog;
    std::string ClassName() const override { return "TFontDialog"; }

    // Starts from Font; on confirmation Font is the chosen font.
    bool Execute() override;
    TFont* Font() { return &font_; }
    const TFont* Font() const { return &font_; }
    void SetFont(const TFont* font) { font_.Assign(font); }

private:
    TFont font_;
};

class TColorDialog : public TCommonDialog {
public:
    using TCommonDialog::TCommonDialog;
    std::string ClassName() const override { return "TColorDialog"; }

    bool Execute() override;
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }

private:
    TColor color_ = clBlack;
};

#pragma once
// Groups: file containers of kind 500 that only the install driver or
// another group may contain, with the wizard settings of the group.

#include <string>

#include "objects/file_container.h"
#include "vcl/classes/strings.h"

// Wizard settings of a group; stored and streamed with it, read by nothing
// else in the setup.
class TInstallGroupDialogOptions : public TPersistent {
public:
    TInstallGroupDialogOptions();
    ~TInstallGroupDialogOptions() override;
    std::string ClassName() const override { return "TInstallGroupDialogOptions"; }
    // Copies the settings of another TInstallGroupDialogOptions.
    void Assign(const TPersistent* source) override;

    bool AllowChangeDir() const { return allowChangeDir_; }
    void SetAllowChangeDir(bool value) { allowChangeDir_ = value; }
    bool AllowExcludeInclude() const { return allowExcludeInclude_; }
    void SetAllowExcludeInclude(bool value) { allowExcludeInclude_ = value; }
    TStrings* Description() const { return description_; }
    // Copies the lines.
    void SetDescription(const TStrings* lines) { description_->Assign(lines); }
    bool DisplayDirectory() const { return displayDirectory_; }
    void SetDisplayDirectory(bool value) { displayDirectory_ = value; }
    bool ShowRegardlessOfInclude() const { return showRegardlessOfInclude_; }
    void SetShowRegardlessOfInclude(bool value) { showRegardlessOfInclude_ = value; }

private:
    bool allowChangeDir_ = true;
    bool allowExcludeInclude_ = true;
    TStrings* description_;
    bool displayDirectory_ = true;
    bool showRegardlessOfInclude_ = true;
};

class TCustomInstallGroup : public TFileContainer {
public:
    explicit TCustomInstallGroup(TComponent* owner);
    ~TCustomInstallGroup() override;
    std::string ClassName() const override { return "TCustomInstallGroup"; }

    int32_t KindNumber() const override { return knGroup; }
    // Only nil, the install driver or another group; nil means the install
    // driver when there is one. Anything else raises IEInstallGroup and
    // leaves the group where it is.
    void SetContainer(TInstallContainer* value) override;

    TInstallGroupDialogOptions* DialogOptions() const { return dialogOptions_; }
    // Copies the settings.
    void SetDialogOptions(const TInstallGroupDialogOptions* options) { dialogOptions_->Assign(options); }

private:
    TInstallGroupDialogOptions* dialogOptions_;
};

class TInstallGroup : public TCustomInstallGroup {
public:
    using TCustomInstallGroup::TCustomInstallGroup;
    std::string ClassName() const override { return "TInstallGroup"; }
};

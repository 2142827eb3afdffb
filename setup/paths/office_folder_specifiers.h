#pragma once
// The office suite's folders as standard specifiers, registered in this
// order. The suite's version is read on every request from the registered
// Word document class; its folders come from the user's registry values of
// that version, with defaults under Program Files.

#include <string>

#include "paths/cmp_TPathSpecifier.h"

// The installed Word's major version ("Word.Document.8" -> 8), -1 when no
// Word is registered or its server file is missing.
int GetWordVersion();

class TpsOfficeUserTemplates : public TStandardPathSpecifier {
public:
    explicit TpsOfficeUserTemplates(TComponent* owner);
    std::string ClassName() const override { return "TpsOfficeUserTemplates"; }
    std::string GetDescription() override { return "Path to the MS Office User Templates directory"; }
    std::string GetShortName() override { return "User Templates"; }
    std::string GetPath(TComponent* object) override;
};

class TpsOfficeWorkgroupTemplates : public TStandardPathSpecifier {
public:
    explicit TpsOfficeWorkgroupTemplates(TComponent* owner);
    std::string ClassName() const override { return "TpsOfficeWorkgroupTemplates"; }
    std::string GetDescription() override { return "Path to the MS Office Workgroup Templates directory"; }
    std::string GetShortName() override { return "Workgroup Templates"; }
    // Falls back to the user templates path.
    std::string GetPath(TComponent* object) override;
};

// A folder named by a Word option value.
class TpsWordOptionFolder : public TStandardPathSpecifier {
public:
    struct Rule {
        const char* defaultName;
        const char* description;
        const char* shortName;
        const char* valueName;
        const char* defaultFolder;  // under Program Files
    };
    TpsWordOptionFolder(TComponent* owner, const Rule& rule);
    std::string ClassName() const override { return "TpsWordOptionFolder"; }
    std::string GetDescription() override { return rule_.description; }
    std::string GetShortName() override { return rule_.shortName; }
    std::string GetPath(TComponent* object) override;

private:
    Rule rule_;
};

class TpsOfficeClipartDirectory : public TpsWordOptionFolder {
public:
    explicit TpsOfficeClipartDirectory(TComponent* owner);
    std::string ClassName() const override { return "TpsOfficeClipartDirectory"; }
};

class TpsOfficeStartupDirectory : public TpsWordOptionFolder {
public:
    explicit TpsOfficeStartupDirectory(TComponent* owner);
    std::string ClassName() const override { return "TpsOfficeStartupDirectory"; }
};

class TpsOfficeToolsDirectory : public TpsWordOptionFolder {
public:
    explicit TpsOfficeToolsDirectory(TComponent* owner);
    std::string ClassName() const override { return "TpsOfficeToolsDirectory"; }
};

class TpsOfficeFavoritesDirectory : public TStandardPathSpecifier {
public:
    explicit TpsOfficeFavoritesDirectory(TComponent* owner);
    std::string ClassName() const override { return "TpsOfficeFavoritesDirectory"; }
    std::string GetDescription() override { return "Path to the MS Office Favorites directory"; }
    std::string GetShortName() override { return "Office Favorites dir"; }
    std::string GetPath(TComponent* object) override;
};

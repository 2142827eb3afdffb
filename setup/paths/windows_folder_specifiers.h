#pragma once
// The shell's special folders as standard specifiers, registered in this
// order. Each kind names a shell folder for the NT family and one for the
// 9x family; where the running Windows has none the path is empty or the
// literal text "undefined", as each kind's rule says. The quick-launch
// kind is the user's application data folder + "\Microsoft\Internet
// Explorer\Quick Launch" on every version ("undefined" without one).

#include <cstdint>
#include <string>

#include "paths/cmp_TPathSpecifier.h"

// The folder of a CSIDL value, empty when the shell has none.
std::string GetSpecialFolderPath(int32_t csidl);

// A shell folder kind: the CSIDL per family, or one of the two outcomes
// for a version without it.
class TpsShellFolder : public TStandardPathSpecifier {
public:
    static constexpr int32_t kNothing = -1;    // an empty path
    static constexpr int32_t kUndefined = -2;  // the text "undefined"
    struct Rule {
        const char* defaultName;
        const char* description;
        const char* shortName;
        int32_t nt;
        int32_t win9x;
        int32_t other;
    };

    TpsShellFolder(TComponent* owner, const Rule& rule);
    std::string ClassName() const override { return "TpsShellFolder"; }
    std::string GetDescription() override { return rule_.description; }
    std::string GetShortName() override { return rule_.shortName; }
    std::string GetPath(TComponent* object) override;

protected:
    // The CSIDL (or outcome) for the running Windows.
    virtual int32_t FolderFor(int32_t os) const;
    const Rule& ShellRule() const { return rule_; }

private:
    Rule rule_;
};

class TpsPrinters : public TpsShellFolder {
public:
    explicit TpsPrinters(TComponent* owner);
    std::string ClassName() const override { return "TpsPrinters"; }};

class TpsRecent : public TpsShellFolder {
public:
    explicit TpsRecent(TComponent* owner);
    std::string ClassName() const override { return "TpsRecent"; }};

class TpsSendTo : public TpsShellFolder {
public:
    explicit TpsSendTo(TComponent* owner);
    std::string ClassName() const override { return "TpsSendTo"; }};

class TpsStartup : public TpsShellFolder {
public:
    explicit TpsStartup(TComponent* owner);
    std::string ClassName() const override { return "TpsStartup"; }};

class TpsControlPanel : public TpsShellFolder {
public:
    explicit TpsControlPanel(TComponent* owner);
    std::string ClassName() const override { return "TpsControlPanel"; }};

class TpsFavorites : public TpsShellFolder {
public:
    explicit TpsFavorites(TComponent* owner);
    std::string ClassName() const override { return "TpsFavorites"; }};

class TpsBitBucket : public TpsShellFolder {
public:
    explicit TpsBitBucket(TComponent* owner);
    std::string ClassName() const override { return "TpsBitBucket"; }};

class TpsCookies : public TpsShellFolder {
public:
    explicit TpsCookies(TComponent* owner);
    std::string ClassName() const override { return "TpsCookies"; }};

class TpsCommonAltStartup : public TpsShellFolder {
public:
    explicit TpsCommonAltStartup(TComponent* owner);
    std::string ClassName() const override { return "TpsCommonAltStartup"; }};

class TpsCommonStartup : public TpsShellFolder {
public:
    explicit TpsCommonStartup(TComponent* owner);
    std::string ClassName() const override { return "TpsCommonStartup"; }
protected:
    // The all-users startup folder only on NT4 and 2000; nothing on XP.
    int32_t FolderFor(int32_t os) const override;
};

class TpsCommonDesktopDirectory : public TpsShellFolder {
public:
    explicit TpsCommonDesktopDirectory(TComponent* owner);
    std::string ClassName() const override { return "TpsCommonDesktopDirectory"; }};

class TpsCommonFavorites : public TpsShellFolder {
public:
    explicit TpsCommonFavorites(TComponent* owner);
    std::string ClassName() const override { return "TpsCommonFavorites"; }};

class TpsCommonPrograms : public TpsShellFolder {
public:
    explicit TpsCommonPrograms(TComponent* owner);
    std::string ClassName() const override { return "TpsCommonPrograms"; }};

class TpsCommonStartMenu : public TpsShellFolder {
public:
    explicit TpsCommonStartMenu(TComponent* owner);
    std::string ClassName() const override { return "TpsCommonStartMenu"; }};

class TpsQuickLaunchMenu : public TStandardPathSpecifier {
public:
    explicit TpsQuickLaunchMenu(TComponent* owner);
    std::string ClassName() const override { return "TpsQuickLaunchMenu"; }
    std::string GetDescription() override { return "Path of the Quick Launch Toolbar Menu"; }
    std::string GetShortName() override { return "Quick Launch Toolbar menu"; }
    std::string GetPath(TComponent* object) override;
};

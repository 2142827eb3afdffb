#include "paths/routines_ExpandPaths.h"

#include <cctype>

#include "objects/cmp_TInstallContainer.h"
#include "objects/install_driver.h"
#include "objects/install_file.h"
#include "support/routines_API.h"
#include "paths/routines_Registry.h"
#include "vcl/system/ansistrings.h"
#include "vcl/system/paths.h"
#include "win32/directories.h"

namespace {

const char* const kShellFolders = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char* const kCurrentVersion = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

std::string ShellFolder(const std::string& name, const std::string& defaultValue) {
    return ExcludeTrailingBackslash(ReadRegistryString(hkCurrentUser, kShellFolders, name, defaultValue));
}

std::string CurrentVersionFolder(const std::string& name, const std::string& defaultValue) {
    return ExcludeTrailingBackslash(ReadRegistryString(hkLocalMachine, kCurrentVersion, name, defaultValue));
}

std::string CurrentDrive() { return IncludeTrailingBackslash(ExtractFileDrive(win32::GetCurrentDirectory())); }

std::string MetaVariable(char letter, TInstallContainer* component) {
    switch (std::tolower(static_cast<unsigned char>(letter))) {
        case 'a':
            if (component == nullptr)
                throw EAICannotExpandContainerDirMV("Cannot expand the %a meta variable because the component is Nil");
            return component->GetDestPath();
        case 'b':
            return GetProgramsMenuDir();
        case 'c': {
            if (component == nullptr)
                throw EAICannotExpandContainerDirMV("Cannot expand the %c meta variable because the component is Nil");
            auto* object = dynamic_cast<TInstallObject*>(component);
            if (object == nullptr || object->Container() == nullptr)
                throw EAICannotExpandContainerDirMV(
                    "Cannot expand the %c meta variable because the Container property is Nil");
            return object->Container()->GetDestPath();
        }
        case 'd':
            return GetDesktopDir();
        case 'f':
            return GetCommonFilesDir();
        case 'i': {
            TInstallDriver* driver = InstallDriver();
            if (driver == nullptr)
                throw EAICannotExpandInstallDirMV(
                    "Cannot expand the %i meta variable because there is no TInstall component");
            return driver->GetDestPath();
        }
        case 'm':
            return GetStartMenuDir();
        case 'p':
            return GetProgramFilesDir();
        case 's':
            return GetSystemDir();
        case 'w':
            return GetWindowsDir();
        default:
            return {};
    }
}

std::string IdentifierCharacters(const std::string& text) {
    std::string result;
    for (char c : text)
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') result += c;
    return result;
}

}  // namespace

std::string GetStartMenuDir() { return ShellFolder("Start Menu", IncludeTrailingBackslash(GetWindowsDir()) + "Startmen"); }

std::string GetProgramsMenuDir() {
    return ShellFolder("Programs", IncludeTrailingBackslash(GetStartMenuDir()) + "Programs");
}

std::string GetDesktopDir() { return ShellFolder("Desktop", IncludeTrailingBackslash(GetWindowsDir()) + "Desktop"); }

std::string GetStartupDir() { return ShellFolder("Startup", IncludeTrailingBackslash(GetWindowsDir()) + "Startup"); }

std::string GetProgramFilesDir() { return CurrentVersionFolder("ProgramFilesDir", CurrentDrive() + "Program Files"); }

std::string GetCommonFilesDir() {
    return CurrentVersionFolder("CommonFilesDir", CurrentDrive() + "Program Files\\Common Files");
}

std::string ExpandMetaVariables(const std::string& text, TInstallContainer* component) {
    std::string result;
    bool percent = false;
    for (char c : text) {
        if (c == '%') {
            if (percent) result += '%';
            percent = !percent;
        } else if (!percent) {
            result += c;
        } else {
            result += ExcludeTrailingBackslash(MetaVariable(c, component));
            percent = false;
        }
    }
    return result;
}

void MakeUniqueComponentName(TComponent* component, const std::string& base) {
    std::string stem = base;
    if (dynamic_cast<TCustomInstallFile*>(component) != nullptr) {
        const std::string extension = ExtractFileExt(base);
        stem = "IF" + IdentifierCharacters(base.substr(0, base.size() - extension.size())) + "_" +
               IdentifierCharacters(extension);
    }
    constexpr int kAttempts = 10000;
    for (int n = 0;; ++n) {
        try {
            component->SetName(n == 0 ? stem : stem + std::to_string(n));
            return;
        } catch (const EComponentError&) {
            if (n + 1 >= kAttempts) throw;
        }
    }
}

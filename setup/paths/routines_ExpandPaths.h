#pragma once
// The user's and the machine's standard folders, the meta-variables of
// install texts, and unique component names.
//
// Folder routines return the folder with one trailing backslash removed,
// read anew on every call; a missing or unreadable value gives the default
// (computed first, so the Windows directory is asked for either way).

#include <string>

#include "support/IException.h"

class TComponent;
class TInstallContainer;

class EAICannotExpandContainerDirMV : public IException {
public:
    using IException::IException;
};
class EAICannotExpandInstallDirMV : public IException {
public:
    using IException::IException;
};

// Shell Folders values of the current user, defaults under Windows.
std::string GetStartMenuDir();     // "Start Menu", default Windows + "\Startmen"
std::string GetProgramsMenuDir();  // "Programs", default Start Menu + "\Programs"
std::string GetDesktopDir();       // "Desktop", default Windows + "\Desktop"
std::string GetStartupDir();       // "Startup", default Windows + "\Startup"
// Current-version values; defaults on the current directory's drive.
std::string GetProgramFilesDir();  // "ProgramFilesDir", default "X:\Program Files"
std::string GetCommonFilesDir();   // "CommonFilesDir", default "X:\Program Files\Common Files"

// Expands "%" letters: a (the component's destination), b (programs menu),
// c (its container's destination), d (desktop), f (common files), i (main
// installation directory), m (start menu), p (program files), s (system),
// w (Windows); "%%" is "%", any other letter nothing. Case is ignored.
// Raises EAICannotExpandContainerDirMV or EAICannotExpandInstallDirMV when
// a letter's object is missing.
std::string ExpandMetaVariables(const std::string& text, TInstallContainer* component);

// Names `component` `base`, else `base` followed by 1, 2, 3, ...; install
// files are named "IF" + name + "_" + extension of `base` taken as a file
// name, each cut to letters, digits and underscores. The last naming error
// passes on when no name is accepted after 10000 attempts.
void MakeUniqueComponentName(TComponent* component, const std::string& base);

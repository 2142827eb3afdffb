#pragma once
// A small project with every kind of value the project file holds, and the
// exact bytes its file must have.

#include <string>

class THelpProject;

// Adds to a new project: help file settings, a group and a topic in the
// contents, a page with content, header, two links and a picture, and a
// page with nothing but a name.
void FillSampleProject(THelpProject& project);
extern const char* const kSampleProjectFile;

#pragma once
// A generated project of `pages` pages shaped like an author's: twenty
// lines of RTF with link markers, a two-line header, three links (one a
// popup) to the following pages and two pictures; one contents topic per
// page. The help file name is "Bench"; the project file name is not set.

#include <memory>

#include "model/HelpProject.h"

namespace benchsupport {

std::unique_ptr<THelpProject> GenerateProject(int pages);

}  // namespace benchsupport

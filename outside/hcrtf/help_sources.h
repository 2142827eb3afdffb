#pragma once
// The checks the help compiler stand-in makes of a help project and the
// sources it names, the way an author needs them checked before a real
// compiler sees them:
// - the help project names a contents file, a help file and topic files;
// - each topic file is well-formed RTF (one outer group starting with
//   \rtf, braces balanced, nothing after the outer group);
// - every jump and popup ({\v ID} after the hotspot) names a topic ID that
//   some topic defines with its # footnote; topic IDs compare ignoring case,
//   as the compiler's context strings do;
// - every contents topic ("level name=ID") names a defined topic ID;
// - every bitmap reference ({bmc file}, {bml file}, {bmr file}) names a
//   file that exists.
// Files are Windows paths of the machine; names in the sources are taken
// from the help project's folder.

#include <string>
#include <vector>

struct THelpSourcesReport {
    std::vector<std::string> Checked;  // the files read
    std::vector<std::string> Errors;   // one line each: "<file>: <what>"
    int Topics = 0;
};

THelpSourcesReport CheckHelpSources(const std::string& helpProjectPath);

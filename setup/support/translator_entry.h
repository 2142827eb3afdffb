#pragma once
// The program-wide translator entry that error objects and messages call:
// English texts are written in the code and translated where they are
// raised or shown.
//
// Until the translator unit exists there is no main translator, and a text
// comes back unchanged, as it does in a program without one. The translator
// unit takes this entry over.

#include <string>

std::string MainTranslateText(const std::string& text);

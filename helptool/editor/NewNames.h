#pragma once
// Names for new pages and links: the proposal "New Page k" and the input
// box that keeps asking while the answer is already taken.

#include <string>

class TStrings;

// `prefix` followed by the smallest whole number k >= 1 for which that name
// is not in `names` (compared ignoring case).
std::string ProposeName(const TStrings& names, const std::string& prefix);

struct TNameQuestion {
    std::string Caption;    // the input box's title
    std::string Prompt;
    std::string Taken;      // the refusal shown for a name already in use
};

// Asks for a name with the proposal as the default until the answer is not
// in `names`; a cancelled box answers the proposal, as the input box does.
std::string AskNewName(const TStrings& names, const std::string& proposal, const TNameQuestion& question);

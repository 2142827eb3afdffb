#include "editor/NewNames.h"

#include "vcl/classes/strings.h"
#include "vcl/forms/message_dialogs.h"

std::string ProposeName(const TStrings& names, const std::string& prefix) {
    for (int k = 1;; ++k) {
        std::string name = prefix + std::to_string(k);
        if (names.IndexOf(name) < 0) return name;
    }
}

std::string AskNewName(const TStrings& names, const std::string& proposal, const TNameQuestion& question) {
    for (;;) {
        std::string answer = InputBox(question.Caption, question.Prompt, proposal);
        if (names.IndexOf(answer) < 0) return answer;
        ShowMessage(question.Taken);
    }
}

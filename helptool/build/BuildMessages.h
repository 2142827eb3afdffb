#pragma once
// Where the help build reports what it has to say: every refusal, page
// error and final result is one message, in the order the build meets
// them. The window shows each as a message box; quillery-make prints each
// on a line of its own.

#include <string>

class IBuildMessages {
public:
    virtual ~IBuildMessages() = default;
    virtual void Show(const std::string& message) = 0;
};

#pragma once
// "Let pending window messages run": long operations of the setup program
// call ProcessPendingMessages once per block, which is how a Cancel button
// reaches the abort flag of a running copy.
//
// The non-visual units cannot reach the application object, so the program
// (or a test) installs what runs here; without a handler the call does
// nothing.

#include <functional>

void ProcessPendingMessages();
// Replaces the handler (nullptr removes it); returns the previous one.
std::function<void()> SetPendingMessagesHandler(std::function<void()> handler);

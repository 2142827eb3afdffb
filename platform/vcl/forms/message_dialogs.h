#pragma once
// The class library's message and input functions, all through the
// dialogs service (dialog_service.h).

#include <cstdint>
#include <string>

#include "vcl/forms/dialog_types.h"

// A message dialog captioned by its kind ("Warning", "Error",
// "Information", "Confirm"; the application title for mtCustom).
TModalResult MessageDlg(const std::string& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int32_t helpCtx = 0);
// An information box with OK, captioned with the application title.
void ShowMessage(const std::string& msg);
// The Windows message box: buttons and icon from `flags` (MB_YESNO |
// MB_ICONQUESTION ...); returns IDOK, IDYES, ...
int32_t MessageBox(const std::string& text, const std::string& caption, uint32_t flags = MB_OK);

// The text entered, or `defaultValue` when the box is cancelled.
std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& defaultValue);
// True with `value` replaced when confirmed; `value` unchanged when
// cancelled.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);

// The caption a message dialog of `dlgType` gets.
std::string MessageDlgCaption(TMsgDlgType dlgType);

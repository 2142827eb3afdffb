#pragma once
// The font dialog over a rich edit's selection, shared by the page editor
// and the header editor.

#include <optional>

class TRichEdit;

// Shows the font dialog started from the selection's font name, colour,
// size and style; on confirmation applies the chosen ones to the selection.
// `underline`, when given, replaces the chosen underline (markers keep it,
// other page text never has it). Nothing is asked for an empty selection.
// Returns whether a font was applied.
bool ChangeSelectionFont(TRichEdit& editor, std::optional<bool> underline);

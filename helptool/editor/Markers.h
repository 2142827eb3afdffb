#pragma once
// Link and picture markers in a page's rich text: "##" link name "##" and
// "#" picture path "#", set in green, underlined and protected, so that
// the user can neither type into nor delete them.

#include <string>

class TRichEdit;

inline constexpr int kMarkerColor = 0x008000;

std::string LinkMarker(const std::string& linkName);
std::string PictureMarker(const std::string& picturePath);

// Inserts `marker` at the start of the selection (replacing nothing), then
// selects it and makes it a marker, with `allowProtectedChange` set while
// it is formatted (new text after a marker may take its protection). False
// when the editor refused the insertion (inside another marker); the text
// is then unchanged.
bool InsertMarker(TRichEdit& editor, const std::string& marker, bool& allowProtectedChange);

// Whether the text at the cursor is protected: the character just before
// the cursor for an empty selection, any character of a selection.
bool CursorOnProtected(const TRichEdit& editor);

// Selects the whole run of protected characters (line breaks end it) that
// holds the character before the cursor, or the selection's first
// protected character. False, selecting nothing new, when the cursor is
// not on protected text.
bool SelectMarkerAtCursor(TRichEdit& editor);

// The kind of a selected marker: a link marker's second character is "#".
bool IsLinkMarker(const std::string& markerText);

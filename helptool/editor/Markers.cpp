#include "editor/Markers.h"

#include "vcl/forms/rich_edit.h"

std::string LinkMarker(const std::string& linkName) { return "##" + linkName + "##"; }

std::string PictureMarker(const std::string& picturePath) { return "#" + picturePath + "#"; }

bool InsertMarker(TRichEdit& editor, const std::string& marker, bool& allowProtectedChange) {
    const int32_t start = editor.SelStart();
    if (!editor.ReplaceRange(start, 0, marker)) return false;
    const int32_t length = editor.SelStart() - start;
    editor.SetSelStart(start);
    editor.SetSelLength(length);
    TRichAttributeChange change;
    change.Color = kMarkerColor;
    change.Bold = false;
    change.Italic = false;
    change.Underline = true;
    change.StrikeOut = false;
    change.Protected = true;
    allowProtectedChange = true;
    const bool formatted = editor.ChangeSelectionAttributes(change);
    allowProtectedChange = false;
    return formatted;
}

bool CursorOnProtected(const TRichEdit& editor) {
    const TRichDocument& document = editor.Document();
    if (editor.SelLength() == 0) return document.AttributesBefore(editor.SelStart()).Protected;
    return document.AnyProtected(editor.SelStart(), editor.SelLength());
}

namespace {

bool ProtectedAt(const TRichDocument& document, int32_t pos) {
    return pos >= 0 && pos < document.Length() && !document.IsParagraphEnd(pos) &&
           document.AttributesAt(pos).Protected;
}

}  // namespace

bool SelectMarkerAtCursor(TRichEdit& editor) {
    if (!CursorOnProtected(editor)) return false;
    const TRichDocument& document = editor.Document();
    int32_t pos = editor.SelStart() - 1;
    if (editor.SelLength() > 0) {
        pos = editor.SelStart();
        while (!ProtectedAt(document, pos)) ++pos;
    }
    int32_t first = pos;
    while (ProtectedAt(document, first - 1)) --first;
    int32_t end = pos + 1;
    while (ProtectedAt(document, end)) ++end;
    editor.SetSelStart(first);
    editor.SetSelLength(end - first);
    return true;
}

bool IsLinkMarker(const std::string& markerText) { return markerText.size() >= 2 && markerText[1] == '#'; }

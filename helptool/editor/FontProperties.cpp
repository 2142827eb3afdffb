#include "editor/FontProperties.h"

#include "vcl/forms/common_dialogs.h"
#include "vcl/forms/rich_edit.h"

bool ChangeSelectionFont(TRichEdit& editor, std::optional<bool> underline) {
    if (editor.SelLength() == 0) return false;
    TTextAttributes& selection = *editor.SelAttributes();
    TFontDialog dialog(nullptr);
    TFont* font = dialog.Font();
    font->SetName(selection.Name());
    font->SetColor(selection.Color());
    font->SetSize(selection.Size());
    font->SetStyle(selection.Style());
    if (!dialog.Execute()) return false;

    TFontStyles style = font->Style();
    if (underline) {
        if (*underline)
            style.Include(fsUnderline);
        else
            style.Exclude(fsUnderline);
    }
    selection.SetName(font->Name());
    selection.SetColor(font->Color());
    selection.SetSize(font->Size());
    selection.SetStyle(style);
    return true;
}

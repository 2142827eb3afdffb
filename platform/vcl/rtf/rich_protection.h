#pragma once
// The rich-edit control's protection of text: every change that would alter
// a protected character asks the control's protection hook (the owner's
// OnProtectChange handler) and is made only when the hook answers yes.
//
// This holds for every change, the user's (typing, deleting, cutting,
// pasting, dropping, input methods) and the program's (SelText, attribute
// changes, loading new rich text): the owner lets its own changes through by
// answering yes while it has set its flag. With no hook, changes to
// protected text are refused.
//
// What touches protected text:
// - removing or replacing a range that holds a protected character;
// - inserting between two protected characters (inside a marker); inserting
//   at either edge of protected text does not change it;
// - changing the attributes of a range that holds a protected character.
// A change that touches nothing protected is made without asking.

#include <cstdint>
#include <functional>
#include <string>

#include "vcl/rtf/rich_document.h"

enum class TRichChangeKind { ckText, ckFormat };

// A proposed change: for ckText, `Length` characters from `Start` are
// replaced by `Inserted` (Length 0 inserts, an empty Inserted deletes); for
// ckFormat, the attributes of `Length` characters from `Start` change.
struct TRichChange {
    TRichChangeKind Kind = TRichChangeKind::ckText;
    int32_t Start = 0;
    int32_t Length = 0;
    std::string Inserted;
};

// The protection hook: the range about to change (end exclusive, start ==
// end for an insertion); returns whether the change is allowed.
using TRichProtectHook = std::function<bool(int32_t startPos, int32_t endPos)>;

struct TRichProtectionVerdict {
    bool AskedHook = false;
    bool Apply = false;
};

bool ChangeTouchesProtected(const TRichDocument& document, const TRichChange& change);

// Decides one change: asks `hook` (once) exactly when the change touches
// protected text, and says whether to make it.
TRichProtectionVerdict ReviewChange(const TRichDocument& document, const TRichChange& change,
                                    const TRichProtectHook& hook);

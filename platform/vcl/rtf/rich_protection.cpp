#include "vcl/rtf/rich_protection.h"

bool ChangeTouchesProtected(const TRichDocument& document, const TRichChange& change) {
    const auto [start, end] = document.ClampRange(change.Start, change.Length);
    if (end > start) return document.AnyProtected(start, end - start);
    if (change.Kind == TRichChangeKind::ckFormat) return false;
    // An insertion: inside protected text only with a protected character on
    // both sides (a paragraph end never is one).
    return start > 0 && document.AnyProtected(start - 1, 1) && document.AnyProtected(start, 1);
}

TRichProtectionVerdict ReviewChange(const TRichDocument& document, const TRichChange& change,
                                    const TRichProtectHook& hook) {
    if (!ChangeTouchesProtected(document, change)) return {false, true};
    if (!hook) return {false, false};
    const auto [start, end] = document.ClampRange(change.Start, change.Length);
    return {true, hook(start, end)};
}

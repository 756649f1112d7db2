#pragma once

#include "documents/rtf/RtfGroupState.h"
#include "documents/rtf/RtfKeywords.h"
#include "documents/rtf/RtfToken.h"

// Applies the control words that change a group's character or paragraph formatting, clamping their values
// to what a document can hold (an "\fs99999999999" becomes the largest size, not an overflow).
class RtfFormattingWords {
public:
    // False when the word is not a formatting word.
    static bool apply(RtfKeyword keyword, const RtfToken &token, RtfGroupState &group);
};

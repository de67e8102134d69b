#pragma once
// The script errors the regular-expression object raises, numbered and worded
// as the platform's regular-expression object numbers and words them.

#include "platform/automation/AutomationError.h"

namespace platform {

// A PCRE2 compile error code turned into 5017..5021.
AutomationError PatternError(int pcre2ErrorCode);

// A PCRE2 match failure (other than "no match"): resource limits become
// 28 "Out of stack space", memory exhaustion 7 "Out of Memory", the rest 5017.
AutomationError MatchError(int pcre2ErrorCode);

// The time allowed for one operation of the object ran out.
AutomationError MatchTimeExceeded();

AutomationError InvalidArgument();  // 5 "Invalid procedure call or argument"

}  // namespace platform

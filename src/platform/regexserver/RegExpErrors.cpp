#include "platform/regexserver/RegExpErrors.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

namespace platform {

AutomationError PatternError(int pcre2ErrorCode) {
    switch (pcre2ErrorCode) {
        case PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS:
            return AutomationError::scriptError(5020, "Expected ')' in regular expression");
        case PCRE2_ERROR_MISSING_SQUARE_BRACKET:
            return AutomationError::scriptError(5019, "Expected ']' in regular expression");
        case PCRE2_ERROR_QUANTIFIER_INVALID:
        case PCRE2_ERROR_QUANTIFIER_OUT_OF_ORDER:
        case PCRE2_ERROR_QUANTIFIER_TOO_BIG:
            return AutomationError::scriptError(5018, "Unexpected quantifier");
        case PCRE2_ERROR_CLASS_RANGE_ORDER:
        case PCRE2_ERROR_CLASS_INVALID_RANGE:
            return AutomationError::scriptError(5021, "Invalid range in character set");
        default:
            return AutomationError::scriptError(5017, "Syntax error in regular expression");
    }
}

AutomationError MatchError(int pcre2ErrorCode) {
    switch (pcre2ErrorCode) {
        case PCRE2_ERROR_MATCHLIMIT:
        case PCRE2_ERROR_DEPTHLIMIT:
        case PCRE2_ERROR_HEAPLIMIT:
        case PCRE2_ERROR_JIT_STACKLIMIT:
            return AutomationError::scriptError(28, "Out of stack space");
        case PCRE2_ERROR_NOMEMORY:
            return AutomationError::scriptError(7, "Out of Memory");
        default:
            return AutomationError::scriptError(5017, "Syntax error in regular expression");
    }
}

AutomationError MatchTimeExceeded() {
    return AutomationError::scriptError(28, "Out of stack space");
}

AutomationError InvalidArgument() {
    return AutomationError::scriptError(5, "Invalid procedure call or argument");
}

}  // namespace platform

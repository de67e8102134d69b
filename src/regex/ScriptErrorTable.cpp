#include <cstddef>
#include <iterator>

#include "regex/VBScriptRegex.h"

namespace vbregex {

namespace {

// Searched from the first row; the order is the platform library's.
constexpr TVBScriptErrRec ScriptErrors[] = {
    {429, "ActiveX component can't create object"},
    {507, "An exception occurred"},
    {449, "Argument not optional"},
    {17, "Can't perform requested operation"},
    {430, "Class doesn't support Automation"},
    {506, "Class not defined"},
    {11, "Division by zero"},
    {48, "Error in loading DLL"},
    {5020, "Expected ')' in regular expression"},
    {5019, "Expected ']' in regular expression"},
    {432, "File name or class name not found during Automation operation"},
    {92, "For loop not initialized"},
    {5008, "Illegal assignment"},
    {51, "Internal error"},
    {505, "Invalid or unqualified reference"},
    {481, "Invalid picture"},
    {5, "Invalid procedure call or argument"},
    {5021, "Invalid range in character set"},
    {94, "Invalid use of Null"},
    {448, "Named argument not found"},
    {447, "Object doesn't support current locale setting"},
    {445, "Object doesn't support this action"},
    {438, "Object doesn't support this property or method"},
    {451, "Object not a collection"},
    {504, "Object not safe for creating"},
    {503, "Object not safe for initializing"},
    {502, "Object not safe for scripting"},
    {424, "Object required"},
    {91, "Object variable not set"},
    {7, "Out of Memory"},
    {28, "Out of stack space"},
    {14, "Out of string space"},
    {6, "Overflow"},
    {35, "Sub or function not defined"},
    {9, "Subscript out of range"},
    {5017, "Syntax error in regular expression"},
    {462, "The remote server machine does not exist or is unavailable"},
    {10, "This array is fixed or temporarily locked"},
    {13, "Type mismatch"},
    {5018, "Unexpected quantifier"},
    {500, "Variable is undefined"},
    {458, "Variable uses an Automation type not supported in VBScript"},
    {450, "Wrong number of arguments or invalid property assignment"},
};
static_assert(std::size(ScriptErrors) == 43);

}  // namespace

const TVBScriptErrRec* FindScriptError(std::int32_t lowCode) {
    for (const TVBScriptErrRec& row : ScriptErrors) {
        if (row.Code == lowCode) return &row;
    }
    return nullptr;
}

}  // namespace vbregex

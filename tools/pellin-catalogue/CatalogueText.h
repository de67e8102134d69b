#pragma once
// The option catalogue written out for the documents built from it: the
// options section of the manual page (troff) and the options table of the
// help document (HTML). Built into the documents at build time, so neither
// can drift from the keys the program reads.

#include <string>

#include "core/OptionCatalog.h"

namespace catalogue {

// What values an option takes, in words ("True or False", "one of ...").
std::string ValuesText(const options::OptionInfo& option);

// One ".TP" paragraph per option, in catalogue order.
std::string ManPageOptions();

// One table row per option, in catalogue order, inside <table>...</table>.
std::string HtmlOptionsTable();

// Text made safe for troff (backslashes, leading dots and quotes, hyphens as
// minus signs) and for HTML (&, <, >, ").
std::string EscapeTroff(const std::string& text);
std::string EscapeHtml(const std::string& text);

// `templateText` with the line that holds only `placeholder` (blanks around
// it allowed) replaced by `content`; throws std::runtime_error when the
// placeholder is missing, so a renamed marker cannot ship an empty section.
std::string FillPlaceholder(const std::string& templateText, const std::string& placeholder,
                            const std::string& content);

}  // namespace catalogue

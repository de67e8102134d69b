#pragma once
// Text put into HTML or XML: the characters markup would read as its own
// ("&", "<", ">" and, where asked, the quote that ends an attribute) become
// entity references.

#include <string>
#include <string_view>

namespace platform {

enum class Quotes { Escaped, Kept };

void AppendMarkupEscaped(std::string_view text, std::string& out, Quotes quotes = Quotes::Escaped);
std::string MarkupEscaped(std::string_view text, Quotes quotes = Quotes::Escaped);

}  // namespace platform

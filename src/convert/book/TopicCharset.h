#pragma once
// The character set a topic page is read in. A page that says what it is (a
// byte-order mark, or a charset in a <meta> element near its start) is read
// so; any other page in the help file's own code page, as HTML Help reads it.

#include <string>
#include <string_view>

// The charset the page declares, as iconv names it, or empty when it declares
// none or one that this system cannot convert.
std::string DeclaredCharset(std::string_view page);

// DeclaredCharset, else UTF-8 for a page whose bytes are UTF-8 beyond ASCII,
// else `helpFileCharset`, else "WINDOWS-1252".
std::string TopicCharset(std::string_view page, const std::string& helpFileCharset);

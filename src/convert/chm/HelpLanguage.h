#pragma once
// What a help file's language id (a Windows LCID) says about its text: the
// code page its bytes are written in, and the language tag for the PDF.

#include <cstdint>
#include <string>
#include <string_view>

// The iconv name of the code page HTML Help reads a help file of this
// language in: "WINDOWS-1251" for Russian, "CP932" for Japanese, "GBK" for
// Simplified Chinese... "WINDOWS-1252" for Western languages and for ids it
// does not know.
std::string CharsetOfLcid(std::uint32_t lcid);

// The BCP 47 tag of the language ("ru-RU", "zh-CN", "pt-BR"); the bare
// language ("ru") for a country the table does not list; empty when the
// language itself is unknown.
std::string LanguageTagOfLcid(std::uint32_t lcid);

// The iconv name for a charset named in a page or a contents file ("utf-8",
// "windows-1251", "shift_jis", "gb2312"), widened the way browsers widen
// them (ISO-8859-1 is read as windows-1252, GB2312 as GBK); empty when iconv
// knows no such charset.
std::string CharsetOfHtmlName(const std::string& name);

// Whether every byte of the charset is one character, so that a character
// reference below 256 can stand for a byte of it.
bool IsSingleByteCharset(const std::string& charset);

// Text of a help file written in `charset`, as UTF-8. Bytes that already form
// UTF-8 with at least one character beyond ASCII are read as UTF-8: help
// authoring tools write UTF-8 without saying so, and text in a legacy code
// page practically never forms valid UTF-8 by chance.
std::string HelpTextToUtf8(std::string_view bytes, const std::string& charset);

// Whether the bytes hold a character beyond ASCII and are valid UTF-8.
bool LooksLikeUtf8(std::string_view bytes);

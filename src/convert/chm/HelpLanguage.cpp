#include "convert/chm/HelpLanguage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>

#include "platform/text/AsciiText.h"
#include "platform/text/TextEncoding.h"

namespace {

constexpr std::uint32_t PrimaryLanguage(std::uint32_t lcid) { return lcid & 0x3FF; }

// Languages whose ANSI code page is not windows-1252, by primary language id.
constexpr std::array<std::pair<std::uint32_t, const char*>, 37> CodePageByLanguage{{
    {0x01, "WINDOWS-1256"},  // Arabic
    {0x02, "WINDOWS-1251"},  // Bulgarian
    {0x05, "WINDOWS-1250"},  // Czech
    {0x08, "WINDOWS-1253"},  // Greek
    {0x0D, "WINDOWS-1255"},  // Hebrew
    {0x0E, "WINDOWS-1250"},  // Hungarian
    {0x11, "CP932"},         // Japanese
    {0x12, "CP949"},         // Korean
    {0x15, "WINDOWS-1250"},  // Polish
    {0x18, "WINDOWS-1250"},  // Romanian
    {0x19, "WINDOWS-1251"},  // Russian
    {0x1A, "WINDOWS-1250"},  // Croatian, Serbian and Bosnian in Latin letters
    {0x1B, "WINDOWS-1250"},  // Slovak
    {0x1C, "WINDOWS-1250"},  // Albanian
    {0x1E, "CP874"},         // Thai
    {0x1F, "WINDOWS-1254"},  // Turkish
    {0x20, "WINDOWS-1256"},  // Urdu
    {0x22, "WINDOWS-1251"},  // Ukrainian
    {0x23, "WINDOWS-1251"},  // Belarusian
    {0x24, "WINDOWS-1250"},  // Slovenian
    {0x25, "WINDOWS-1257"},  // Estonian
    {0x26, "WINDOWS-1257"},  // Latvian
    {0x27, "WINDOWS-1257"},  // Lithuanian
    {0x28, "WINDOWS-1251"},  // Tajik
    {0x29, "WINDOWS-1256"},  // Persian
    {0x2A, "WINDOWS-1258"},  // Vietnamese
    {0x2C, "WINDOWS-1254"},  // Azerbaijani in Latin letters
    {0x2F, "WINDOWS-1251"},  // Macedonian
    {0x3F, "WINDOWS-1251"},  // Kazakh
    {0x40, "WINDOWS-1251"},  // Kyrgyz
    {0x42, "WINDOWS-1250"},  // Turkmen
    {0x43, "WINDOWS-1254"},  // Uzbek in Latin letters
    {0x44, "WINDOWS-1251"},  // Tatar
    {0x50, "WINDOWS-1251"},  // Mongolian
    {0x6D, "WINDOWS-1251"},  // Bashkir
    {0x80, "WINDOWS-1256"},  // Uyghur
    {0x8C, "WINDOWS-1256"},  // Dari
}};

// Full ids whose script differs from the rest of their language.
constexpr std::array<std::pair<std::uint32_t, const char*>, 14> CodePageById{{
    {0x0004, "GBK"},  // Chinese (Simplified)
    {0x0404, "CP950"},
    {0x0804, "GBK"},
    {0x0C04, "CP950"},
    {0x1004, "GBK"},
    {0x1404, "CP950"},
    {0x7C04, "CP950"},         // Chinese (Traditional)
    {0x082C, "WINDOWS-1251"},  // Azerbaijani in Cyrillic
    {0x0843, "WINDOWS-1251"},  // Uzbek in Cyrillic
    {0x0C1A, "WINDOWS-1251"},  // Serbian in Cyrillic (Serbia and Montenegro)
    {0x1C1A, "WINDOWS-1251"},  // Serbian in Cyrillic (Bosnia and Herzegovina)
    {0x201A, "WINDOWS-1251"},  // Bosnian in Cyrillic
    {0x281A, "WINDOWS-1251"},  // Serbian in Cyrillic (Serbia)
    {0x301A, "WINDOWS-1251"},  // Serbian in Cyrillic (Montenegro)
}};

constexpr std::array<std::pair<std::uint32_t, const char*>, 80> TagById{{
    {0x0401, "ar-SA"},      {0x0402, "bg-BG"},      {0x0403, "ca-ES"},      {0x0404, "zh-TW"},
    {0x0405, "cs-CZ"},      {0x0406, "da-DK"},      {0x0407, "de-DE"},      {0x0408, "el-GR"},
    {0x0409, "en-US"},      {0x040A, "es-ES"},      {0x040B, "fi-FI"},      {0x040C, "fr-FR"},
    {0x040D, "he-IL"},      {0x040E, "hu-HU"},      {0x040F, "is-IS"},      {0x0410, "it-IT"},
    {0x0411, "ja-JP"},      {0x0412, "ko-KR"},      {0x0413, "nl-NL"},      {0x0414, "nb-NO"},
    {0x0415, "pl-PL"},      {0x0416, "pt-BR"},      {0x0418, "ro-RO"},      {0x0419, "ru-RU"},
    {0x041A, "hr-HR"},      {0x041B, "sk-SK"},      {0x041C, "sq-AL"},      {0x041D, "sv-SE"},
    {0x041E, "th-TH"},      {0x041F, "tr-TR"},      {0x0420, "ur-PK"},      {0x0421, "id-ID"},
    {0x0422, "uk-UA"},      {0x0423, "be-BY"},      {0x0424, "sl-SI"},      {0x0425, "et-EE"},
    {0x0426, "lv-LV"},      {0x0427, "lt-LT"},      {0x0429, "fa-IR"},      {0x042A, "vi-VN"},
    {0x042B, "hy-AM"},      {0x042C, "az-Latn-AZ"}, {0x042D, "eu-ES"},      {0x042F, "mk-MK"},
    {0x0436, "af-ZA"},      {0x0437, "ka-GE"},      {0x0438, "fo-FO"},      {0x0439, "hi-IN"},
    {0x043E, "ms-MY"},      {0x043F, "kk-KZ"},      {0x0440, "ky-KG"},      {0x0441, "sw-KE"},
    {0x0443, "uz-Latn-UZ"}, {0x0444, "tt-RU"},      {0x0450, "mn-MN"},      {0x0456, "gl-ES"},
    {0x0804, "zh-CN"},      {0x0807, "de-CH"},      {0x0809, "en-GB"},      {0x080A, "es-MX"},
    {0x080C, "fr-BE"},      {0x0810, "it-CH"},      {0x0813, "nl-BE"},      {0x0814, "nn-NO"},
    {0x0816, "pt-PT"},      {0x081A, "sr-Latn-CS"}, {0x082C, "az-Cyrl-AZ"}, {0x0843, "uz-Cyrl-UZ"},
    {0x0C04, "zh-HK"},      {0x0C07, "de-AT"},      {0x0C09, "en-AU"},      {0x0C0A, "es-ES"},
    {0x0C0C, "fr-CA"},      {0x0C1A, "sr-Cyrl-CS"}, {0x1004, "zh-SG"},      {0x1009, "en-CA"},
    {0x100C, "fr-CH"},      {0x1404, "zh-MO"},      {0x1409, "en-NZ"},      {0x1809, "en-IE"},
}};

constexpr std::array<std::pair<std::uint32_t, const char*>, 56> TagByLanguage{{
    {0x01, "ar"}, {0x02, "bg"}, {0x03, "ca"}, {0x04, "zh"}, {0x05, "cs"}, {0x06, "da"},
    {0x07, "de"}, {0x08, "el"}, {0x09, "en"}, {0x0A, "es"}, {0x0B, "fi"}, {0x0C, "fr"},
    {0x0D, "he"}, {0x0E, "hu"}, {0x0F, "is"}, {0x10, "it"}, {0x11, "ja"}, {0x12, "ko"},
    {0x13, "nl"}, {0x14, "no"}, {0x15, "pl"}, {0x16, "pt"}, {0x17, "rm"}, {0x18, "ro"},
    {0x19, "ru"}, {0x1A, "hr"}, {0x1B, "sk"}, {0x1C, "sq"}, {0x1D, "sv"}, {0x1E, "th"},
    {0x1F, "tr"}, {0x20, "ur"}, {0x21, "id"}, {0x22, "uk"}, {0x23, "be"}, {0x24, "sl"},
    {0x25, "et"}, {0x26, "lv"}, {0x27, "lt"}, {0x28, "tg"}, {0x29, "fa"}, {0x2A, "vi"},
    {0x2B, "hy"}, {0x2C, "az"}, {0x2D, "eu"}, {0x2F, "mk"}, {0x36, "af"}, {0x37, "ka"},
    {0x38, "fo"}, {0x39, "hi"}, {0x3E, "ms"}, {0x3F, "kk"}, {0x40, "ky"}, {0x41, "sw"},
    {0x43, "uz"}, {0x56, "gl"},
}};

template <std::size_t N>
const char* Find(const std::array<std::pair<std::uint32_t, const char*>, N>& table,
                 std::uint32_t key) {
    for (const auto& [id, value] : table)
        if (id == key) return value;
    return nullptr;
}

// Names pages use for the code pages of the table, and the labels browsers
// widen to a larger code page.
constexpr std::array<std::pair<std::string_view, const char*>, 29> HtmlCharsetAliases{{
    {"utf-8", "UTF-8"},
    {"utf8", "UTF-8"},
    {"unicode-1-1-utf-8", "UTF-8"},
    {"utf-16", "UTF-8"},  // a byte-oriented file that claims UTF-16 is not
    {"unicode", "UTF-8"},
    {"iso-8859-1", "WINDOWS-1252"},
    {"iso8859-1", "WINDOWS-1252"},
    {"latin1", "WINDOWS-1252"},
    {"us-ascii", "WINDOWS-1252"},
    {"ascii", "WINDOWS-1252"},
    {"iso-8859-9", "WINDOWS-1254"},
    {"iso-8859-11", "CP874"},
    {"tis-620", "CP874"},
    {"windows-874", "CP874"},
    {"gb2312", "GBK"},
    {"gb_2312-80", "GBK"},
    {"x-gbk", "GBK"},
    {"cp936", "GBK"},
    {"shift_jis", "CP932"},
    {"shift-jis", "CP932"},
    {"sjis", "CP932"},
    {"x-sjis", "CP932"},
    {"ms_kanji", "CP932"},
    {"windows-31j", "CP932"},
    {"big5", "CP950"},
    {"x-x-big5", "CP950"},
    {"ks_c_5601-1987", "CP949"},
    {"euc-kr", "CP949"},
    {"windows-949", "CP949"},
}};

}  // namespace

std::string CharsetOfLcid(std::uint32_t lcid) {
    if (const char* byId = Find(CodePageById, lcid & 0xFFFF)) return byId;
    if (PrimaryLanguage(lcid) == 0x04) return "GBK";
    if (const char* byLanguage = Find(CodePageByLanguage, PrimaryLanguage(lcid))) return byLanguage;
    return "WINDOWS-1252";
}

std::string LanguageTagOfLcid(std::uint32_t lcid) {
    if (const char* tag = Find(TagById, lcid & 0xFFFF)) return tag;
    if (const char* language = Find(TagByLanguage, PrimaryLanguage(lcid))) return language;
    return {};
}

std::string CharsetOfHtmlName(const std::string& name) {
    const auto first = name.find_first_not_of(" \t\r\n\"'");
    if (first == std::string::npos) return {};
    const std::string label =
        platform::ToLowerAscii(name.substr(first, name.find_last_not_of(" \t\r\n\"'") - first + 1));
    for (const auto& [alias, charset] : HtmlCharsetAliases)
        if (alias == label) return charset;
    if (label == "x-user-defined" || label.find_first_of("/\\") != std::string::npos) return {};
    const std::string upper = platform::ToUpperAscii(label);
    return platform::IsKnownCharset(upper) ? upper : std::string();
}

bool IsSingleByteCharset(const std::string& charset) {
    const std::string upper = platform::ToUpperAscii(charset);
    for (std::string_view prefix : {"WINDOWS-125", "CP125", "CP874", "TIS-620", "ISO-8859-",
                                    "ISO8859-", "KOI8-", "CP866", "IBM866", "MACINTOSH"})
        if (upper.starts_with(prefix)) return true;
    return false;
}

bool LooksLikeUtf8(std::string_view bytes) {
    const bool beyondAscii = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return beyondAscii && platform::IsValidUtf8(bytes);
}

std::string HelpTextToUtf8(std::string_view bytes, const std::string& charset) {
    return platform::ToUtf8(bytes, LooksLikeUtf8(bytes) ? std::string("UTF-8") : charset);
}

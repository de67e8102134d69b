#include "platform/text/TextEncoding.h"

#include <iconv.h>
#include <strings.h>

#include <cerrno>

#include "platform/text/AsciiText.h"

namespace platform {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at `at`, or 0 when it is malformed.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) return 0;
    }
    return length;
}

// Charsets whose bytes below 0x80 are ASCII whatever comes before them
// (unlike ISO-2022-JP, UTF-7 or UTF-16): ASCII text needs no converter.
bool IsAsciiCompatible(const std::string& charset) {
    for (std::string_view prefix :
         {"WINDOWS-125", "CP125", "CP874", "CP932",     "CP936",    "CP949", "CP950",
          "CP437",       "CP850", "CP866", "ISO-8859-", "ISO8859-", "KOI8-", "GBK",
          "GB18030",     "BIG5",  "EUC-",  "TIS-620",   "UTF-8",    "UTF8"})
        if (StartsWithNoCase(charset, prefix)) return true;
    return false;
}

bool IsAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool IsUtf8Name(const std::string& charset) {
    return EqualsNoCase(charset, "UTF-8") || EqualsNoCase(charset, "UTF8");
}

// UTF-8 with every malformed byte replaced.
std::string RepairedUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = SequenceLength(bytes, at);
        if (length == 0) {
            text += ReplacementCharacter;
            ++at;
        } else {
            text.append(bytes.substr(at, length));
            at += length;
        }
    }
    return text;
}

class Converter {
public:
    explicit Converter(const std::string& charset)
        : handle_(::iconv_open("UTF-8", charset.c_str())) {}
    ~Converter() {
        if (Valid()) ::iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    std::string Convert(std::string_view bytes) {
        std::string text;
        text.reserve(bytes.size() * 2);
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            if (Step(&in, &inLeft, text) != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            text += ReplacementCharacter;
            ::iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
            if (errno == EINVAL) break;  // an incomplete sequence at the end
            ++in;                        // EILSEQ: skip the byte the charset does not define
            --inLeft;
        }
        Step(nullptr, nullptr, text);  // the closing shift sequence of stateful charsets
        return text;
    }

private:
    // One call of iconv into a chunk appended to `text`; errno tells why it stopped.
    std::size_t Step(char** in, std::size_t* inLeft, std::string& text) {
        char chunk[4096];
        char* out = chunk;
        std::size_t outLeft = sizeof chunk;
        const std::size_t result = ::iconv(handle_, in, inLeft, &out, &outLeft);
        const int error = errno;
        text.append(chunk, static_cast<std::size_t>(out - chunk));
        errno = error;
        return result;
    }

    iconv_t handle_;
};

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto length = SequenceLength(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string ToUtf8(std::string_view bytes, const std::string& charset) {
    if (IsAscii(bytes) && IsAsciiCompatible(charset)) return std::string(bytes);
    if (IsUtf8Name(charset)) return RepairedUtf8(bytes);
    Converter converter(charset);
    if (!converter.Valid()) return RepairedUtf8(bytes);
    return converter.Convert(bytes);
}

void AppendUtf8(std::string& text, char32_t code) {
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        text += ReplacementCharacter;
    } else if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsKnownCharset(const std::string& charset) {
    return IsUtf8Name(charset) || Converter(charset).Valid();
}

}  // namespace platform

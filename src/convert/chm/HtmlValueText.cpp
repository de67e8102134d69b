#include "convert/chm/HtmlValueText.h"

#include <array>

#include "convert/chm/HtmlEntities.h"
#include "platform/text/TextEncoding.h"

namespace {

// Browsers read references to the C1 controls as the windows-1252 characters
// old pages meant by them.
constexpr std::array<char32_t, 32> Windows1252C1{
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178,
};

char32_t CharacterOf(char32_t code) {
    if (code == 0) return 0xFFFD;
    if (code >= 0x80 && code <= 0x9F) return Windows1252C1[code - 0x80];
    return code;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The byte of a "%XX" escape at `at`, or -1.
int PercentByte(std::string_view raw, std::size_t at) {
    if (raw.size() - at < 3) return -1;
    const int high = HexValue(raw[at + 1]), low = HexValue(raw[at + 2]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

class ValueDecoder {
public:
    explicit ValueDecoder(const std::string& charset) : charset_(charset) {}

    void Byte(char byte) { pending_ += byte; }
    void Character(char32_t code) {
        Flush();
        platform::AppendUtf8(text_, CharacterOf(code));
    }
    std::string Finish() {
        Flush();
        return std::move(text_);
    }

private:
    void Flush() {
        if (pending_.empty()) return;
        text_ += platform::ToUtf8(pending_, charset_);
        pending_.clear();
    }

    const std::string& charset_;
    std::string pending_;  // bytes of the code page not yet converted
    std::string text_;
};

}  // namespace

std::string DecodeValueText(std::string_view raw, const std::string& charset,
                            ReferenceReading references, PercentReading percents) {
    ValueDecoder decoder(charset);
    for (std::size_t at = 0; at < raw.size();) {
        if (raw[at] == '&') {
            if (const auto reference = ReadCharacterReference(raw, at)) {
                if (references == ReferenceReading::AsCodePage && reference->Code > 0 &&
                    reference->Code < 0x100)
                    decoder.Byte(static_cast<char>(reference->Code));
                else
                    decoder.Character(reference->Code);
                at += reference->Length;
                continue;
            }
        } else if (raw[at] == '%' && percents != PercentReading::Kept) {
            const int byte = PercentByte(raw, at);
            if (byte >= 0 && (percents == PercentReading::All || byte == ' ')) {
                decoder.Byte(static_cast<char>(byte));
                at += 3;
                continue;
            }
        }
        decoder.Byte(raw[at]);
        ++at;
    }
    return decoder.Finish();
}

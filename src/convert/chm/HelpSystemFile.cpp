#include "convert/chm/HelpSystemFile.h"

#include <filesystem>
#include <fstream>

#include "convert/chm/HelpLanguage.h"

namespace {

enum SystemCode : std::uint16_t {
    ContentsFileCode = 0,
    IndexFileCode = 1,
    DefaultTopicCode = 2,
    TitleCode = 3,
    LanguageCode = 4,  // a structure whose first 32 bits are the language id
};

constexpr std::size_t VersionBytes = 4;
constexpr std::size_t RecordHeaderBytes = 4;
// The entry holds a few short texts; anything larger is no entry of a help file.
constexpr std::uintmax_t MaxSystemFileBytes = 1 << 20;

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

// A text record: the bytes up to the first NUL, or the whole record.
std::string_view TextOf(std::string_view data) { return data.substr(0, data.find('\0')); }

struct RawFields {
    std::optional<std::string_view> Texts[TitleCode + 1];
    std::uint32_t Lcid = 0;
};

RawFields ReadRecords(std::string_view bytes) {
    RawFields raw;
    for (std::size_t at = VersionBytes; bytes.size() - at >= RecordHeaderBytes;) {
        const auto code = Little(bytes, at, 2);
        const std::size_t length = Little(bytes, at + 2, 2);
        at += RecordHeaderBytes;
        if (length > bytes.size() - at) break;  // runs past the end: the rest is damaged
        const std::string_view data = bytes.substr(at, length);
        at += length;
        if (code <= TitleCode && !raw.Texts[code]) raw.Texts[code] = TextOf(data);
        if (code == LanguageCode && raw.Lcid == 0 && data.size() >= 4)
            raw.Lcid = Little(data, 0, 4);
    }
    return raw;
}

}  // namespace

std::optional<HelpSystemInfo> ParseHelpSystem(std::string_view bytes, std::uint32_t fallbackLcid) {
    if (bytes.size() < VersionBytes) return std::nullopt;
    const RawFields raw = ReadRecords(bytes);
    HelpSystemInfo info;
    info.Lcid = raw.Lcid != 0 ? raw.Lcid : fallbackLcid;
    const std::string charset = CharsetOfLcid(info.Lcid);
    auto text = [&](SystemCode code) {
        return raw.Texts[code] ? HelpTextToUtf8(*raw.Texts[code], charset) : std::string();
    };
    info.ContentsFile = text(ContentsFileCode);
    info.IndexFile = text(IndexFileCode);
    info.DefaultTopic = text(DefaultTopicCode);
    info.Title = text(TitleCode);
    return info;
}

std::optional<std::uint32_t> ReadHeaderLanguage(const std::string& chmPath) {
    std::ifstream file(chmPath, std::ios::binary);
    char header[0x18];
    if (!file.read(header, sizeof header)) return std::nullopt;
    const std::string_view bytes(header, sizeof header);
    if (!bytes.starts_with("ITSF")) return std::nullopt;
    return Little(bytes, 0x14, 4);
}

std::optional<HelpSystemInfo> ReadHelpSystem(const std::string& systemFile,
                                             const std::string& chmPath) {
    namespace fs = std::filesystem;
    const auto headerLanguage = ReadHeaderLanguage(chmPath);
    std::error_code ec;
    const bool usable = fs::is_regular_file(fs::symlink_status(systemFile, ec)) &&
                        fs::file_size(systemFile, ec) <= MaxSystemFileBytes && !ec;
    if (usable) {
        std::ifstream file(systemFile, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        if (auto info = ParseHelpSystem(bytes, headerLanguage.value_or(0))) return info;
    }
    if (!headerLanguage) return std::nullopt;
    HelpSystemInfo info;
    info.Lcid = *headerLanguage;
    return info;
}

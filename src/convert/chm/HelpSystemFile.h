#pragma once
// The internal "#SYSTEM" entry of a help file, which the decompiler writes as
// the file "#SYSTEM" at the top of the job folder: a 4-byte version, then
// records of a 16-bit code, a 16-bit length and that many bytes of data,
// little-endian. The bytes come from an untrusted file: every read is
// checked against the end, and a record that runs past it ends the reading.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct HelpSystemInfo {
    std::string Title;       // UTF-8
    std::uint32_t Lcid = 0;  // Windows language id; 0 when nothing tells it
    std::string DefaultTopic, ContentsFile, IndexFile;  // UTF-8, as written in the help project
};

// Reads the entry. Text is decoded with the code page of its language id, or
// of `fallbackLcid` (the language id of the file header) when the entry
// names none. Nothing when the bytes are too short to hold the version.
std::optional<HelpSystemInfo> ParseHelpSystem(std::string_view bytes,
                                              std::uint32_t fallbackLcid = 0);

// The language id in the header of a help file (the 32-bit value at offset
// 0x14 after the "ITSF" signature); nothing when the file cannot be read or
// is no help file.
std::optional<std::uint32_t> ReadHeaderLanguage(const std::string& chmPath);

// What a job knows of the help file in its folder: the "#SYSTEM" file read
// with the header language of `chmPath` as its fallback; when there is no
// such file, only the header language. Nothing when neither tells anything.
std::optional<HelpSystemInfo> ReadHelpSystem(const std::string& systemFile,
                                             const std::string& chmPath);

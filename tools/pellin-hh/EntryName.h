#pragma once
// What a CHM directory entry name means for extraction, decided from the
// raw bytes alone. Entry names come from an untrusted file: a name is only
// turned into a path when every component is a plain, printable, valid
// UTF-8 file name that cannot climb out of the extraction folder.

#include <string>
#include <string_view>
#include <vector>

enum class EntryKind {
    Internal,  // "/#...", "/$..." and the "::DataSpace" tree: never written, but for /#SYSTEM
    Folder,    // a name ending with "/": created as a folder
    File,      // written as a file
    Refused,   // unsafe or invalid; Reason tells why
};

struct EntryName {
    EntryKind Kind = EntryKind::Refused;
    std::vector<std::string> Components;  // path below the folder, never empty for File
    std::string Reason;                   // for Refused only
};

// The internal entry holding the help file's title, language and the names of
// its contents and index; written as the file "#SYSTEM" at the top.
inline constexpr std::string_view SystemEntryName = "/#SYSTEM";

// Longest component most Linux file systems accept.
inline constexpr std::size_t MaxComponentBytes = 255;

EntryName ClassifyEntryName(std::string_view raw);

// The name with control bytes, backslashes and bytes above 0x7E shown as
// \xNN, for messages on a terminal or in a log.
std::string PrintableName(std::string_view raw);

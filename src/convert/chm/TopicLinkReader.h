#pragma once
// Turns the "Local" value of a contents or index entry into the topic file it
// names in the job folder. HTML Help reads the value as bytes of the help
// file's code page, but a value can be spelled in several ways that HTML
// Help, the help compiler and the decompiler each undo differently: character
// references below 256 as code-page bytes or as characters, "%20" alone or
// every percent escape decoded. Each spelling is tried against the files on
// disk, the one HTML Help reads first; the first that names an existing file
// is the topic.

#include <string>
#include <string_view>

#include "convert/chm/DecompiledFiles.h"

struct TopicLink {
    std::string Topic;     // full path of the existing topic file; empty when none
    std::string Fragment;  // the anchor after "#", UTF-8; empty for the topic's start
    bool Missing = false;  // names a file of the help file that it does not hold
};

class TopicLinkReader {
public:
    // `baseFolder`: the folder of the contents file relative to the root of
    // `files` ("" at the top); `charset`: the code page of its text.
    TopicLinkReader(const DecompiledFiles& files, std::string baseFolder, std::string charset);

    // Links to other places than the help file itself (web pages, mail, other
    // drives), links that climb out of the job folder and links to missing
    // files give an empty Topic.
    TopicLink Read(std::string_view raw) const;

private:
    // The part of `raw` naming a file of this help file: what follows "::" in
    // "ms-its:file.chm::/page.htm" and "mk:@MSITStore:file.chm::/page.htm";
    // nothing for other addresses with a scheme.
    static bool InsideHelpFile(std::string_view& raw);
    std::string FindSpelling(std::string_view path) const;

    const DecompiledFiles& files_;
    std::string baseFolder_;
    std::string charset_;
};

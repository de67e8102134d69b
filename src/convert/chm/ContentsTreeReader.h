#pragma once
// Reads a contents (.hhc) or index (.hhk) file into a ContentsTree the way
// HTML Help reads it: the nesting of <UL>, <LI> and <OBJECT
// type="text/sitemap"> with its <param name="Name"> and <param name="Local">
// (names and values without regard to letter case, values quoted in either
// way or not at all), character references decoded, text read in the help
// file's code page. Entries whose link names no existing file keep their name
// and children with an empty Topic. The file is untrusted: any bytes are read
// in linear time, and nesting deeper than MaxDepth is flattened.

#include <string>
#include <string_view>
#include <vector>

#include "convert/chm/ContentsTree.h"
#include "convert/chm/DecompiledFiles.h"

// The charset the text of a contents file is read in: UTF-8 after a UTF-8
// byte order mark; the charset a <meta> tag of the file declares; UTF-8 when
// the bytes are valid UTF-8 beyond ASCII (help authoring tools write it
// without saying so); else `helpCharset`, the code page of the help file's
// language.
std::string ContentsCharset(std::string_view text, const std::string& helpCharset);

class ContentsTreeReader {
public:
    ContentsTreeReader(const DecompiledFiles& files, std::string helpCharset);

    // `relativeFile`: the place of the contents file below the root of the
    // files; its links are relative to its folder.
    ContentsTree Read(std::string_view text, const std::string& relativeFile) const;

    static constexpr std::size_t MaxDepth = 100;

private:
    const DecompiledFiles& files_;
    std::string helpCharset_;
};

// The topics of a tree in reading order (an entry before its children), each
// path once, compared without regard to letter case.
std::vector<std::string> TopicsOfTree(const ContentsTree& tree);

// The number of entries naming a file the help file does not hold.
std::size_t MissingEntriesOfTree(const ContentsTree& tree);

// The number of levels of the tree (0 when it is empty).
std::size_t DepthOfTree(const ContentsTree& tree);

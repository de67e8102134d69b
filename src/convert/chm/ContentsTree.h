#pragma once
// A help file's contents tree as plain values: what the .hhc file lists, in
// its order and nesting, with every name already decoded to UTF-8. The topic
// list, the PDF outline and the tests all read this one shape.

#include <string>
#include <vector>

struct ContentsEntry {
    std::string Name;  // the entry's title, UTF-8
    std::string
        Topic;  // full path of the topic file in the job folder; empty when the entry names none
    std::string Fragment;  // the anchor after "#", empty for the topic's start
    std::vector<ContentsEntry> Children;
    bool Missing = false;  // the entry names a file the help file does not hold
};

using ContentsTree = std::vector<ContentsEntry>;

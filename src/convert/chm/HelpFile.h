#pragma once
// A decompiled help file behind one face: everything the rest of the
// converter asks of a help file (its contents tree, its topics in reading
// order, its title, language and code page, its default topic and index, and
// whether it was only partly read), read from the job folder in one call.
// The book, the outline and the job use this and nothing else of chm/.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "convert/chm/ChmDecompilation.h"

struct HelpFile {
    ContentsTree Contents;                   // as the .hhc lists it; empty when there is none
    std::vector<std::string> Topics;         // full paths in reading order, each once; without a
                                             // contents tree those of the index, else every page
    std::optional<HelpSystemInfo> System;    // what the "#SYSTEM" file or the header tells
    int DecompilerExit = 0;                  // PartlyReadExit, UnreadableExit or 0
    std::size_t MissingContentsEntries = 0;  // entries naming files the help file does not hold

    // The help file's own title, else the name of `sourcePath` without extension.
    std::string Title(const std::string& sourcePath) const;
    std::string Language() const;  // BCP 47 tag, empty when unknown
    std::string Charset() const;   // iconv name of its pages' code page; empty when unknown
    std::string DefaultTopic() const;
    std::string IndexFile() const;  // the .hhk as the help project names it, empty if none
    bool PartlyRead() const { return DecompilerExit == PartlyReadExit; }
};

// Reads the decompiled help file in `folder` (with a trailing delimiter or
// not) after the decompiler ended with `decompilerExit`. Throws with the
// job's message when the folder holds no topic.
HelpFile ReadHelpFile(const std::string& folder, int decompilerExit,
                      const TvxDecompileSettings& settings);

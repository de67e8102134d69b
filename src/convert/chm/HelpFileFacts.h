#pragma once
// What the converter needs to know about a decompiled help file beyond its
// pages: the code page its pages are written in when they do not say, its
// title, and its language for the PDF.

#include <string>

#include "convert/chm/ChmDecompilation.h"

struct HelpFileFacts {
    std::string Charset;   // iconv name; empty when the help file does not tell
    std::string Title;     // the help file's title, else its file name without extension
    std::string Language;  // BCP 47 tag, empty when unknown
};

HelpFileFacts FactsOf(const TvxChmJobState& state, const std::string& sourcePath);

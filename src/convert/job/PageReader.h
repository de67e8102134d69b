#pragma once
// The page reader: everything a job reads of the help file's own files (its
// "#SYSTEM" file, its contents, its topic list, and the book written from its
// pages) runs in a program of its own, pellin-reader, so that a page that
// crashes the reading, stalls it or eats its memory costs that topic, never
// the converter's process. The reader tells what it found on its standard
// output, one fact a line, and before each topic the topic it is on; the
// converter reads that answer back as untrusted text, and runs the reader
// again without a topic it died on.

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "convert/book/BookBuilder.h"
#include "convert/chm/ChmDecompilation.h"
#include "platform/pdf/PdfFinisher.h"

struct PageReaderSettings {
    std::string Program = "pellin-reader";  // a bare name is found beside the executable
    std::chrono::milliseconds TimeLimit{std::chrono::minutes(2)};    // processor time of each run
    std::chrono::milliseconds TimePerMiB{std::chrono::seconds(10)};  // more per MiB of help file
    std::size_t AddressSpace = std::size_t{4} << 30;
    int MaxRuns = 8;      // runs of one book, each after the last leaves out a topic
    int MaxSlowRuns = 2;  // of them, runs ended at the time limit
    // Between searches for the contents file; the converter passes the one
    // of its TvxDecompileSettings.
    std::chrono::milliseconds SearchWait{1000};
    bool TopicPageBreak = false;  // each topic of the book starts a new page
    PartSize Parts;               // see BookBuilder; by default the book is one file
};

// What the reader found: the help file's facts and the book it wrote.
struct PageReading {
    std::vector<std::string> Topics;                // topic files, full paths, in reading order
    std::vector<platform::PdfOutlineItem> Outline;  // of the contents; see OutlineFromContents
    std::optional<HelpSystemInfo> System;           // its title and language id only
    std::size_t MissingContentsEntries = 0;         // naming files the help file does not hold
    Book Written;  // without anchors; LeftOut also names the topics that stopped the reader
};

// Topics that stopped the reader, with the reason the job's note gives.
using ReaderCulprits = std::map<int, std::string>;

// Runs the reader on the decompiled folder of `state` until it has written
// the book `bookName` (a file name in that folder) without the `skipped`
// topics and those in `culprits`; a topic it dies on or stalls on is added
// to `culprits` and the reader runs again. Throws with the job's message
// when no book can be had.
PageReading ReadPagesApart(const TvxChmJobState& state, const std::string& bookName,
                           const std::set<int>& skipped, const PageReaderSettings& settings,
                           ReaderCulprits& culprits);

// The reader program's side: reads the folder named in `args` and writes the
// answer to `out`; returns the exit code.
int RunPageReader(const std::vector<std::string>& args, std::FILE* out);

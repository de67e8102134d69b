#pragma once
// The words a job ends with when a help file gives less than it should: why
// no PDF could be made of it, or which topics a PDF had to do without.

#include <set>
#include <string>
#include <vector>

#include "convert/book/BookBuilder.h"
#include "convert/chm/HelpFile.h"

// Why a help file gave no topic: a damaged one, one whose every topic
// stopped the office, or one without topics. (A file that is no compiled
// help file at all fails before it is copied into the job folder.)
std::string NoTopicMessage(const HelpFile& help, const std::vector<BookTopicProblem>& leftOut,
                           bool officeStopped);

// "3 of 40 topics left out: a.htm (the page is damaged), ..." for a PDF made
// without some topics; empty when none was left out.
std::string LeftOutNote(const std::vector<BookTopicProblem>& leftOut,
                        const std::set<int>& stoppedOffice, const std::vector<std::string>& topics);

// "not PDF/A-2b as asked: the font Symbol is not embedded" for an archival
// PDF that shows problems; empty when it shows none.
std::string ArchiveNote(const std::vector<std::string>& problems);

// What a converted job's result adds: that the help file was only partly
// read, how many contents entries name files it does not hold, the topics
// left out, and what keeps an archival PDF from being one; empty for a whole
// one.
std::string JobNote(const HelpFile& help, const std::string& leftOutNote,
                    const std::string& archiveNote = {});

// Why a help file whose every topic the office did not finish in time gave
// no PDF, naming one such topic; and the reason the note gives such a topic.
std::string OfficeTooSlowMessage(const std::string& topicPath);
constexpr const char* kTooSlowForOffice = "it was too slow for LibreOffice";

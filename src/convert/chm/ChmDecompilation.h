#pragma once
// Turning one CHM file into a private temporary folder of pages and reading
// the ordered list of its topic files.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "convert/chm/ContentsTree.h"
#include "convert/chm/HelpSystemFile.h"

// Per-job state of the CHM job, shared with the decompilation steps.
// What the decompiler's exit code says of the help file.
// It could not start, open the file or finish in its time.
constexpr int UnusableExit = 1;
constexpr int PartlyReadExit = 2;
constexpr int UnreadableExit = 3;
// The job folder took no more data (a full disk): nothing about the help file.
constexpr int FolderFullExit = 4;

struct TvxChmJobState {
    std::string TempFolder;      // with a trailing delimiter
    std::string TempFolderName;  // the same without it
    std::vector<std::string>
        TopicFiles;         // full paths, in reading order, each once (case-insensitive)
    ContentsTree Contents;  // the table of contents as read; empty when the help file has none
    std::optional<HelpSystemInfo> System;    // title, language and file names of the help file
    int DecompilerExit = 0;                  // PartlyReadExit, UnreadableExit or 0
    std::size_t MissingContentsEntries = 0;  // entries naming files the help file does not hold
};

// Fills TempFolder/TempFolderName from the process's tag, the tick count and
// the job index and creates the folder; failures are swallowed (later steps
// fail instead).
void MakeTempFolder(TvxChmJobState& state, int jobIndex);

// Copies the source as "1.chm" into the folder, decompiles it, reads the
// "#SYSTEM" file of the help file into System, finds and reads the table of
// contents into Contents and fills TopicFiles from it (else from the index,
// else with every page). Throws with a clear message when the job cannot go on.
void DecompileChm(const std::string& sourceChm, TvxChmJobState& state);

// The outside program and the waits of DecompileChm; tests shorten them.
struct TvxDecompileSettings {
    std::string HelpProgram = "hh.exe";               // found beside the executable
    std::chrono::milliseconds SearchWait{1000};       // between searches for the .hhc
    std::chrono::milliseconds ReadRetryWait{1000};    // between reads of an unreadable .hhc
    std::chrono::milliseconds ReadRetryLimit{60000};  // then the job fails
    std::chrono::milliseconds DecompileLimit{10 * 60 *
                                             1000};  // a decompiler still running is killed
    std::function<std::string(const std::string& path)>
        ReadFile;  // empty: TvxFileUtils::ReadFileText
};
void DecompileChm(const std::string& sourceChm, TvxChmJobState& state,
                  const TvxDecompileSettings& settings);

// The steps of DecompileChm after the decompiler has run: reads the folder's
// "#SYSTEM" file, contents and topic list into `state`. It reads untrusted
// files, so the converter runs it in the page reader (tools/pellin-reader).
void ReadDecompiledFolder(TvxChmJobState& state, const TvxDecompileSettings& settings);

// Copies the source into the folder and runs the decompiler on it.
void RunDecompiler(const std::string& sourceChm, TvxChmJobState& state,
                   const TvxDecompileSettings& settings);

// Why a decompiled help file gave no topic, judged from the decompiler's exit.
std::string NoTopicReason(int decompilerExit);

// Starts the removal of the temporary folder and returns at once.
void RemoveTempFolder(const TvxChmJobState& state);

// Removes the job folders that processes ended without removing (killed, or
// the machine went down), those of this user only.
void RemoveJobFoldersOfEndedProcesses();

// Waits until every removal started so far has finished, at most `limit`;
// returns whether none is left.
bool WaitForTempFolderRemovals(std::chrono::milliseconds limit);

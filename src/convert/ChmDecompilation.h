#pragma once
// Turning one CHM file into a private temporary folder of pages and reading
// the ordered list of its topic files.

#include <string>
#include <vector>

// Per-job state of the CHM job, shared with the decompilation steps.
struct TvxChmJobState {
    std::string TempFolder;               // with a trailing delimiter
    std::string TempFolderName;           // the same without it
    std::vector<std::string> TopicFiles;  // full paths, in reading order, each once (case-insensitive)
};

// Fills TempFolder/TempFolderName from the tick count and the job index and
// creates the folder; failures are swallowed (later steps fail instead).
void MakeTempFolder(TvxChmJobState& state, int jobIndex);

// Copies the source as "1.chm" into the folder, decompiles it, finds the
// table of contents and fills TopicFiles. Throws with a clear message when
// the job cannot go on.
void DecompileChm(const std::string& sourceChm, TvxChmJobState& state);

// Starts the removal of the temporary folder and returns at once.
void RemoveTempFolder(const TvxChmJobState& state);

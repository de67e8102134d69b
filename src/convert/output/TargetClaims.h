#pragma once
// Target names in a run split into shards. Shards write into one target
// folder at the same time, so two help files that would get the same target
// name (the same file name in two sub-folders with KeepTargetSubdirs=0, or
// two jobs sent to one "-pellin-" name) must not replace each other's PDF.
// Before a sharded job writes, it claims its target name for its source: a
// claim file below the target folder, in ".pellin-claims/" at the same
// relative path as the PDF with ".claim" added (so that nothing looking for
// PDFs takes it for one), holding the source's path below the source folder.
// The first source to claim a name owns it for good; the same source finds it
// its own again in a re-run. Runs without Shard claim nothing.

#include <string>

#include "platform/files/NameClaim.h"

inline constexpr const char* TargetClaimFolder = ".pellin-claims/";
inline constexpr const char* TargetClaimExtension = ".claim";

// Where the claim of `target` lies: below targetDir's claim folder when the
// target lies below targetDir, else in a claim folder beside the target.
std::string TargetClaimPath(const std::string& targetDir, const std::string& target);

// Claims `target` for the source named `sourceKey`. A claim an earlier
// version left at the PDF's own name is carried over to the new name first.
platform::NameClaim ClaimTarget(const std::string& targetDir, const std::string& target,
                                const std::string& sourceKey);

// The job's failure text for a claim that is not the source's own.
std::string TargetClaimFailure(const std::string& target, const platform::NameClaim& claim);

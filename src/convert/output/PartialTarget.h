#pragma once
// A PDF in the making, kept under a hidden temporary name beside its target,
// so that the target (an existing PDF the user has) is replaced only by a
// complete new file, in one rename, and a failed job leaves it untouched.
// The temporary name is short and plain: the office never sees the target's
// own name, which may be long or not valid UTF-8.

#include <optional>
#include <string>

class PartialTarget {
public:
    // Creates the temporary file in the target's folder. Throws with
    // "Cannot write to <folder>: <reason>" when the folder takes no file.
    explicit PartialTarget(std::string target);
    // Removes the temporary files that were not moved over the target.
    ~PartialTarget();
    PartialTarget(const PartialTarget&) = delete;
    PartialTarget& operator=(const PartialTarget&) = delete;

    const std::string& Target() const { return target_; }
    // Where the office writes the PDF.
    const std::string& Path() const { return path_; }
    // A second temporary name beside the first, for a rewritten copy.
    const std::string& FinishedPath() const { return finished_; }

    // Why the target's folder takes no more data (a full disk, a folder made
    // read-only meanwhile), found by writing a megabyte there: "Cannot write
    // <target name> in <folder>: No space left on device"; nothing when it
    // takes it.
    std::optional<std::string> WriteProblem() const;

    // Moves `from` (Path or FinishedPath) over the target. Throws a
    // platform::FileError "Cannot write <name> in <folder>: <reason>" when the
    // move fails.
    void Commit(const std::string& from);

private:
    std::string target_;
    std::string path_;
    std::string finished_;
};

// The folder part of a path, without its trailing "/" ("." for none).
std::string FolderOfFile(const std::string& path);

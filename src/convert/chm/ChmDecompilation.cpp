#include "convert/chm/ChmDecompilation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "convert/chm/ContentsTreeReader.h"
#include "convert/chm/DecompiledFiles.h"
#include "convert/chm/HelpLanguage.h"
#include "convert/chm/HelpTreeSearch.h"
#include "convert/chm/TopicFallback.h"
#include "convert/chm/TopicList.h"
#include "convert/chm/TopicPathResolver.h"
#include "convert/chm/TvxFileUtils.h"
#include "platform/files/FileProbe.h"
#include "platform/files/FileWrite.h"
#include "platform/files/UniqueFd.h"
#include "platform/process/ProcessLeftovers.h"
#include "platform/process/StopRequest.h"
#include "platform/process/TickClock.h"
#include "platform/text/AsciiText.h"
#include "regex/VBScriptRegex.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* SourceCopyName = "1.chm";
constexpr const char* SystemFileName = "#SYSTEM";  // written by the decompiler beside the pages
constexpr const char* HhcNamePattern = "[\\w\\/]+\\.hhc";
constexpr int DecompilePollMs = 100;
constexpr int SearchAttempts = 3;
// Folders already taken (another process, the same millisecond) are skipped
// by counting the tick on; a folder of someone else is never shared.
constexpr int TempFolderTries = 64;
// Job folders are "pellin-job-<process tag>-<tick><job index>".
constexpr const char* JobFolderPrefix = "pellin-job-";
// The first bytes of a help file: "ITSF", ..., where header section 0 is.
constexpr ssize_t FileHeaderBytes = 0x40;
constexpr std::size_t SectionZeroAt = 0x38;
// A source longer than its header says by more than this is not copied, nor
// one this long of which less than a sixteenth is stored on disk.
constexpr std::uint64_t ImplausibleExcess = 64ull << 20;
constexpr std::uint64_t MostlyHoles = 16;
constexpr std::size_t CopyPieceBytes = 1 << 20;

std::string TempBase() {
    const std::string temp = fs::temp_directory_path().string();
    std::string base(platform::Trim(temp));
    if (base.empty() || base.back() != '/') base += '/';
    return base;
}

std::string TempFolderLeaf(std::uint32_t tick, int jobIndex) {
    char name[32];
    std::snprintf(name, sizeof name, "%04X%02X", tick, static_cast<unsigned>(jobIndex));
    return JobFolderPrefix + platform::ProcessTag() + "-" + name;
}

// The message names the cause when the temporary folder itself is the
// trouble (full, read-only, not writable).
void RequireTempFolder(const TvxChmJobState& state) {
    std::error_code ec;
    if (!state.TempFolderName.empty() && fs::is_directory(state.TempFolderName, ec)) return;
    std::string message = "The temporary folder could not be created";
    try {
        if (const auto reason = platform::UnwritableFolderReason(TempBase()))
            message += ": " + *reason;
    } catch (const std::exception& error) {
        message += ": " + std::string(error.what());
    }
    throw std::runtime_error(message);
}

std::uint64_t LittleEndian(const unsigned char* bytes) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

// The file's own length as header section 0 records it (8 bytes into the
// section), when the header names a section inside the file.
std::optional<std::uint64_t> RecordedLength(int fd, const unsigned char* header, ssize_t got,
                                            std::uint64_t size) {
    if (got < FileHeaderBytes) return std::nullopt;
    const std::uint64_t section = LittleEndian(header + SectionZeroAt);
    unsigned char length[8] = {};
    if (section >= size || size - section < 16 ||
        ::pread(fd, length, sizeof length, static_cast<off_t>(section + 8)) != sizeof length)
        return std::nullopt;
    return LittleEndian(length);
}

// Why the open file cannot be the help file it claims to be, judged from
// its first bytes and its size alone, or nothing. Every help file compiler
// records the file's own length in header section 0; only a file far longer
// than that, or one mostly made of holes, is refused, so trailing bytes or a
// cut file still go to the decompiler, which reads what it can.
std::optional<std::string> ImplausibleSourceReason(int fd) {
    unsigned char header[FileHeaderBytes] = {};
    const ssize_t got = ::pread(fd, header, sizeof header, 0);
    if (got < 4 || std::memcmp(header, "ITSF", 4) != 0) return "Not a compiled help file";
    struct stat info {};
    if (::fstat(fd, &info) != 0) return std::nullopt;  // the copy names the cause
    const auto size = static_cast<std::uint64_t>(info.st_size);
    const std::string damaged =
        "The help file is damaged: it is " + std::to_string(size) + " bytes";
    const auto recorded = RecordedLength(fd, header, got, size);
    if (recorded && size > *recorded && size - *recorded > ImplausibleExcess)
        return damaged + " long, but its header gives " + std::to_string(*recorded);
    const auto stored = static_cast<std::uint64_t>(info.st_blocks) * 512;
    if (size > ImplausibleExcess && stored < size / MostlyHoles)
        return damaged + ", but only " + std::to_string(stored) + " are stored on disk";
    return std::nullopt;
}

// Copies in pieces so that a stop ends the copy of a large file at once.
void CopyBytes(int from, int to) {
    std::vector<char> buffer(CopyPieceBytes);
    for (;;) {
        if (platform::StopRequested()) throw std::runtime_error("The run was stopped");
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got == 0) return;
        if (got < 0) {
            if (errno == EINTR) continue;
            throw std::system_error(errno, std::generic_category());
        }
        if (const int error =
                platform::WriteFully(to, buffer.data(), static_cast<std::size_t>(got)))
            throw std::system_error(error, std::generic_category());
    }
}

// The user's file is looked at before it is copied, so that a job fails
// naming that file and the real cause, not the copy the decompiler misses.
void CopySourceIn(const std::string& sourceChm, const TvxChmJobState& state) {
    if (const auto problem = platform::UnreadableFileReason(sourceChm))
        throw std::runtime_error(*problem);
    // Not blocking: a file swapped for a FIFO since the look must not hang the job.
    const platform::UniqueFd from(::open(sourceChm.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!from.Valid())
        throw std::runtime_error("Cannot read " + sourceChm + ": " + std::strerror(errno));
    if (const auto problem = ImplausibleSourceReason(from.Get()))
        throw std::runtime_error(*problem);
    RequireTempFolder(state);
    const std::string copy = state.TempFolder + SourceCopyName;
    try {
        platform::UniqueFd to(::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!to.Valid()) throw std::system_error(errno, std::generic_category());
        CopyBytes(from.Get(), to.Get());
        if (::close(to.Release()) != 0) throw std::system_error(errno, std::generic_category());
    } catch (const std::system_error& error) {
        ::unlink(copy.c_str());
        throw std::runtime_error("Cannot copy " + sourceChm + " into the job folder " +
                                 state.TempFolderName + ": " + error.code().message());
    } catch (...) {
        ::unlink(copy.c_str());
        throw;
    }
}

TvxReadFile ReaderOf(const TvxDecompileSettings& settings) {
    if (settings.ReadFile) return settings.ReadFile;
    return [](const std::string& path) { return TvxFileUtils::ReadFileText(path); };
}

// The help file's raw bytes as text the pattern can scan: printable ASCII is
// kept, every other byte becomes a blank, so a name's word characters are
// ASCII letters and digits and no byte sequence is read as a multi-byte
// character.
std::string AsciiView(std::string bytes) {
    for (auto& c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x80) c = ' ';
    }
    return bytes;
}

std::optional<std::string> HhcNameInsideChm(const std::string& chmBytes) {
    const auto matches = vbregex::Regex::Match(HhcNamePattern, AsciiView(chmBytes));
    if (!matches || matches->Count() == 0) return std::nullopt;
    std::string name = matches->Item(0)->Value();
    // Names inside the help file begin at its top.
    while (!name.empty() && name.front() == '/') name.erase(0, 1);
    if (name.empty()) return std::nullopt;
    return name;
}

// The byte scan cuts names at blanks, dots and dashes ("Table of
// Contents.hhc" gives "Contents.hhc"), so the tree below is searched as well;
// a file ending in the scanned name is preferred.
std::optional<std::string> FindHhcBelow(const std::string& root, const std::string& scannedMask) {
    const auto candidates = FindFilesBelow(root, std::vector<std::string>{"*.hhc"});
    if (candidates.empty()) return std::nullopt;
    const auto slash = scannedMask.rfind('/');
    const std::string hint =
        "*" + (slash == std::string::npos ? scannedMask : scannedMask.substr(slash + 1));
    for (const auto& candidate : candidates)
        if (scannedMask != "*.hhc" && MatchesMask(candidate, hint)) return candidate;
    return candidates.front();
}

// The contents file the help file names, when it exists.
std::optional<std::string> NamedContentsFile(const std::string& root,
                                             const std::optional<HelpSystemInfo>& system) {
    if (!system) return std::nullopt;
    const auto relative = TopicPathResolver::Normalize("", system->ContentsFile);
    if (!relative) return std::nullopt;
    const fs::path path = TopicPathResolver(root).Locate(*relative);
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(path, ec))) return std::nullopt;
    return path.lexically_relative(root).generic_string();
}

std::optional<std::string> FindTableOfContents(const std::string& root,
                                               const TvxDecompileSettings& settings,
                                               const TvxReadFile& readFile,
                                               const std::optional<HelpSystemInfo>& system) {
    if (auto named = NamedContentsFile(root, system)) return named;
    std::string mask = "*.hhc";
    for (int attemptsLeft = SearchAttempts;;) {
        if (auto found = FindFirstFile(root, mask)) return found;
        if (attemptsLeft == 0) break;
        if (--attemptsLeft > 0) {
            std::this_thread::sleep_for(settings.SearchWait);
            continue;
        }
        const auto named = HhcNameInsideChm(readFile(root + "/" + SourceCopyName));
        if (!named) break;
        mask = *named;
    }
    return FindHhcBelow(root, mask);
}

std::string ReadWithRetries(const std::string& path, const TvxDecompileSettings& settings,
                            const TvxReadFile& readFile) {
    const auto started = std::chrono::steady_clock::now();
    for (;;) {
        try {
            return readFile(path);
        } catch (const std::exception& error) {
            if (std::chrono::steady_clock::now() - started >= settings.ReadRetryLimit)
                throw std::runtime_error("The table of contents could not be read: " +
                                         std::string(error.what()));
        }
        std::this_thread::sleep_for(settings.ReadRetryWait);
    }
}

// Bookkeeping of the removals that run in the background, so that the end of
// a run (and a test) can wait for them.
struct PendingRemovals {
    std::mutex mutex;
    std::condition_variable done;
    int count = 0;
};

PendingRemovals& Removals() {
    static auto* removals = new PendingRemovals;  // outlives detached removal threads at exit
    return *removals;
}

// Only a folder made by MakeTempFolder (a direct child of the temporary
// folder) is ever removed.
bool IsOwnTempFolder(const std::string& folder) {
    if (folder.empty()) return false;
    const fs::path path = fs::path(folder).lexically_normal();
    const fs::path base = fs::path(TempBase()).lexically_normal().parent_path();
    return path.has_filename() && path.filename() != ".." && path.parent_path() == base;
}

}  // namespace

void MakeTempFolder(TvxChmJobState& state, int jobIndex) {
    try {
        const std::string base = TempBase();
        fs::create_directories(base);
        const std::uint32_t tick = platform::SystemTickClock().TickCount();
        for (int i = 0; i < TempFolderTries; ++i) {
            const std::string folder =
                base + TempFolderLeaf(tick + static_cast<std::uint32_t>(i), jobIndex);
            // Private: the pages of the user's help file are nobody else's.
            if (::mkdir(folder.c_str(), 0700) == 0) {
                state.TempFolderName = folder;
                state.TempFolder = folder + "/";
                return;
            }
            if (errno != EEXIST) return;
        }
    } catch (const std::exception&) {
        // Later steps fail on the missing folder.
    }
}

void DecompileChm(const std::string& sourceChm, TvxChmJobState& state) {
    DecompileChm(sourceChm, state, TvxDecompileSettings{});
}

void DecompileChm(const std::string& sourceChm, TvxChmJobState& state,
                  const TvxDecompileSettings& settings) {
    RunDecompiler(sourceChm, state, settings);
    ReadDecompiledFolder(state, settings);
}

void RunDecompiler(const std::string& sourceChm, TvxChmJobState& state,
                   const TvxDecompileSettings& settings) {
    CopySourceIn(sourceChm, state);
    state.DecompilerExit = TvxFileUtils::RunAndWait(
        settings.HelpProgram, std::string("-decompile . ") + SourceCopyName, state.TempFolderName,
        TvxFileUtils::SwHide, DecompilePollMs, settings.DecompileLimit);
    if (platform::StopRequested()) throw std::runtime_error("The run was stopped");
    if (state.DecompilerExit == FolderFullExit)
        throw platform::CannotWriteIn("the pages of " + fs::path(sourceChm).filename().string(),
                                      state.TempFolderName, ENOSPC);
}

void ReadDecompiledFolder(TvxChmJobState& state, const TvxDecompileSettings& settings) {
    const std::string& root = state.TempFolderName;
    const TvxReadFile readFile = ReaderOf(settings);
    // The decompiler has ended; when it could not read the file at all, no
    // contents file will appear by waiting for it.
    TvxDecompileSettings search = settings;
    if (state.DecompilerExit == UnreadableExit || state.DecompilerExit == UnusableExit)
        search.SearchWait = std::chrono::milliseconds(0);
    state.System =
        ReadHelpSystem(state.TempFolder + SystemFileName, state.TempFolder + SourceCopyName);
    const std::string charset = CharsetOfLcid(state.System ? state.System->Lcid : 0);
    const auto toc = FindTableOfContents(root, search, readFile, state.System);
    // Listed once the search has waited for them; the job's own files are no topics.
    const DecompiledFiles files(root, {SourceCopyName, SystemFileName});
    if (toc) {
        const std::string text = ReadWithRetries(files.FullPath(*toc), settings, readFile);
        state.Contents = ContentsTreeReader(files, charset).Read(text, *toc);
        state.MissingContentsEntries = MissingEntriesOfTree(state.Contents);
        TopicCollector collector(state.TopicFiles);
        for (const auto& topic : TopicsOfTree(state.Contents)) collector.Add(topic);
    }
    if (!AnyFileExists(state.TopicFiles)) {
        auto fallback =
            FallbackTopics(files, charset, readFile, state.System ? state.System->IndexFile : "");
        if (fallback.empty()) throw std::runtime_error(NoTopicReason(state.DecompilerExit));
        state.TopicFiles = std::move(fallback);
    }
}

std::string NoTopicReason(int decompilerExit) {
    if (decompilerExit == UnreadableExit) return "The help file is damaged: it could not be read";
    if (decompilerExit == UnusableExit)
        return "The help file could not be decompiled: the decompiler could not be started, could "
               "not open it or did not finish in time";
    if (decompilerExit == PartlyReadExit)
        return "The help file is damaged: the part that could be read holds no topic";
    return "No topic found in the help file";
}

void RemoveTempFolder(const TvxChmJobState& state) {
    const std::string folder = state.TempFolderName;
    if (!IsOwnTempFolder(folder)) return;
    auto& removals = Removals();
    {
        std::lock_guard lock(removals.mutex);
        ++removals.count;
    }
    auto finished = [&removals] {
        {
            std::lock_guard lock(removals.mutex);
            --removals.count;
        }
        removals.done.notify_all();
    };
    try {
        std::thread([folder, finished] {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
            finished();
        }).detach();
    } catch (const std::exception&) {
        finished();  // no thread to be had: the folder stays, as any failed removal would
    }
}

void RemoveJobFoldersOfEndedProcesses() {
    try {
        platform::RemoveLeftoversOfEndedProcesses(TempBase(), JobFolderPrefix);
    } catch (const std::exception&) {
        // No temporary folder to look at: nothing was left there either.
    }
}

bool WaitForTempFolderRemovals(std::chrono::milliseconds limit) {
    auto& removals = Removals();
    std::unique_lock lock(removals.mutex);
    return removals.done.wait_for(lock, limit, [&removals] { return removals.count == 0; });
}

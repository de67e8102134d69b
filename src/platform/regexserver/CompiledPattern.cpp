#include "platform/regexserver/CompiledPattern.h"

#include <algorithm>
#include <atomic>
#include <optional>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "platform/regexserver/RegExpErrors.h"
#include "platform/regexserver/Utf8Text.h"
#include "platform/text/TextEncoding.h"

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t MatchLimit = 2'000'000;
constexpr std::uint32_t DepthLimit = 100'000;
constexpr std::size_t MaxPatternLength = 64 * 1024;
// JIT compilation costs more than matching a file name; it pays off on texts.
constexpr std::size_t JitSubjectSize = 4096;

std::atomic<std::int64_t> timeLimitMs{10'000};

// Start positions tried per PCRE2 call: the longer the subject, the fewer,
// so that the time limit is checked often even when every attempt scans far.
std::size_t sliceFor(std::size_t subjectSize) {
    return std::clamp<std::size_t>((std::size_t{1} << 26) / (subjectSize + 1), 16,
                                   std::size_t{1} << 20);
}

bool endsInLoneBackslash(const std::string& pattern) {
    const auto lastOther = pattern.find_last_not_of('\\');
    const std::size_t backslashes =
        pattern.size() - (lastOther == std::string::npos ? 0 : lastOther + 1);
    return backslashes % 2 == 1;
}

}  // namespace

struct CompiledPattern::Code {
    pcre2_code* code = nullptr;
    bool utf8 = false;
    bool anchored = false;
    bool jitTried = false;
    std::uint32_t captureCount = 0;

    Code(const std::string& pattern, PatternOptions options, bool utf8Mode) : utf8(utf8Mode) {
        pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
        pcre2_set_newline(context, PCRE2_NEWLINE_ANYCRLF);
        pcre2_set_max_pattern_length(context, MaxPatternLength);
        // JavaScript treats an unknown escape such as "\q" as the letter itself.
        pcre2_set_compile_extra_options(context, PCRE2_EXTRA_BAD_ESCAPE_IS_LITERAL);
        std::uint32_t flags = PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS | PCRE2_MATCH_UNSET_BACKREF |
                              PCRE2_USE_OFFSET_LIMIT;
        flags |= options.multiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
        if (options.ignoreCase) flags |= PCRE2_CASELESS;
        if (utf8Mode) flags |= PCRE2_UTF;
        int error = 0;
        PCRE2_SIZE errorOffset = 0;
        code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), flags,
                             &error, &errorOffset, context);
        pcre2_compile_context_free(context);
        if (!code) throw PatternError(error);
        std::uint32_t allOptions = 0;
        pcre2_pattern_info(code, PCRE2_INFO_ALLOPTIONS, &allOptions);
        anchored = (allOptions & PCRE2_ANCHORED) != 0;
        pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &captureCount);
    }
    ~Code() { pcre2_code_free(code); }
    Code(const Code&) = delete;
    Code& operator=(const Code&) = delete;

    void useJitFor(std::size_t subjectSize) {
        if (jitTried || subjectSize < JitSubjectSize) return;
        jitTried = true;
        pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);  // without JIT the interpreter serves
    }
};

namespace {

// One search over one subject: PCRE2's match data and limits, and the deadline.
class Search {
public:
    Search(pcre2_code* code, bool utf8, bool anchored, std::string_view subject)
        : code_(code),
          utf8_(utf8),
          anchored_(anchored),
          subject_(subject),
          deadline_(Clock::now() + CompiledPattern::timeLimit()),
          data_(pcre2_match_data_create_from_pattern(code, nullptr)),
          context_(pcre2_match_context_create(nullptr)) {
        if (!data_ || !context_) throw MatchError(PCRE2_ERROR_NOMEMORY);
        pcre2_set_match_limit(context_, MatchLimit);
        pcre2_set_depth_limit(context_, DepthLimit);
    }
    ~Search() {
        pcre2_match_context_free(context_);
        pcre2_match_data_free(data_);
    }
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;

    // The leftmost match starting at or after `start` (a character start).
    std::optional<FoundMatch> from(std::size_t start, std::uint32_t groupCount) {
        const std::size_t slice = sliceFor(subject_.size());
        for (std::size_t position = start;;) {
            if (Clock::now() > deadline_) throw MatchTimeExceeded();
            const std::size_t lastStart = std::min(subject_.size(), position + slice);
            pcre2_set_offset_limit(context_, lastStart);
            const int result = matchAt(position);
            if (result >= 0) return groups(groupCount);
            if (result != PCRE2_ERROR_NOMATCH) throw MatchError(result);
            if (lastStart >= subject_.size() || anchored_) return std::nullopt;
            position = NextCharacterStart(subject_, lastStart, utf8_);
        }
    }

private:
    int matchAt(std::size_t position) {
        const std::uint32_t flags = utf8_ ? PCRE2_NO_UTF_CHECK : 0;  // validated once by the caller
        const auto subject = reinterpret_cast<PCRE2_SPTR>(subject_.data());
        int result = pcre2_match(code_, subject, subject_.size(), position, flags, data_, context_);
        if (result == PCRE2_ERROR_JIT_STACKLIMIT)  // the interpreter keeps its frames on the heap
            result = pcre2_match(code_, subject, subject_.size(), position, flags | PCRE2_NO_JIT,
                                 data_, context_);
        return result;
    }

    FoundMatch groups(std::uint32_t groupCount) const {
        const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(data_);
        FoundMatch found(groupCount + 1);
        for (std::uint32_t i = 0; i <= groupCount; ++i) {
            const PCRE2_SIZE begin = offsets[2 * i];
            const PCRE2_SIZE end = offsets[2 * i + 1];
            if (begin == PCRE2_UNSET || end == PCRE2_UNSET) continue;
            // "\K" can report a start after the end; keep the range well-formed.
            found[i] = {std::min(begin, end), end, true};
        }
        return found;
    }

    pcre2_code* code_;
    bool utf8_;
    bool anchored_;
    std::string_view subject_;
    Clock::time_point deadline_;
    pcre2_match_data* data_;
    pcre2_match_context* context_;
};

}  // namespace

CompiledPattern::CompiledPattern(const std::string& pattern, PatternOptions options)
    : pattern_(pattern), options_(options) {
    if (endsInLoneBackslash(pattern))  // PCRE2 would take it as a literal backslash
        throw PatternError(PCRE2_ERROR_END_BACKSLASH);
    if (IsValidUtf8(pattern))
        utf8Code_ = std::make_unique<Code>(pattern, options, true);
    else
        byteCode_ = std::make_unique<Code>(pattern, options, false);
}

CompiledPattern::~CompiledPattern() = default;

CompiledPattern::Code& CompiledPattern::codeFor(bool utf8Subject) {
    if (utf8Subject && utf8Code_) return *utf8Code_;
    if (!byteCode_) byteCode_ = std::make_unique<Code>(pattern_, options_, false);
    return *byteCode_;
}

std::vector<FoundMatch> CompiledPattern::find(std::string_view subject, bool global) {
    Code& code = codeFor(IsValidUtf8(subject));
    code.useJitFor(subject.size());
    Search search(code.code, code.utf8, code.anchored, subject);
    std::vector<FoundMatch> matches;
    for (std::size_t start = 0; start <= subject.size();) {
        auto found = search.from(start, code.captureCount);
        if (!found) break;
        const CapturedGroup whole = found->front();
        matches.push_back(std::move(*found));
        if (!global) break;
        start =
            whole.end > whole.begin ? whole.end : NextCharacterStart(subject, whole.end, code.utf8);
    }
    return matches;
}

std::chrono::milliseconds CompiledPattern::timeLimit() {
    return std::chrono::milliseconds(timeLimitMs.load());
}

void CompiledPattern::setTimeLimit(std::chrono::milliseconds limit) {
    timeLimitMs.store(limit.count());
}

}  // namespace platform

// The search runs in slices of start positions (671 of them for a subject of
// 100,000 bytes, fewer for longer ones) with the time limit checked between
// slices. A match must be found wherever it lies relative to the slices'
// edges, however far into the subject, in byte and in UTF-8 subjects.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/regexserver/CompiledPattern.h"

using platform::CompiledPattern;

namespace {

constexpr std::size_t kSubjectSize = 100'000;
constexpr std::size_t kFirstSlices = 2200;  // three slices and more

std::vector<std::size_t> MatchStarts(CompiledPattern& pattern, std::string_view subject,
                                     bool global) {
    std::vector<std::size_t> starts;
    for (const auto& match : pattern.find(subject, global)) starts.push_back(match[0].begin);
    return starts;
}

// One "a" at each start in turn, everything else `filler`.
void ExpectEveryStartFound(std::string subject, std::size_t firstStart, std::size_t step) {
    CompiledPattern pattern("a", {});
    std::vector<std::size_t> starts;
    for (std::size_t at = firstStart; at < kFirstSlices; at += step) starts.push_back(at);
    starts.push_back(kSubjectSize / 2);
    starts.push_back(subject.size() - step);
    for (std::size_t at : starts) {
        const char saved = subject[at];
        subject[at] = 'a';
        const auto found = MatchStarts(pattern, subject, false);
        subject[at] = saved;
        ASSERT_EQ(std::vector<std::size_t>{at}, found) << "the match at byte " << at;
    }
}

}  // namespace

TEST(CompiledPatternSlices, AMatchIsFoundAtEveryStartOfTheFirstSlicesAndFarOn) {
    ExpectEveryStartFound(std::string(kSubjectSize, 'x'), 0, 1);
}

TEST(CompiledPatternSlices, BytesThatAreNotUtf8AreSlicedTheSameWay) {
    std::string subject(kSubjectSize, 'x');
    subject[0] = '\xFF';  // not UTF-8: matched byte by byte
    ExpectEveryStartFound(subject, 1, 1);
}

TEST(CompiledPatternSlices, Utf8SubjectsMoveOnByWholeCharacters) {
    std::string subject;
    while (subject.size() < kSubjectSize) subject += "\xC3\xA9";  // "é", two bytes
    // An "a" takes the place of a character's first byte, "x" of its second.
    for (std::size_t at = 0; at < kFirstSlices; at += 2) {
        std::string text = subject;
        text.replace(at, 2, "ax");
        CompiledPattern pattern("a", {});
        ASSERT_EQ(std::vector<std::size_t>{at}, MatchStarts(pattern, text, false))
            << "the match at byte " << at;
    }
}

TEST(CompiledPatternSlices, AGlobalSearchFindsEveryMatchAcrossManySlices) {
    std::string subject(kSubjectSize, 'x');
    std::vector<std::size_t> expected;
    // Gaps from 1 to 1400 bytes, so matches fall on, before and after the
    // edges of slices counted from the previous match.
    std::size_t gap = 1;
    for (std::size_t at = 0; at < subject.size(); at += gap) {
        subject[at] = 'a';
        expected.push_back(at);
        gap = gap * 7 % 1400 + 1;
    }
    CompiledPattern pattern("a", {});
    EXPECT_EQ(expected, MatchStarts(pattern, subject, true));
}

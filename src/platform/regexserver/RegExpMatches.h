#pragma once
// The result objects of the regular-expression object's Execute: a match
// collection (Count, Item), each match (Value, FirstIndex, Length,
// SubMatches) and its sub-matches (Count, Item). They share one immutable
// copy of the subject and the match offsets, so they are safe to read from
// any thread and stay valid after the regular-expression object is gone.

#include <memory>
#include <string>
#include <vector>

#include "platform/automation/AutomationObject.h"
#include "platform/regexserver/CompiledPattern.h"

namespace platform {

struct MatchResults {
    std::string subject;
    std::vector<FoundMatch> matches;
};
using MatchResultsRef = std::shared_ptr<const MatchResults>;

class MatchCollectionObject : public DispatchObject {
public:
    explicit MatchCollectionObject(MatchResultsRef results);

private:
    MatchResultsRef results_;
};

class MatchObject : public DispatchObject {
public:
    MatchObject(MatchResultsRef results, std::size_t index);

private:
    const FoundMatch& match() const { return results_->matches[index_]; }
    MatchResultsRef results_;
    std::size_t index_;
};

class SubMatchesObject : public DispatchObject {
public:
    SubMatchesObject(MatchResultsRef results, std::size_t index);

private:
    const FoundMatch& match() const { return results_->matches[index_]; }
    MatchResultsRef results_;
    std::size_t index_;
};

}  // namespace platform

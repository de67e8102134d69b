#include "platform/regexserver/RegExpMatches.h"

#include "platform/regexserver/RegExpErrors.h"

namespace platform {

namespace {

// The index argument of Item, checked against the number of entries.
std::size_t itemIndex(const VariantList& args, std::size_t count) {
    if (args.size() != 1) throw AutomationError::wrongArgumentCount();
    const std::int64_t index = args.front().toInt();
    if (index < 0 || static_cast<std::uint64_t>(index) >= count) throw InvalidArgument();
    return static_cast<std::size_t>(index);
}

Variant groupText(const std::string& subject, const CapturedGroup& group) {
    if (!group.matched) return {};  // a group that took no part reads as Empty
    return subject.substr(group.begin, group.end - group.begin);
}

}  // namespace

MatchCollectionObject::MatchCollectionObject(MatchResultsRef results)
    : results_(std::move(results)) {
    addProperty("Count", [this](const VariantList&) {
        return Variant(static_cast<std::int64_t>(results_->matches.size()));
    });
    addProperty("Item", [this](const VariantList& args) {
        const std::size_t index = itemIndex(args, results_->matches.size());
        return Variant(ObjectRef(std::make_shared<MatchObject>(results_, index)));
    });
}

MatchObject::MatchObject(MatchResultsRef results, std::size_t index)
    : results_(std::move(results)), index_(index) {
    addProperty("Value", [this](const VariantList&) {
        return groupText(results_->subject, match().front());
    });
    addProperty("FirstIndex", [this](const VariantList&) {
        return Variant(static_cast<std::int64_t>(match().front().begin));
    });
    addProperty("Length", [this](const VariantList&) {
        const CapturedGroup& whole = match().front();
        return Variant(static_cast<std::int64_t>(whole.end - whole.begin));
    });
    addProperty("SubMatches", [this](const VariantList&) {
        return Variant(ObjectRef(std::make_shared<SubMatchesObject>(results_, index_)));
    });
}

SubMatchesObject::SubMatchesObject(MatchResultsRef results, std::size_t index)
    : results_(std::move(results)), index_(index) {
    addProperty("Count", [this](const VariantList&) {
        return Variant(static_cast<std::int64_t>(match().size() - 1));
    });
    addProperty("Item", [this](const VariantList& args) {
        const std::size_t index = itemIndex(args, match().size() - 1);
        return groupText(results_->subject, match()[index + 1]);
    });
}

}  // namespace platform

// The read-only wrappers over the library's result objects: plain property
// reads, errors passed on unconverted.

#include "regex/RegexInterface.h"
#include "regex/VBScriptRegex.h"

namespace vbregex {

using platform::Variant;

TSubMatches::TSubMatches(platform::ObjectRef object)
    : object_(RequireInterface(std::move(object))) {}

int TSubMatches::Count() const { return static_cast<int>(object_->get("Count").toInt()); }

Variant TSubMatches::Item(int index) const { return object_->get("Item", {Variant(index)}); }

TMatch::TMatch(platform::ObjectRef object) : object_(RequireInterface(std::move(object))) {}

std::string TMatch::Value() const { return object_->get("Value").toText(); }

int TMatch::FirstIndex() const { return static_cast<int>(object_->get("FirstIndex").toInt()); }

int TMatch::Length() const { return static_cast<int>(object_->get("Length").toInt()); }

SubMatchesRef TMatch::SubMatches() const {
    return std::make_shared<TSubMatches>(object_->get("SubMatches").toObject());
}

TMatchCollection::TMatchCollection(platform::ObjectRef object)
    : object_(RequireInterface(std::move(object))) {}

int TMatchCollection::Count() const { return static_cast<int>(object_->get("Count").toInt()); }

MatchRef TMatchCollection::Item(int index) const {
    return std::make_shared<TMatch>(object_->get("Item", {Variant(index)}).toObject());
}

}  // namespace vbregex

#pragma once
// The regular-expression automation object: properties Pattern, IgnoreCase,
// Global and Multiline; methods Test(text), Execute(text) giving a match
// collection, and Replace(text, replacement). The pattern is compiled on the
// first match after it or a flag changed, so an invalid pattern fails there.
// One object serves one thread at a time; create one per thread.

#include <memory>
#include <string>

#include "platform/automation/AutomationObject.h"
#include "platform/regexserver/CompiledPattern.h"

namespace platform {

class RegExpObject : public DispatchObject {
public:
    RegExpObject();
    // Members are bound to this object, so it is never copied.
    RegExpObject(const RegExpObject&) = delete;
    RegExpObject& operator=(const RegExpObject&) = delete;

private:
    void addFlag(const char* name, bool& flag, bool affectsCompilation);
    CompiledPattern& compiled();
    std::vector<FoundMatch> find(const std::string& subject);
    Variant test(const VariantList& args);
    Variant execute(const VariantList& args);
    Variant replace(const VariantList& args);

    std::string pattern_;
    bool ignoreCase_ = false;
    bool global_ = false;
    bool multiline_ = false;
    std::unique_ptr<CompiledPattern> compiled_;
};

}  // namespace platform

#include "platform/regexserver/RegExpObject.h"

#include "platform/regexserver/RegExpMatches.h"
#include "platform/regexserver/ReplacementText.h"

namespace platform {

namespace {

const Variant& onlyArgument(const VariantList& args, std::size_t expected, std::size_t index) {
    if (args.size() != expected) throw AutomationError::wrongArgumentCount();
    return args[index];
}

}  // namespace

RegExpObject::RegExpObject() {
    addProperty(
        "Pattern", [this](const VariantList&) { return Variant(pattern_); },
        [this](const Variant& value, const VariantList&) {
            pattern_ = value.toText();
            compiled_.reset();
        });
    addFlag("IgnoreCase", ignoreCase_, true);
    addFlag("Global", global_, false);
    addFlag("Multiline", multiline_, true);
    addMethod("Test", [this](const VariantList& args) { return test(args); });
    addMethod("Execute", [this](const VariantList& args) { return execute(args); });
    addMethod("Replace", [this](const VariantList& args) { return replace(args); });
}

void RegExpObject::addFlag(const char* name, bool& flag, bool affectsCompilation) {
    addProperty(
        name, [&flag](const VariantList&) { return Variant(flag); },
        [this, &flag, affectsCompilation](const Variant& value, const VariantList&) {
            flag = value.toBool();
            if (affectsCompilation) compiled_.reset();
        });
}

CompiledPattern& RegExpObject::compiled() {
    if (!compiled_)
        compiled_ =
            std::make_unique<CompiledPattern>(pattern_, PatternOptions{ignoreCase_, multiline_});
    return *compiled_;
}

std::vector<FoundMatch> RegExpObject::find(const std::string& subject) {
    return compiled().find(subject, global_);
}

Variant RegExpObject::test(const VariantList& args) {
    const std::string subject = onlyArgument(args, 1, 0).toText();
    // Test needs only the first match whatever the global flag says.
    return Variant(!compiled().find(subject, false).empty());
}

Variant RegExpObject::execute(const VariantList& args) {
    auto results = std::make_shared<MatchResults>();
    results->subject = onlyArgument(args, 1, 0).toText();
    results->matches = find(results->subject);
    return Variant(ObjectRef(std::make_shared<MatchCollectionObject>(std::move(results))));
}

Variant RegExpObject::replace(const VariantList& args) {
    const std::string subject = onlyArgument(args, 2, 0).toText();
    const std::string replacement = args[1].toText();
    std::string out;
    std::size_t copied = 0;
    for (const FoundMatch& match : find(subject)) {
        const CapturedGroup& whole = match.front();
        out.append(subject, copied, whole.begin - copied);
        AppendReplacement(out, replacement, subject, match);
        copied = whole.end;
    }
    out.append(subject, copied);
    return Variant(std::move(out));
}

}  // namespace platform

#include "convert/chm/HelpFileFacts.h"

#include <filesystem>

#include "convert/chm/HelpLanguage.h"

HelpFileFacts FactsOf(const TvxChmJobState& state, const std::string& sourcePath) {
    HelpFileFacts facts;
    if (state.System) {
        facts.Title = state.System->Title;
        if (state.System->Lcid != 0) {
            facts.Charset = CharsetOfLcid(state.System->Lcid);
            facts.Language = LanguageTagOfLcid(state.System->Lcid);
        }
    }
    if (facts.Title.empty()) facts.Title = std::filesystem::path(sourcePath).stem().string();
    return facts;
}

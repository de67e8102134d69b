#include "convert/HelpFileFacts.h"

#include <filesystem>

HelpFileFacts FactsOf(const TvxChmJobState&, const std::string& sourcePath) {
    HelpFileFacts facts;
    facts.Title = std::filesystem::path(sourcePath).stem().string();
    return facts;
}

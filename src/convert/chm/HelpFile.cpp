#include "convert/chm/HelpFile.h"

#include <filesystem>
#include <utility>

#include "convert/chm/HelpLanguage.h"

std::string HelpFile::Title(const std::string& sourcePath) const {
    if (System && !System->Title.empty()) return System->Title;
    return std::filesystem::path(sourcePath).stem().string();
}

std::string HelpFile::Language() const {
    return System && System->Lcid != 0 ? LanguageTagOfLcid(System->Lcid) : std::string();
}

std::string HelpFile::Charset() const {
    return System && System->Lcid != 0 ? CharsetOfLcid(System->Lcid) : std::string();
}

std::string HelpFile::DefaultTopic() const { return System ? System->DefaultTopic : ""; }

std::string HelpFile::IndexFile() const { return System ? System->IndexFile : ""; }

HelpFile ReadHelpFile(const std::string& folder, int decompilerExit,
                      const TvxDecompileSettings& settings) {
    TvxChmJobState state;
    state.TempFolderName = folder;
    while (state.TempFolderName.size() > 1 && state.TempFolderName.back() == '/')
        state.TempFolderName.pop_back();
    state.TempFolder = state.TempFolderName + "/";
    state.DecompilerExit = decompilerExit;
    ReadDecompiledFolder(state, settings);
    HelpFile help;
    help.Contents = std::move(state.Contents);
    help.Topics = std::move(state.TopicFiles);
    help.System = std::move(state.System);
    help.DecompilerExit = decompilerExit;
    help.MissingContentsEntries = state.MissingContentsEntries;
    return help;
}

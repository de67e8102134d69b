#pragma once
// The path choosers the project and the main window use: a folder chooser and
// the open and save dialogs. The window implements them over its dialogs;
// tests script them.

#include <string>

class TvxPathChooser {
public:
    virtual ~TvxPathChooser() = default;

    // The chosen folder, or `start` when the user cancels.
    virtual std::string BrowseForFolder(const std::string& start) = 0;

    // Open dialog. `filter` is "caption|pattern|caption|pattern...". `name` is
    // the initial file name (its folder is the initial folder when not empty);
    // on confirmation it receives the chosen file or, with `multiple`, every
    // chosen file, one per line (lines end in CR LF). The chosen files must
    // exist. Returns false, leaving `name` unchanged, when the user cancels.
    virtual bool ChooseFiles(const std::string& filter, std::string& name, bool multiple) = 0;

    // Save dialog with a default extension, asking before an existing file is
    // replaced. On confirmation `name` receives the chosen file.
    virtual bool ChooseSaveFile(const std::string& filter, const std::string& defaultExt,
                                std::string& name) = 0;
};

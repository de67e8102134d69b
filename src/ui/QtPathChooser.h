#pragma once
// The path choosers over Qt's dialogs: the folder chooser, the open dialog
// (one or several existing files) and the save dialog that asks before it
// replaces a file. Filters come in the "caption|pattern|..." form.

#include <QString>

#include "core/TvxPathChooser.h"

namespace ui {

class QtPathChooser : public TvxPathChooser {
public:
    std::string BrowseForFolder(const std::string& start) override;
    bool ChooseFiles(const std::string& filter, std::string& name, bool multiple) override;
    bool ChooseSaveFile(const std::string& filter, const std::string& defaultExt,
                        std::string& name) override;

    // "Help(*.chm)|*.chm|All|*.*" becomes "Help(*.chm) (*.chm);;All (*.*)";
    // several patterns joined by ";" are separated by blanks.
    static QString QtFilter(const std::string& filter);
};

}  // namespace ui

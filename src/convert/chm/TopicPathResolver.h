#pragma once
// Turns the links of a decompiled help file into paths inside its folder.
// Links are relative to the file that names them; "/" starts at the top of
// the help file. A link that would climb out of the folder is refused, so a
// hostile help file cannot point at files of the machine. Letter case is
// matched loosely, as the help files were made for a case-blind file system.

#include <optional>
#include <string>

class TopicPathResolver {
public:
    // `rootFolder` without a trailing delimiter.
    explicit TopicPathResolver(std::string rootFolder);

    // What ".." at the root means: a link that leaves the help file (refused),
    // or, as a browser reads a page's addresses, the root itself.
    enum class AboveRoot { Refused, StaysAtRoot };

    // The link's place relative to the root (components joined by "/"), or
    // nothing when it leaves the root, names the root itself or holds control
    // characters. `baseFolder` is relative to the root ("" for the root).
    static std::optional<std::string> Normalize(const std::string& baseFolder,
                                                const std::string& link,
                                                AboveRoot above = AboveRoot::Refused);

    // The full path of a relative place, each component spelled as on disk
    // when only its letter case differs; missing parts are kept as given.
    std::string Locate(const std::string& relative) const;

    // Normalize followed by Locate.
    std::optional<std::string> Resolve(const std::string& baseFolder, const std::string& link,
                                       AboveRoot above = AboveRoot::Refused) const;

    const std::string& Root() const { return root_; }

private:
    std::string root_;
};

#pragma once
// Where the program keeps its own state (the default project and the recent
// list). A copy in a folder its user may write keeps them beside itself, as a
// portable copy always did; an installed copy (/usr/bin is nobody's to write,
// and even root's files do not belong there: a copy whose private folder
// <prefix>/lib/pellin exists counts as installed) keeps the default project
// in $XDG_CONFIG_HOME/pellin and the recent list in $XDG_STATE_HOME/pellin,
// with the usual fallbacks below $HOME. Without a usable home either, the
// state is simply not kept.

#include <optional>
#include <string>

namespace platform {

// What the choice looks at; tests answer from a script, so a folder the user
// may not write needs no second user.
class StateEnvironment {
public:
    virtual ~StateEnvironment() = default;
    // The value of an environment variable; nothing when it is unset.
    virtual std::optional<std::string> Variable(const std::string& name) const = 0;
    // Whether `path` is an existing folder.
    virtual bool IsFolder(const std::string& path) const = 0;
    // Whether this process may create and replace files in the folder.
    virtual bool CanWriteIn(const std::string& folder) const = 0;
};

// The running process: getenv, stat and access(W_OK | X_OK).
class ProcessStateEnvironment final : public StateEnvironment {
public:
    std::optional<std::string> Variable(const std::string& name) const override;
    bool IsFolder(const std::string& path) const override;
    bool CanWriteIn(const std::string& folder) const override;
};

const StateEnvironment& CurrentStateEnvironment();

struct StateFolders {
    // True: both files sit beside the program, named after its path.
    bool BesideProgram = false;
    // Otherwise the folders of the default project and of the recent list,
    // without a trailing delimiter; empty when that file is not kept.
    std::string ConfigFolder;
    std::string StateFolder;
};

// The folder name below the configuration and state homes.
inline constexpr const char* StateFolderName = "pellin";

// Decides for the program at `exeName` (its full path). An XDG variable counts
// only when it holds an absolute path; $HOME only when it names an existing
// folder (a user such as nobody has /nonexistent).
StateFolders ChooseStateFolders(const std::string& exeName, const StateEnvironment& environment);

}  // namespace platform

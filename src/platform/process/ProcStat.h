#pragma once
// The fields of /proc/<pid>/stat that follow the command name. The name may
// hold spaces and parentheses itself, so the fields start after its last
// closing parenthesis; the first one returned is field 3 (the state).

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace platform {

// Fields 3 to `lastField` of the process's stat line; nothing when the
// process is gone or the line is shorter.
std::optional<std::vector<std::string>> ProcStatFields(pid_t pid, int lastField);

}  // namespace platform

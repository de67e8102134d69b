#pragma once
// The full, real path of the running program. The program keeps files beside
// itself (its recent list, its default project, its help document and its
// helper programs), so this must not depend on the current folder or on how
// the program was started.

#include <string>

namespace platform {

// /proc/self/exe; when that cannot be read, argv0 made absolute.
std::string ExecutablePath(const char* argv0);

}  // namespace platform

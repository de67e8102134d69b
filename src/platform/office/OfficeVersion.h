#pragma once
// The major and minor version of an installed office ("7.4"), as its
// bootstrap file beside the program names it.

#include <filesystem>
#include <optional>
#include <string>

namespace platform::office {

// `program` is the office's start program or a link to it; nothing when its
// folder holds no readable bootstrap file naming a version.
std::optional<std::string> OfficeProductVersion(const std::filesystem::path& program);

}  // namespace platform::office

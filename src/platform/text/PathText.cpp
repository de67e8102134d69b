#include "platform/text/PathText.h"

#include <filesystem>

namespace platform {

namespace {

std::size_t NameStart(const std::string& path) {
    const auto slash = path.rfind(PathDelim);
    return slash == std::string::npos ? 0 : slash + 1;
}

std::size_t ExtStart(const std::string& path) {
    const auto dot = path.rfind('.');
    return (dot == std::string::npos || dot < NameStart(path)) ? path.size() : dot;
}

}  // namespace

std::string ExtractFilePath(const std::string& path) { return path.substr(0, NameStart(path)); }

std::string ExtractFileName(const std::string& path) { return path.substr(NameStart(path)); }

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    return path.substr(0, ExtStart(path)) + ext;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    return (!path.empty() && path.back() == PathDelim) ? path : path + PathDelim;
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path.front() == PathDelim) return path;
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

}  // namespace platform

#include "platform/PathText.h"

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

std::string ExtractFileExt(const std::string& path) { return path.substr(ExtStart(path)); }

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    return path.substr(0, ExtStart(path)) + ext;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    return (!path.empty() && path.back() == PathDelim) ? path : path + PathDelim;
}

}  // namespace platform

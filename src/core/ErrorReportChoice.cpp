#include "core/ErrorReportChoice.h"

#include "core/TvxProject.h"
#include "platform/files/FileError.h"
#include "platform/files/FileSystem.h"
#include "platform/text/PathText.h"

namespace {

constexpr const char* SendWord = "Send";
constexpr const char* DontSendWord = "DontSend";

}  // namespace

std::string ErrorReportChoiceFile(const TvxProject& project) {
    const std::string recent = project.RecentListFile();
    if (recent.empty()) return recent;
    return platform::ChangeFileExt(recent, ".report");
}

ErrorReportChoice ReadErrorReportChoice(const TvxProject& project) {
    const std::string file = ErrorReportChoiceFile(project);
    const platform::FileSystem& files = platform::LocalFiles();
    if (file.empty() || !files.FileExists(file)) return ErrorReportChoice::Ask;
    try {
        const auto lines = files.ReadLines(file);
        if (lines.empty()) return ErrorReportChoice::Ask;
        if (lines[0] == SendWord) return ErrorReportChoice::Send;
        if (lines[0] == DontSendWord) return ErrorReportChoice::DontSend;
    } catch (const platform::FileError&) {
    }
    return ErrorReportChoice::Ask;
}

void KeepErrorReportChoice(const TvxProject& project, ErrorReportChoice choice) {
    const std::string file = ErrorReportChoiceFile(project);
    if (file.empty()) return;
    platform::FileSystem& files = platform::LocalFiles();
    files.ForceDirectories(platform::ExtractFilePath(file));
    switch (choice) {
        case ErrorReportChoice::Ask:
            files.WriteLines(file, {});
            break;
        case ErrorReportChoice::Send:
            files.WriteLines(file, {SendWord});
            break;
        case ErrorReportChoice::DontSend:
            files.WriteLines(file, {DontSendWord});
            break;
    }
}

#pragma once
// Product information and the product links: the help document (beside the
// program or installed with it), the maker's home and download pages, the support mail, and the
// action pages (install and uninstall notices, error report). Every link goes
// to the desktop's default handler through the shell launcher.
//
// The maker's site is a placeholder under the reserved ".example" domain.

#include <string>

class TvxProject;

namespace platform {
class FileSystem;
class MimeHandlers;
class ShellLauncher;
}  // namespace platform

class TvxInfo {
public:
    // `exeName` is the program's full path; both references must outlive the object.
    TvxInfo(platform::ShellLauncher& shell, std::string exeName);
    TvxInfo(platform::ShellLauncher& shell, std::string exeName, const platform::FileSystem& files);
    TvxInfo(platform::ShellLauncher& shell, std::string exeName, const platform::FileSystem& files,
            const platform::MimeHandlers& handlers);

    std::string Site = "https://pellin.example";
    std::string SupportMail = "support@pellin.example";
    // The desktop id the installed program registers for CHM files; it is no
    // viewer of the help document.
    std::string DesktopId;

    // Title, version and short name come from this project; with none given,
    // from vxProject at the time of the call.
    void SetProject(const TvxProject* project);

    // The help document, named after the program ("pellin.chm", "pellin.pdf")
    // and looked for beside it, then in the installed data folder: the CHM
    // when it is there and another program has claimed CHM files, else the
    // PDF; with no PDF found, the PDF's name beside the program (the window
    // says that it is missing).
    std::string HelpDocument() const;
    // Whether a program other than this one opens CHM files by default.
    bool HasChmViewer() const;
    std::string PageUrl(const std::string& page) const;
    std::string HomePageUrl() const;
    std::string UpdatePageUrl() const;
    std::string SupportMailUrl() const;
    // Site + "/net/?a=<action>&p=<short name>&v=<version>", then "&" and the
    // extra query data when given. Double quotes are removed from the values;
    // blanks, control bytes, non-ASCII bytes and '#' are percent-encoded.
    std::string ActionUrl(const std::string& action, const std::string& extra = {}) const;

    // Each returns whether the handler was started.
    bool OpenHelp();
    bool OpenHomePage();
    bool OpenUpdatePage();
    bool OpenSupportMail();
    // `action` is the action text, such as "uni" or "err&e=<failure messages>".
    bool OpenAction(const std::string& action, const std::string& extra = {});
    bool InstallNotice(const std::string& extra) { return OpenAction("ins", extra); }
    bool UninstallNotice() { return OpenAction("uni"); }

private:
    const TvxProject* Product() const;
    std::string ShortName() const;

    platform::ShellLauncher& shell_;
    std::string exeName_;
    const platform::FileSystem& files_;
    const platform::MimeHandlers& handlers_;
    const TvxProject* project_ = nullptr;
};

extern TvxInfo* vxInfo;

#include "core/TvxInfo.h"

#include <algorithm>

#include "core/TvxProject.h"
#include "platform/files/FileSystem.h"
#include "platform/process/InstallLayout.h"
#include "platform/process/MimeHandlers.h"
#include "platform/process/ShellLauncher.h"
#include "platform/text/PathText.h"
#include "platform/text/TextReplace.h"

TvxInfo* vxInfo = nullptr;

#ifndef PELLIN_DESKTOP_ID
#define PELLIN_DESKTOP_ID "example.pellin.convertor.desktop"
#endif

namespace {

// The registered type of CHM files, and the older name some viewers claim.
constexpr const char* ChmMimeTypes[] = {"application/vnd.ms-htmlhelp", "application/x-chm"};

std::string WithoutQuotes(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text;
}

// Keeps the address one argument a browser accepts; everything else, the
// query's own "&" and "=" included, passes unchanged.
std::string EncodeUnsafe(const std::string& text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || c == '#') {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

TvxInfo::TvxInfo(platform::ShellLauncher& shell, std::string exeName)
    : TvxInfo(shell, std::move(exeName), platform::LocalFiles()) {}

TvxInfo::TvxInfo(platform::ShellLauncher& shell, std::string exeName,
                 const platform::FileSystem& files)
    : TvxInfo(shell, std::move(exeName), files, platform::DesktopMimeHandlers()) {}

TvxInfo::TvxInfo(platform::ShellLauncher& shell, std::string exeName,
                 const platform::FileSystem& files, const platform::MimeHandlers& handlers)
    : DesktopId(PELLIN_DESKTOP_ID),
      shell_(shell),
      exeName_(std::move(exeName)),
      files_(files),
      handlers_(handlers) {}

void TvxInfo::SetProject(const TvxProject* project) { project_ = project; }

const TvxProject* TvxInfo::Product() const { return project_ ? project_ : vxProject; }

std::string TvxInfo::ShortName() const { return Product() ? Product()->ShortName : std::string(); }

std::string TvxInfo::HelpDocument() const {
    const auto find = [this](const char* ext) {
        const std::string name = platform::ExtractFileName(platform::ChangeFileExt(exeName_, ext));
        return platform::FindInstalledDocument(exeName_, name, files_);
    };
    // Most desktops show no CHM file: the CHM guide is opened only where a
    // viewer is registered for it, and then also when the PDF is there.
    const std::string chm = find(".chm");
    if (!chm.empty() && HasChmViewer()) return chm;
    const std::string pdf = find(".pdf");
    if (!pdf.empty()) return pdf;
    return platform::ChangeFileExt(exeName_, ".pdf");
}

bool TvxInfo::HasChmViewer() const {
    for (const char* type : ChmMimeTypes) {
        const std::string handler = handlers_.DefaultHandler(type);
        // This program claims CHM files to convert them; handing it its own
        // help would open a conversion window instead of the help.
        if (!handler.empty()) return handler != DesktopId;
    }
    return false;
}

std::string TvxInfo::PageUrl(const std::string& page) const {
    return Site + "/en/" + ShortName() + "/" + page + ".htm";
}

std::string TvxInfo::HomePageUrl() const { return PageUrl("index"); }

std::string TvxInfo::UpdatePageUrl() const { return PageUrl("download"); }

std::string TvxInfo::SupportMailUrl() const {
    const TvxProject* product = Product();
    const std::string title =
        product ? platform::ReplaceAll(product->Title, "&", "And") : std::string();
    const std::string version = product ? product->Version : std::string();
    const std::string subject = "?subject=Support required for " + title + " " + version;
    return "mailto:" + SupportMail + EncodeUnsafe(subject);
}

std::string TvxInfo::ActionUrl(const std::string& action, const std::string& extra) const {
    const TvxProject* product = Product();
    std::string query = "a=" + WithoutQuotes(action) + "&p=" + WithoutQuotes(ShortName()) +
                        "&v=" + WithoutQuotes(product ? product->Version : std::string());
    if (!extra.empty()) query += "&" + WithoutQuotes(extra);
    return Site + "/net/?" + EncodeUnsafe(query);
}

bool TvxInfo::OpenHelp() { return shell_.Open(HelpDocument()); }

bool TvxInfo::OpenHomePage() { return shell_.Open(HomePageUrl()); }

bool TvxInfo::OpenUpdatePage() { return shell_.Open(UpdatePageUrl()); }

bool TvxInfo::OpenSupportMail() { return shell_.Open(SupportMailUrl()); }

bool TvxInfo::OpenAction(const std::string& action, const std::string& extra) {
    return shell_.Open(ActionUrl(action, extra));
}

#include "EntryName.h"

#include <cstdio>

#include "platform/text/TextEncoding.h"

namespace {

bool HasControlByte(std::string_view text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return true;
    }
    return false;
}

// Why a single path component cannot be used, or an empty text when it can.
std::string ComponentProblem(std::string_view component) {
    if (component.empty()) return "empty path component";
    if (component == "." || component == "..") return "\".\" or \"..\" path component";
    if (component.size() > MaxComponentBytes) return "path component longer than 255 bytes";
    if (HasControlByte(component)) return "control character in the name";
    if (component.find('\\') != std::string_view::npos) return "backslash in the name";
    if (!platform::IsValidUtf8(component)) return "name is not valid UTF-8";
    return {};
}

EntryName Refuse(std::string reason) {
    EntryName name;
    name.Kind = EntryKind::Refused;
    name.Reason = std::move(reason);
    return name;
}

}  // namespace

EntryName ClassifyEntryName(std::string_view raw) {
    if (raw.starts_with("::")) return {EntryKind::Internal, {}, {}};
    if (raw.empty()) return Refuse("empty name");
    if (raw.front() != '/') return Refuse("name does not begin with \"/\"");
    if (raw == "/") return {EntryKind::Folder, {}, {}};  // the root: nothing to create
    // The one internal entry written out: the converter reads the title and
    // the language from it. No user entry begins with "#" at the top, so
    // its name cannot clash with a page.
    if (raw == SystemEntryName)
        return {EntryKind::File, {std::string(SystemEntryName.substr(1))}, {}};
    std::string_view rest = raw.substr(1);
    if (rest.starts_with('#') || rest.starts_with('$')) return {EntryKind::Internal, {}, {}};

    EntryName name;
    name.Kind = EntryKind::File;
    if (rest.ends_with('/')) {
        name.Kind = EntryKind::Folder;
        rest.remove_suffix(1);
    }
    while (true) {
        const auto slash = rest.find('/');
        const auto component = rest.substr(0, slash);
        if (auto problem = ComponentProblem(component); !problem.empty())
            return Refuse(std::move(problem));
        name.Components.emplace_back(component);
        if (slash == std::string_view::npos) break;
        rest.remove_prefix(slash + 1);
    }
    return name;
}

std::string PrintableName(std::string_view raw) {
    std::string shown;
    shown.reserve(raw.size());
    for (char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '\\') {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

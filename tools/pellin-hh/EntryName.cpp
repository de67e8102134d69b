#include "EntryName.h"

#include <cstdio>

namespace {

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        static constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

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
    if (!IsValidUtf8(component)) return "name is not valid UTF-8";
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

#include "platform/registry/RegistryTree.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <vector>

#include "platform/text/AsciiText.h"

namespace platform {

namespace {

const char* const kCurrentUser = "CurrentUser";
const char* const kLocalMachine = "LocalMachine";

std::string escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '%':
                out += "%25";
                break;
            case '=':
                out += "%3D";
                break;
            case '[':
                out += "%5B";
                break;
            case '\r':
                out += "%0D";
                break;
            case '\n':
                out += "%0A";
                break;
            default:
                out += c;
        }
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = ToUpperAscii(c);
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
            hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

std::string RegistryTree::normalizeKey(const std::string& key) {
    std::string out;
    for (char c : key) {
        if (c == '\\' && (out.empty() || out.back() == '\\')) continue;  // no empty levels
        out += c;
    }
    while (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

std::string RegistryTree::slot(RegistryRoot root, const std::string& normalizedKey) {
    return (root == RegistryRoot::CurrentUser ? "u:" : "m:") + ToLowerAscii(normalizedKey);
}

const RegistryTree::Key* RegistryTree::find(RegistryRoot root, const std::string& key) const {
    auto it = keys_.find(slot(root, normalizeKey(key)));
    return it == keys_.end() ? nullptr : &it->second;
}

bool RegistryTree::keyExists(RegistryRoot root, const std::string& key) const {
    return find(root, key) != nullptr;
}

void RegistryTree::createKey(RegistryRoot root, const std::string& key) {
    const std::string path = normalizeKey(key);
    for (std::size_t end = 0; end != std::string::npos;) {
        end = path.find('\\', end + 1);
        const std::string level = path.substr(0, end);
        keys_.try_emplace(slot(root, level), Key{root, level, {}});
    }
}

std::optional<std::string> RegistryTree::readValue(RegistryRoot root, const std::string& key,
                                                   const std::string& name) const {
    const Key* found = find(root, key);
    if (!found) return std::nullopt;
    auto it = found->values.find(ToLowerAscii(name));
    if (it == found->values.end()) return std::nullopt;
    return it->second.data;
}

bool RegistryTree::writeValue(RegistryRoot root, const std::string& key, const std::string& name,
                              const std::string& value) {
    auto it = keys_.find(slot(root, normalizeKey(key)));
    if (it == keys_.end()) return false;
    auto [entry, added] = it->second.values.try_emplace(ToLowerAscii(name), Value{name, value});
    if (!added) entry->second.data = value;
    return true;
}

std::string RegistryTree::toText() const {
    std::ostringstream out;
    for (const auto& [slotName, key] : keys_) {
        out << '[' << (key.root == RegistryRoot::CurrentUser ? kCurrentUser : kLocalMachine);
        if (!key.path.empty()) out << '\\' << escape(key.path);
        out << "]\r\n";
        for (const auto& [lowerName, value] : key.values)
            out << escape(value.name) << '=' << escape(value.data) << "\r\n";
    }
    return out.str();
}

RegistryTree RegistryTree::fromText(const std::string& text) {
    RegistryTree tree;
    std::optional<std::pair<RegistryRoot, std::string>> current;
    for (const std::string& line : splitLines(text)) {
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string inner = line.substr(1, line.size() - 2);
            const std::size_t cut = inner.find('\\');
            const std::string rootName = inner.substr(0, cut);
            const std::string path =
                cut == std::string::npos ? "" : unescape(inner.substr(cut + 1));
            current.reset();
            if (rootName == kCurrentUser) current.emplace(RegistryRoot::CurrentUser, path);
            if (rootName == kLocalMachine) current.emplace(RegistryRoot::LocalMachine, path);
            if (current) tree.createKey(current->first, current->second);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!current || eq == std::string::npos) continue;
        tree.writeValue(current->first, current->second, unescape(line.substr(0, eq)),
                        unescape(line.substr(eq + 1)));
    }
    return tree;
}

}  // namespace platform

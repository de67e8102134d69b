#include "convert/book/StyleSheets.h"

#include <algorithm>

namespace {

// Real help files carry a few sheets of some kilobytes; a book with more
// than this is hostile or broken, and the office would choke on it.
constexpr std::size_t kMaxBytes = 4 * 1024 * 1024;

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
}

}  // namespace

void StyleSheets::Add(std::string css) {
    if (IsBlank(css) || bytes_ + css.size() > kMaxBytes) return;
    if (!seen_.insert(css).second) return;
    bytes_ += css.size();
    sheets_.push_back(std::move(css));
}

#pragma once
// The style sheets the topics of a book bring, each distinct sheet once, in
// the order they are first met. The book carries them in its head, so the
// office applies them to the whole document as it loads it.

#include <string>
#include <unordered_set>
#include <vector>

class StyleSheets {
public:
    // Adds a sheet that is already safe; repeated and empty sheets are skipped,
    // and nothing is added once the sheets reach their size bound.
    void Add(std::string css);
    const std::vector<std::string>& Sheets() const { return sheets_; }

private:
    std::vector<std::string> sheets_;
    std::unordered_set<std::string> seen_;
    std::size_t bytes_ = 0;
};

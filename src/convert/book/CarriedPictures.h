#pragma once
// Pictures the book carries inside itself. A picture written as a data:
// address is stored in the document while the office reads the book, so no
// picture is left linked to a file for a later step to store one at a time,
// and the PDF writer keeps one copy of a picture used many times (an icon on
// every member of a reference). Each use repeats the picture's bytes in the
// book, so the book carries pictures up to a budget; past it they stay files.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

// The data: address of a PNG, GIF, JPEG or BMP picture's bytes; empty for
// any other format, which the book leaves as a file.
std::string PictureDataAddress(std::string_view bytes);

class CarriedPictures {
public:
    using ReadFile = std::function<std::string(const std::string& path)>;
    static constexpr std::size_t kDefaultBudget = 48u << 20;  // bytes of addresses per book

    explicit CarriedPictures(ReadFile readFile, std::size_t budget = kDefaultBudget);

    // The address one use of the picture `file` takes in the book: its data
    // address while the budget lasts, else `fileAddress`.
    std::string AddressOf(const std::string& file, const std::string& fileAddress);

private:
    ReadFile readFile_;
    std::size_t left_;
    std::unordered_map<std::string, std::string> addresses_;  // file -> data address or ""
};

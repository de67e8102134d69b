#pragma once
// Style sheets of untrusted topics, made safe to hand to the office: every
// address in them (url(...), @import) leads to a file inside the job folder
// or is taken out, and constructs that run code or fetch behaviour are
// neutralised. What remains is the plain styling the office can apply.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class CssSanitizer {
public:
    // Maps an address written in the sheet to the text that replaces it (a
    // URL relative to the document), or nothing to take it out.
    using AddressMap = std::function<std::optional<std::string>(std::string_view address)>;
    // The text of a sheet named by @import, already made safe, or nothing.
    using ImportLoader = std::function<std::optional<std::string>(std::string_view address)>;

    CssSanitizer(AddressMap addresses, ImportLoader imports);

    std::string Sanitize(std::string_view css) const;

private:
    std::string WithoutComments(std::string_view css) const;
    std::string RewriteImports(const std::string& css) const;
    std::string RewriteUrls(const std::string& css) const;

    AddressMap addresses_;
    ImportLoader imports_;
};

// pellin-catalogue: fills a document template with the option catalogue.
//   pellin-catalogue --man  <template> <output>   the manual page's options
//   pellin-catalogue --html <template> <output>   the help document's table
// The template holds a line "%OPTIONS%" where the options go.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "CatalogueText.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: pellin-catalogue --man|--html <template> <output>\n";
        return 2;
    }
    const std::string mode = argv[1];
    if (mode != "--man" && mode != "--html") {
        std::cerr << "pellin-catalogue: unknown mode " << mode << "\n";
        return 2;
    }
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::cerr << "pellin-catalogue: cannot read " << argv[2] << "\n";
        return 1;
    }
    std::ostringstream templateText;
    templateText << in.rdbuf();
    try {
        const std::string content =
            mode == "--man" ? catalogue::ManPageOptions() : catalogue::HtmlOptionsTable();
        const std::string text =
            catalogue::FillPlaceholder(templateText.str(), "%OPTIONS%", content);
        std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            std::cerr << "pellin-catalogue: cannot write " << argv[3] << "\n";
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << "pellin-catalogue: " << argv[2] << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}

#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "core/OptionCatalog.h"
#include "core/TvxUsage.h"

using coretest::Harness;

TEST(Usage, HelpNamesTheSwitchesOptionsDefaultsAndExitCodesAndVersionItsNumber) {
    Harness run;
    const std::string help = *InformationFor("--help", *run.project);
    EXPECT_EQ(help.rfind("Usage: pellin ", 0), 0u);
    for (const char* part : {"-P:KEY=VALUE", "-I[:DATA]", "-U", "FILE.batch-pellin", "--version",
                             "/P, /P:..., /I, /I:... and /U"})
        EXPECT_NE(help.find(part), std::string::npos) << part;
    EXPECT_NE(help.find(run.project->DefaultProjectFile()), std::string::npos);
    for (const auto& option : options::OptionCatalog()) {
        EXPECT_NE(help.find("\n  " + std::string(option.key) + " "), std::string::npos)
            << option.key;
        EXPECT_NE(help.find("(default: " + std::string(option.defaultText) + ")"),
                  std::string::npos)
            << option.key;
    }
    for (const char* code : {"\n  0 ", "\n  1 ", "\n  2 ", "\n  3 ", "\n  128+N "})
        EXPECT_NE(help.find(code), std::string::npos) << code;
    // Fits a terminal: no line wider than 79 characters, but for a long path.
    std::size_t start = 0;
    for (std::size_t end; (end = help.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = help.substr(start, end - start);
        if (line.find(run.project->DefaultProjectFile()) == std::string::npos) {
            EXPECT_LE(line.size(), 79u) << line;
        }
    }
    EXPECT_EQ(*InformationFor("-h", *run.project), help);
    EXPECT_EQ(*InformationFor("-H", *run.project), help);

    // Version is the title and version; other parameters are no request.
    EXPECT_EQ(*InformationFor("--version", *run.project), "Pellin Convertor 2025.17.420.2241\n");
    for (const char* other : {"", "-P:Subdir=1", "-U", "/h", "/help", "-help", "--HELP", "h"})
        EXPECT_EQ(InformationFor(other, *run.project), std::nullopt) << other;
}

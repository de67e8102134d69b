#include "platform/ExecutablePath.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(ExecutablePath, IsTheRealAbsolutePathWhateverArgv0Says) {
    const std::string path = platform::ExecutablePath("some/relative/name");
    EXPECT_TRUE(fs::path(path).is_absolute());
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::path(path).filename(), "pellin_platform_tests");
}

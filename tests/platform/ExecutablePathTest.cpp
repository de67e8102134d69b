#include <gtest/gtest.h>

#include <filesystem>

#include "platform/process/ExecutablePath.h"

TEST(ExecutablePath, IsTheRealAbsolutePathWhateverArgv0Says) {
    const std::filesystem::path path = platform::ExecutablePath("some/relative/name");
    EXPECT_TRUE(path.is_absolute());
    EXPECT_EQ(path.filename(), "pellin_platform_tests");
}

// The ready-made profile new offices start from.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ScratchFolder.h"
#include "platform/office/ProfileSeed.h"

namespace fs = std::filesystem;
using platform::office::ProfileSeed;
using testsupport::ScratchFolder;

namespace {

TEST(ProfileSeed, KeepsTheFirstWorkingProfileWithoutItsLock) {
    ScratchFolder folder("seed");
    const fs::path running = folder.Path() / "running";
    folder.Write("running/user/registrymodifications.xcu", "first");
    folder.Write("running/.lock", "held by the running office");
    folder.Write("later/user/registrymodifications.xcu", "second");
    const ProfileSeed seed(folder.Path() / "seed");
    EXPECT_FALSE(seed.available());

    seed.offer(running);
    seed.offer(folder.Path() / "later");  // the first one stays
    const fs::path fresh = folder.Path() / "fresh";
    fs::create_directories(fresh);
    ASSERT_TRUE(seed.copyTo(fresh));
    std::ifstream copied(fresh / "user" / "registrymodifications.xcu");
    EXPECT_EQ("first", std::string((std::istreambuf_iterator<char>(copied)),
                                   std::istreambuf_iterator<char>()));
    EXPECT_FALSE(fs::exists(fresh / ".lock"));
}

TEST(ProfileSeed, AFolderOthersCanWriteIsNotTrusted) {
    ScratchFolder folder("seed-planted");
    folder.Write("seed/user/registrymodifications.xcu", "planted");
    fs::permissions(folder.Path() / "seed", fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::add);
    const ProfileSeed seed(folder.Path() / "seed");
    EXPECT_FALSE(seed.available());
    const fs::path fresh = folder.Path() / "fresh";
    fs::create_directories(fresh);
    EXPECT_FALSE(seed.copyTo(fresh));
    EXPECT_TRUE(fs::is_empty(fresh));
}

}  // namespace

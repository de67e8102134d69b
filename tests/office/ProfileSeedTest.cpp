// The ready-made profile new offices start from.

#include <gtest/gtest.h>

#include "OfficeTestSupport.h"
#include "platform/office/ProfileSeed.h"

using namespace officetest;
using platform::office::ProfileSeed;

namespace {

TEST(ProfileSeed, KeepsTheFirstWorkingProfileWithoutItsLock) {
    ScratchFolder folder("seed");
    const fs::path running = folder.path() / "running";
    folder.write("running/user/registrymodifications.xcu", "first");
    folder.write("running/.lock", "held by the running office");
    folder.write("later/user/registrymodifications.xcu", "second");
    const ProfileSeed seed(folder.path() / "seed");
    EXPECT_FALSE(seed.available());

    seed.offer(running);
    seed.offer(folder.path() / "later");  // the first one stays
    const fs::path fresh = folder.path() / "fresh";
    fs::create_directories(fresh);
    ASSERT_TRUE(seed.copyTo(fresh));
    std::ifstream copied(fresh / "user" / "registrymodifications.xcu");
    EXPECT_EQ("first", std::string((std::istreambuf_iterator<char>(copied)),
                                   std::istreambuf_iterator<char>()));
    EXPECT_FALSE(fs::exists(fresh / ".lock"));
}

TEST(ProfileSeed, AFolderOthersCanWriteIsNotTrusted) {
    ScratchFolder folder("seed-planted");
    folder.write("seed/user/registrymodifications.xcu", "planted");
    fs::permissions(folder.path() / "seed", fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::add);
    const ProfileSeed seed(folder.path() / "seed");
    EXPECT_FALSE(seed.available());
    const fs::path fresh = folder.path() / "fresh";
    fs::create_directories(fresh);
    EXPECT_FALSE(seed.copyTo(fresh));
    EXPECT_TRUE(fs::is_empty(fresh));
}

}  // namespace

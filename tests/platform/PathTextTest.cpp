#include "platform/PathText.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(PathText, SplitsAtTheLastSlashOnly) {
    EXPECT_EQ(ExtractFilePath("/docs/a.chm"), "/docs/");
    EXPECT_EQ(ExtractFilePath("c:x.chm"), "");  // a colon is an ordinary character
    EXPECT_EQ(ExtractFileName("/docs/c:x.chm"), "c:x.chm");
    EXPECT_EQ(ExtractFilePath("/docs/"), "/docs/");
    EXPECT_EQ(ExtractFileName("plain"), "plain");
}

TEST(PathText, ExtensionBelongsToTheNamePart) {
    EXPECT_EQ(ExtractFileExt("/a.b/c"), "");
    EXPECT_EQ(ExtractFileExt("/a/c.tar.gz"), ".gz");
    EXPECT_EQ(ChangeFileExt("/opt/bin/pellin", ".batch-pellin"), "/opt/bin/pellin.batch-pellin");
    EXPECT_EQ(ChangeFileExt("/opt/v1.2/app.exe", ".log"), "/opt/v1.2/app.log");
    EXPECT_EQ(ChangeFileExt("/opt/v1.2/app", ".chm"), "/opt/v1.2/app.chm");
}

TEST(PathText, TrailingDelimiterAddedOnce) {
    EXPECT_EQ(IncludeTrailingPathDelimiter("/out"), "/out/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/out/"), "/out/");
}

// Controls bound to options: the key and the property given when bound, the
// older "eSource.Text" key taken over once.

#include <gtest/gtest.h>

#include "BoundControls.h"
#include "core/TvxProject.h"
#include "platform/files/FileSystem.h"

using Lines = std::vector<std::string>;

class Binding : public ::testing::Test {
protected:
    Binding() {
        project.RegisterControl(&source, "Source", "Text");
        project.RegisterControl(&subdir, "Subdir", "Checked");
        project.RegisterControl(&target, "Target", "Text");
    }
    TvxProject project{platform::LocalFiles(), nullptr, nullptr};
    TestEdit source{"eSource", "Text"};
    TestCheck subdir{"cSubdir", "Checked"};
    TestEdit target{"eTarget", "Text"};
};

TEST_F(Binding, ApplyPutsOptionValuesIntoControls) {
    project.Options = {"source=/docs/*.chm", "Subdir=1", "Target=/out/"};
    project.ApplyOptions();
    EXPECT_EQ(source.text(), "/docs/*.chm");
    EXPECT_TRUE(subdir.checked());
    EXPECT_EQ(target.text(), "/out/");

    project.Options = {};
    project.ApplyOptions();
    EXPECT_EQ(source.text(), "");
    EXPECT_FALSE(subdir.checked());  // an empty text sets "False"

    // An unrecognised check value leaves the box as it was.
    subdir.setChecked(true);
    project.Options = {"Subdir=yes"};
    project.ApplyOptions();
    EXPECT_TRUE(subdir.checked());
}

TEST_F(Binding, CollectWritesTrueFalseAndDeletesEmptyValues) {
    project.Options = {"Source=A", "Source=B", "Target=/old/", "Other=kept"};
    source.setText("/new/*.chm");
    subdir.setChecked(false);
    target.setText("");
    project.CollectOptions();
    EXPECT_EQ(project.Options,
              (Lines{"Source=/new/*.chm", "Source=B", "Other=kept", "Subdir=False"}));
}

TEST_F(Binding, CollectedLinesAreWhatCollectWouldWriteWithoutWritingIt) {
    project.Options = {"Source=A", "Other=kept"};
    source.setText("/new/*.chm");
    subdir.setChecked(true);
    const Lines collected = project.CollectedOptionLines();
    EXPECT_EQ(project.Options, (Lines{"Source=A", "Other=kept"}));
    project.CollectOptions();
    EXPECT_EQ(collected, project.Options);
    EXPECT_EQ(collected, (Lines{"Source=/new/*.chm", "Other=kept", "Subdir=True"}));
}

TEST_F(Binding, OlderKeyIsTakenOverOnceUnlessTheShortKeyIsThere) {
    project.Options = {"eSource.Text=/x/*.chm", "ThreadsCount=2"};
    project.ApplyOptions();
    EXPECT_EQ(source.text(), "/x/*.chm");
    EXPECT_EQ(project.Options, Lines{"ThreadsCount=2"});
    project.CollectOptions();
    EXPECT_EQ(project.GetSource(), "/x/*.chm");

    // The short key wins; the older one then stays.
    project.Options = {"Source=/new/", "eSource.Text=/old/"};
    project.ApplyOptions();
    EXPECT_EQ(source.text(), "/new/");
    EXPECT_EQ(project.Options.size(), 2u);
}

// Renaming a widget must not rename the option it saves; each option has
// one control at most.
TEST_F(Binding, KeyIsTheOneGivenNotTheControlsName) {
    source.setObjectName("eRenamed");
    project.Options = {"Source=/docs/*.chm", "Renamed=/other/"};
    project.ApplyOptions();
    EXPECT_EQ(source.text(), "/docs/*.chm");
    source.setText("/changed/");
    project.CollectOptions();
    EXPECT_EQ(project.GetOption("Source"), "/changed/");
    EXPECT_EQ(project.GetOption("Renamed"), "/other/");

    TestEdit second{"eSecond", "Text"};
    EXPECT_THROW(project.RegisterControl(&second, "source", "Text"), std::logic_error);
    EXPECT_EQ(project.BoundKeys(), (Lines{"Source", "Subdir", "Target"}));
}

TEST_F(Binding, DestroyedControlIsForgotten) {
    {
        TestEdit extra{"eExtra", "Text"};
        project.RegisterControl(&extra, "Extra", "Text");
        EXPECT_EQ(project.Controls.size(), 4u);
    }
    EXPECT_EQ(project.Controls.size(), 3u);
    project.Options = {"Source=/s/"};
    project.ApplyOptions();  // must not touch the destroyed control
    EXPECT_EQ(source.text(), "/s/");
}

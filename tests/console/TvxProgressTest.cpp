#include <gtest/gtest.h>

#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "console/TvxProgress.h"

TEST(ProgressLine, SaysWhatBecameOfTheJobInItsOwnWords) {
    TvxNode done("/shelf/guide.chm", 2);
    done.Status = TvxNode::Done;
    done.ResultText = "/out/sub/guide.pdf";
    EXPECT_EQ(ProgressLine(3, 40, done, 4200), "[3/40] guide.chm -> guide.pdf (4.2 s)");

    TvxNode failed("/shelf/broken.chm", 3);
    failed.Status = TvxNode::Failed;
    failed.ResultText = "No topic found in the help file";
    EXPECT_EQ(ProgressLine(4, 40, failed, 300),
              "[4/40] broken.chm failed: No topic found in the help file (0.3 s)");

    TvxNode skipped("/shelf/old.chm", 4);
    skipped.Status = TvxNode::Done;
    EXPECT_EQ(ProgressLine(5, 41, skipped, 10), "[5/41] old.chm skipped: the PDF exists");

    TvxNode partly("/shelf/big.chm", 5);
    partly.Status = TvxNode::Done;
    partly.ResultText = "/out/big.pdf";
    partly.Note = "1 of 9 topics left out: about.htm (it stopped LibreOffice)";
    EXPECT_EQ(ProgressLine(6, 41, partly, 2000),
              "[6/41] big.chm -> big.pdf (2.0 s); 1 of 9 topics left out: about.htm (it stopped "
              "LibreOffice)");
    partly.Timings = "decompile=0.20 export=1.50";
    EXPECT_EQ(TimingLine(partly), "timing: big.chm: decompile=0.20 export=1.50");
}

TEST(ProgressLine, ANameOrReasonCannotForgeALine) {
    TvxNode node("/shelf/a\nSuccess.chm", 0);
    node.Status = TvxNode::Failed;
    node.ResultText = "first\r\nsecond\x1b[2J";
    EXPECT_EQ(ProgressLine(1, 1, node, 0),
              "[1/1] a\\nSuccess.chm failed: first\\r\\nsecond\\x1B[2J (0.0 s)");
}

TEST(CountJobs, EveryJobIsConvertedFailedSkippedOrNotRun) {
    TvxBatch batch;
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) batch.AddNode(name);
    TvxNodeList& nodes = batch.LockNodes();
    nodes[0]->Status = TvxNode::Done;
    nodes[0]->ResultText = "/out/a.pdf";
    nodes[1]->Status = TvxNode::Done;  // skipped: no result
    nodes[2]->Status = TvxNode::Failed;
    nodes[2]->ResultText = "broken";
    nodes[3]->ResultText = "an error escaped the converter";  // status left waiting
    batch.UnlockNodes();
    const TvxRunCounts counts = CountJobs(batch);
    EXPECT_EQ(counts.Converted, 1);
    EXPECT_EQ(counts.Skipped, 1);
    EXPECT_EQ(counts.Failed, 2);
    EXPECT_EQ(counts.NotRun, 2);
    EXPECT_EQ(SummaryLine(counts, 123000),
              "1 converted, 2 failed, 1 skipped, 2 not run in 2 min 03 s");
    EXPECT_EQ(SummaryLine({38, 2, 0, 0}, 12300), "38 converted, 2 failed, 0 skipped in 12.3 s");
}

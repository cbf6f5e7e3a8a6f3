// The frames and animations of the matrix effects: exact growth, reads
// beyond the stored range, and emptying frames shared between holders.

#include "matrix/matrixAnimation.h"

#include <gtest/gtest.h>

TEST(ClsColours, growsToTheIndexStoredAndReadsBlackBeyondIt) {
    ClsColours frame;
    EXPECT_EQ(frame.Count(), 0);
    EXPECT_EQ(frame.GetColor(0), 0);
    frame.SetColor(9, 255);
    EXPECT_EQ(frame.Count(), 10);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(frame.GetColor(i), 0) << i;
    EXPECT_EQ(frame.GetColor(9), 255);
    EXPECT_EQ(frame.GetColor(10), 0);
    frame.SetColor(3, 65280); // a lower index never shrinks the frame
    EXPECT_EQ(frame.Count(), 10);
    EXPECT_THROW(frame.SetColor(-1, 0), std::out_of_range);
    frame.Clean();
    EXPECT_EQ(frame.Count(), 0);
    EXPECT_EQ(frame.GetColor(9), 0);
}

TEST(ClsMatrix, setFrameLeavesEmptySlotsAndGetFrameAnswersNothingOutsideTheList) {
    ClsMatrix animation;
    auto frame = std::make_shared<ClsColours>();
    animation.SetFrame(3, frame);
    EXPECT_EQ(animation.Count(), 4);
    for (int i : {-1, 0, 1, 2, 4}) EXPECT_EQ(animation.GetFrame(i), nullptr) << i;
    EXPECT_EQ(animation.GetFrame(3), frame); // the caller's object itself
    animation.Clean();                       // empty slots are skipped
    EXPECT_EQ(animation.Count(), 0);
}

TEST(ClsMatrix, writingEitherSizeDiscardsTheFramesEvenWithTheSameValue) {
    for (bool width : {true, false}) {
        ClsMatrix animation;
        auto frame = std::make_shared<ClsColours>();
        frame->SetColor(0, 255);
        animation.SetFrame(0, frame);
        if (width) animation.setWidth(0);
        else animation.setHeight(0);
        EXPECT_EQ(animation.Count(), 0);
        EXPECT_EQ(frame->Count(), 0) << "the frame held is emptied";
    }
}

TEST(ClsMatrix, delLastEmptiesTheRemovedFrameOnlyWhenOthersRemain) {
    ClsMatrix none;
    none.DelLast();
    EXPECT_EQ(none.Count(), 0);

    ClsMatrix one;
    auto only = std::make_shared<ClsColours>();
    only->SetColor(2, 255);
    one.SetFrame(0, only);
    one.DelLast();
    EXPECT_EQ(one.Count(), 0);
    EXPECT_EQ(only->Count(), 3) << "the only frame is let go, not emptied";

    ClsMatrix three;
    std::shared_ptr<ClsColours> frames[3];
    for (int i = 0; i < 3; ++i) {
        frames[i] = std::make_shared<ClsColours>();
        frames[i]->SetColor(0, i + 1);
        three.SetFrame(i, frames[i]);
    }
    three.DelLast();
    EXPECT_EQ(three.Count(), 2);
    EXPECT_EQ(frames[2]->Count(), 0);
    EXPECT_EQ(frames[1]->GetColor(0), 2);
}

TEST(ClsMatrix, aFrameSharedByTwoAnimationsIsEmptiedForBoth) {
    ClsMatrix a, b;
    auto shared = std::make_shared<ClsColours>();
    shared->SetColor(4, 16711680);
    a.SetFrame(0, shared);
    b.SetFrame(1, shared);
    a.Clean();
    ASSERT_NE(b.GetFrame(1), nullptr);
    EXPECT_EQ(b.GetFrame(1)->Count(), 0);
}

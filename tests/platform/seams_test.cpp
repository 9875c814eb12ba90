#include "platform/seams.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Seams, HandlersAnswerAndDefaultsAreSafe) {
    {
        testsupport::MessageRecorder recorder;
        recorder.Answer(Answer::Yes);
        EXPECT_EQ(ShowOwnedMessage(u"问", u"标题", Buttons::YesNoCancel, Icon::Question),
                  Answer::Yes);
        EXPECT_EQ(ShowAppMessage(u"好"), Answer::Ok);
        ASSERT_EQ(recorder.shown().size(), 2u);
        EXPECT_TRUE(recorder.shown()[0].ownedByMainWindow);
        EXPECT_EQ(recorder.shown()[0].caption, u"标题");
        EXPECT_EQ(recorder.shown()[1].caption, kAppTitle);
        EXPECT_FALSE(recorder.shown()[1].ownedByMainWindow);
    }
    // Without a handler a question is never answered with a Yes.
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowAppMessage(u"继续?", Buttons::YesNoCancel), Answer::Cancel);
    EXPECT_EQ(ShowAppMessage(u"继续?", Buttons::YesNo), Answer::No);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "继续?\n继续?\n");
    EXPECT_EQ(AskOpenFileName(u"A|*.a||"), u"");

    int status = -1;
    SetExitHandler([&](int s) { status = s; });
    ExitProcess(0);
    EXPECT_EQ(status, 0);
    SetExitHandler({});
}

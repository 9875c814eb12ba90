#include "app/opensave.h"

#include "core/document.h"
#include "core/windowsignals.h"
#include "support/testeditor.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace testsupport;
using platform::Answer;

namespace {

class OpenSave : public testing::Test {
protected:
    void SetUp() override {
        ResetTestDocument();
        platform::SetOpenFileHandler([this](const std::u16string &filter) {
            filters.push_back(filter);
            return chosen;
        });
    }
    void TearDown() override { platform::SetOpenFileHandler({}); }

    std::u16string chosen;
    std::vector<std::u16string> filters;
    TempDir dir;
};

} // namespace

TEST_F(OpenSave, TheFileDialogAndASecondFile) {
    EXPECT_EQ(AskOpenPath(), u"None"); // cancelled
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(filters[0], u"所有配置 文件(*.ini)|*.ini|所有文件(*.*)|*.*||");

    MessageRecorder recorder;
    OpenFile(WidePath(dir / "missing.ini"));
    EXPECT_EQ(recorder.Texts(),
              (std::vector<std::string>{"文件无法打开，请检查是否已被占用!\n" +
                                        (dir / "missing.ini").string() + " (文件或文件夹不存在)"}));
    // Another file replaces whatever was open, even a file that could not be read.
    WriteBytes(dir / "ai.ini", "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n");
    OpenFile(WidePath(dir / "ai.ini"));
    EXPECT_FALSE(doc.openedFileUnread);
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=F\n");
}

TEST_F(OpenSave, SaveAsksAndCancelWritesNothing) {
    MessageRecorder recorder;
    SaveFile();
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"没检测到任何内容X_X"});

    const std::string original = "[General]\r\nx=1\r\n[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n";
    WriteBytes(dir / "ai.ini", original);
    OpenFile(WidePath(dir / "ai.ini"));
    recorder.Answer(Answer::Cancel);
    SaveFile();
    ASSERT_EQ(recorder.shown().size(), 2u);
    const platform::MessageBoxRequest &question = recorder.shown()[1];
    EXPECT_EQ(U8(question.text), "是否分文件保存?⊙(・◇・)？");
    EXPECT_EQ(U8(question.caption), "保存提示");
    EXPECT_EQ(question.buttons, platform::Buttons::YesNoCancel);
    EXPECT_EQ(question.icon, platform::Icon::Question);
    EXPECT_TRUE(question.ownedByMainWindow);
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), original);
    EXPECT_FALSE(std::filesystem::exists(dir / "+AI"));

    recorder.Answer(Answer::No);
    SaveFile();
    EXPECT_EQ(ReadBytes(dir / "ai.ini").find("[General]"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "+AI"));

    recorder.Answer(Answer::Yes);
    SaveFile();
    EXPECT_TRUE(std::filesystem::exists(dir / "+AI" / "TaskForce.ini"));
    EXPECT_EQ(ReadBytes(dir / "ai.ini").rfind("[#include]\r\n", 0), 0u);
}

TEST_F(OpenSave, FirstSaveShowsWhatItDropsOnce) {
    const std::string original = "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n[Gone]\r\nName=g\r\n";
    for (Answer answer : {Answer::Cancel, Answer::Save}) {
        ResetTestDocument();
        WriteBytes(dir / "ai.ini", original);
        OpenFile(WidePath(dir / "ai.ini"));
        MessageRecorder recorder(Answer::No);
        recorder.Answer(answer);
        SaveFile();
        ASSERT_GE(recorder.shown().size(), 1u);
        const platform::MessageBoxRequest &report = recorder.shown()[0];
        EXPECT_TRUE(report.scrollable);
        EXPECT_TRUE(report.ownedByMainWindow);
        EXPECT_EQ(report.buttons, platform::Buttons::SaveCancel);
        EXPECT_NE(U8(report.text).find("[未列出的小节] Gone — ai.ini 第 5 行"), std::string::npos);
        if (answer == Answer::Cancel) {
            EXPECT_EQ(recorder.shown().size(), 1u);
            EXPECT_EQ(ReadBytes(dir / "ai.ini"), original);
        } else {
            EXPECT_EQ(U8(recorder.shown().at(1).text), "是否分文件保存?⊙(・◇・)？");
            EXPECT_EQ(ReadBytes(dir / "ai.ini").find("Gone"), std::string::npos);
        }
        // Once a run: the next Save goes straight to the split question.
        SaveFile();
        EXPECT_EQ(U8(recorder.shown().back().text), "是否分文件保存?⊙(・◇・)？");
        EXPECT_FALSE(recorder.shown().back().scrollable);
    }
}

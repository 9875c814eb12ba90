#include "core/document.h"
#include "core/history.h"

#include <gtest/gtest.h>

namespace {

// Runs `action` on `doc` as one step of `history`.
template <class Action>
bool Step(History &history, Document &doc, std::u16string name, Action action) {
    history.Begin(doc);
    action();
    return history.Commit(doc, std::move(name));
}

} // namespace

TEST(Document, OneValue) {
    Document doc;
    EXPECT_FALSE(doc.IsFileOpen());
    doc.openedPath = u"Nones";
    EXPECT_FALSE(doc.IsFileOpen());
    doc.openedPath = u"/tmp/ai.ini";
    doc.teamListText = "[TeamTypes]\n";
    doc.startNumber = 100;
    doc.fileSlots[3].text = "x";
    EXPECT_TRUE(doc.IsFileOpen());
    const Document snapshot = doc;
    doc = {};
    EXPECT_FALSE(doc.IsFileOpen());
    EXPECT_TRUE(doc.teamListText.empty() && doc.startNumber == 0 && !doc.fileSlots[3].text);
    EXPECT_EQ(snapshot.teamListText, "[TeamTypes]\n");
}

TEST(History, UndoAndRedoPutBackExactlyWhatAStepChanged) {
    Document doc;
    doc.teamListText = "[TeamTypes]\n0=A\n1=B\n";
    doc.teamSectionsText = "\n[A]\nName=a\n\n[B]\nName=b\n\n";
    doc.triggerText = "[AITriggerTypes]\nT=x\n\n";
    const Document opened = doc;
    History history;
    EXPECT_FALSE(history.IsModified());

    EXPECT_FALSE(Step(history, doc, u"保存队伍 A", [&] { doc.teamSectionsText += ""; }))
        << "a step that changes nothing is not recorded";
    EXPECT_FALSE(history.CanUndo());

    ASSERT_TRUE(Step(history, doc, u"删除队伍 A", [&] {
        doc.teamListText = "[TeamTypes]\n0=B\n";
        doc.teamSectionsText = "\n[B]\nName=b\n\n";
    }));
    const Document deleted = doc;
    ASSERT_TRUE(Step(history, doc, u"保存触发 T", [&] { doc.triggerText[17] = 'U'; }));
    EXPECT_TRUE(history.IsModified());
    EXPECT_EQ(history.UndoName(), u"保存触发 T");
    EXPECT_LT(history.Bytes(), 40u) << "a step keeps only what it changed";

    ASSERT_TRUE(history.Undo(doc));
    ASSERT_TRUE(history.Undo(doc));
    EXPECT_EQ(doc.Texts().size(), 7u);
    for (size_t i = 0; i < doc.Texts().size(); ++i)
        EXPECT_EQ(*doc.Texts()[i], *opened.Texts()[i]) << i;
    EXPECT_FALSE(history.IsModified()) << "back where it was opened";
    EXPECT_FALSE(history.Undo(doc));
    EXPECT_EQ(history.RedoName(), u"删除队伍 A");

    ASSERT_TRUE(history.Redo(doc));
    EXPECT_EQ(doc.teamSectionsText, deleted.teamSectionsText);
    history.MarkSaved();
    EXPECT_FALSE(history.IsModified());
    ASSERT_TRUE(history.Undo(doc));
    EXPECT_TRUE(history.IsModified());
    // A new step drops what could be redone, the saved state with it.
    ASSERT_TRUE(Step(history, doc, u"保存队伍 B", [&] { doc.teamSectionsText += "x"; }));
    EXPECT_FALSE(history.CanRedo());
    ASSERT_TRUE(history.Undo(doc));
    EXPECT_TRUE(history.IsModified());
}

TEST(History, KeepsStepsWithinItsBudgetAndRefusesTextsChangedBehindIt) {
    Document doc;
    doc.triggerText = std::string(1000, 'a');
    History history(3000);
    for (char c : {'b', 'c', 'd'})
        Step(history, doc, u"x", [&] { doc.triggerText.assign(1000, c); });
    EXPECT_EQ(history.StepCount(), 1u) << "each step keeps 2,000 bytes";
    EXPECT_LE(history.Bytes(), 3000u);
    EXPECT_TRUE(history.IsModified()) << "the opened state is gone with its step";
    ASSERT_TRUE(history.Undo(doc));
    EXPECT_EQ(doc.triggerText, std::string(1000, 'c'));
    EXPECT_FALSE(history.Undo(doc));

    ASSERT_TRUE(history.Redo(doc));
    doc.triggerText += "typed outside a step";
    const std::string changed = doc.triggerText;
    EXPECT_FALSE(history.Undo(doc));
    EXPECT_EQ(doc.triggerText, changed) << "nothing is put back over text it does not know";
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.IsModified());
}

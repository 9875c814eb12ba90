#include "scripts/scriptloader.h"

#include "core/document.h"
#include "core/windowsignals.h"
#include "support/generator.h"
#include "support/testdocument.h"
#include "taskforces/taskforceloader.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptLoaderTest, ReadsTheScriptListNumberedFromTheStart) {
    ResetTestDocument();
    doc.startNumber = 7;
    testsupport::FillSlots(doc,
                           {"[ScriptTypes]\n2=S_B\n0=S_A\n[S_A]\nName=a\n0=1,2\n[S_B]\nName=b\n"});
    LoadScripts(doc);
    EXPECT_EQ(doc.scriptListText, "[ScriptTypes]\n7=S_A\n8=S_B\n");
    EXPECT_EQ(doc.scriptSectionsText, "\n[S_A]\nName=a\n0=1,2\n\n[S_B]\nName=b\n\n");
}

TEST(ScriptLoaderTest, ScriptAndTaskForceListsNeverMix) {
    ResetTestDocument();
    testsupport::FillSlots(doc,
                           {"[ScriptTypes]\n0=S\n[TaskForces]\n0=T\n[S]\nName=s\n[T]\nName=t\n"});
    LoadScripts(doc);
    LoadTaskForces(doc);
    EXPECT_EQ(doc.scriptListText, "[ScriptTypes]\n0=S\n");
    EXPECT_EQ(doc.scriptSectionsText, "\n[S]\nName=s\n\n");
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=T\n");
    EXPECT_EQ(doc.taskForceSectionsText, "\n[T]\nName=t\n\n");
}

} // namespace

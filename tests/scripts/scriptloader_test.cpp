#include "scripts/scriptloader.h"

#include "core/document.h"
#include "support/generator.h"
#include "taskforces/taskforceloader.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptLoaderTest, ReadsTheScriptListNumberedFromTheStart) {
    ResetDocument();
    g_startNumber = 7;
    testsupport::FillSlots({"[ScriptTypes]\n2=S_B\n0=S_A\n[S_A]\nName=a\n0=1,2\n[S_B]\nName=b\n"});
    LoadScripts();
    EXPECT_EQ(g_scriptListText, "[ScriptTypes]\n7=S_A\n8=S_B\n");
    EXPECT_EQ(g_scriptSectionsText, "\n[S_A]\nName=a\n0=1,2\n\n[S_B]\nName=b\n\n");
}

TEST(ScriptLoaderTest, ScriptAndTaskForceListsNeverMix) {
    ResetDocument();
    testsupport::FillSlots({"[ScriptTypes]\n0=S\n[TaskForces]\n0=T\n[S]\nName=s\n[T]\nName=t\n"});
    LoadScripts();
    LoadTaskForces();
    EXPECT_EQ(g_scriptListText, "[ScriptTypes]\n0=S\n");
    EXPECT_EQ(g_scriptSectionsText, "\n[S]\nName=s\n\n");
    EXPECT_EQ(g_taskForceListText, "[TaskForces]\n0=T\n");
    EXPECT_EQ(g_taskForceSectionsText, "\n[T]\nName=t\n\n");
}

} // namespace

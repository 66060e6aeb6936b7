// cirrona-diag standard-config: a new installation's configuration, with a
// sensor preset applied as the start-up chooser would.
#include "support/RunTool.h"

#include "base/IniFile.h"

#include <gtest/gtest.h>

TEST(DiagStandardConfig, PrintsTheStandardLayoutWithThePresetsSensorAndNamesTheKnownPresetsOnAMistake) {
    const std::string diag = builtTool("cirrona-diag");
    ToolRun plain = runTool(diag, {"standard-config"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    IniFile config;
    config.setFromString(plain.out);
    EXPECT_EQ(config.get("", "PanelCount"), "311");
    EXPECT_FALSE(config.isSectionAvailable("S1"));

    ToolRun gdl90 = runTool(diag, {"standard-config", "--preset", "Generic GDL90 Device"});
    ASSERT_EQ(gdl90.status, 0) << gdl90.err;
    config.setFromString(gdl90.out);
    EXPECT_EQ(config.get("", "PanelCount"), "311");
    EXPECT_EQ(config.get("S1", "port"), "4000");
    EXPECT_NE(config.get("S1", "FactoryName").find("GDL90"), std::string::npos);

    ToolRun unknown = runTool(diag, {"standard-config", "--preset", "Nonesuch"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("no sensor preset \"Nonesuch\""), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("Generic GDL90 Device"), std::string::npos) << "lists the presets there are";
    EXPECT_TRUE(unknown.out.empty());

    EXPECT_EQ(runTool(diag, {"standard-config", "--preset"}).status, 2);
    EXPECT_EQ(runTool(diag, {"standard-config", "extra"}).status, 2);
}

#include "settings/QevIniFile.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using namespace zentrope;

TEST(IniSmoke, WriteThenReadBack)
{
    const QString path = test::freshDir("ini") + "/zentrope.ini";
    TQevIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Options", "GraphFile", "none"), QStringLiteral("none"));
    ini.WriteString("Options", "GraphFile", "/tmp/logo.bmp");
    EXPECT_EQ(ini.ReadString("options", "GRAPHFILE", ""), QStringLiteral("/tmp/logo.bmp"));
}

#include "platform/IniFiles.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

TEST(IniFile, ReadsValuesWholeAcrossLineEndsAndCase)
{
    TIniFile ini = TIniFile::FromText("; a comment\r\n[Orvelin]\r\nItems = 2\r\n0=Say \"hello\", then go.\r\n"
                                      "1=a=b;c\r[Other]\n0=elsewhere\n[orvelin]\n1=second copy\n2=  padded  ");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        { "Orvelin", "Items", "2" }, { "ORVELIN", "items", "2" }, { "Orvelin", "0", "Say \"hello\", then go." },
        { "Orvelin", "1", "a=b;c" }, { "Other", "0", "elsewhere" }, { "Orvelin", "2", "padded" }, { "Orvelin", "3", "(none)" },
        { "Missing", "0", "(none)" },
    };
    for (const auto& [section, key, value] : cases)
        EXPECT_EQ(ini.ReadString(section, key, "(none)"), value) << section << " " << key;
    EXPECT_EQ((std::tuple { ini.SectionExists("other"), ini.ValueExists("Other", "1"), ini.ReadInteger("Orvelin", "Items", -1),
                  ini.ReadInteger("Orvelin", "0", -1) }), std::tuple(true, false, 2, -1));
}

TEST(IniFile, MissingFileReadsAsEmpty)
{
    TempDir dir { "ini" };
    TIniFile ini(dir.File("nothing.ini"));
    EXPECT_EQ((std::tuple { ini.SectionExists("Orvelin"), ini.ReadString("Orvelin", "Items", "d") }), std::tuple(false, "d"));
    WriteFileBytes(dir.File("t.ini"), "[S]\nk=v");
    EXPECT_EQ(TIniFile(dir.File("t.ini")).ReadString("s", "K", ""), "v");
}

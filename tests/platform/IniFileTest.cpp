#include "platform/IniFiles.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

TEST(IniFile, ReadsValuesWholeAcrossLineEndsAndCase)
{
    TIniFile ini = TIniFile::FromText("; a comment\r\n[Orvelin]\r\nItems = 2\r\n0=Say \"hello\", then go.\r\n"
                                      "1=a=b;c\r[Other]\n0=elsewhere\n[orvelin]\n1=second copy\n2=  padded  ");
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        { "Orvelin", "Items", "2" },
        { "ORVELIN", "items", "2" },
        { "Orvelin", "0", "Say \"hello\", then go." },
        { "Orvelin", "1", "a=b;c" },
        { "Other", "0", "elsewhere" },
        { "Orvelin", "2", "padded" },
        { "Orvelin", "3", "(none)" },
        { "Missing", "0", "(none)" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "(none)"), c.value) << c.section << " " << c.key;
    EXPECT_TRUE(ini.SectionExists("other"));
    EXPECT_FALSE(ini.ValueExists("Other", "1"));
    EXPECT_EQ(ini.ReadInteger("Orvelin", "Items", -1), 2);
    EXPECT_EQ(ini.ReadInteger("Orvelin", "0", -1), -1);
}

TEST(IniFile, MissingFileReadsAsEmpty)
{
    TempDir dir { "ini" };
    TIniFile ini(dir.File("nothing.ini"));
    EXPECT_FALSE(ini.SectionExists("Orvelin"));
    EXPECT_EQ(ini.ReadString("Orvelin", "Items", "d"), "d");
    WriteFileBytes(dir.File("t.ini"), "[S]\nk=v");
    EXPECT_EQ(TIniFile(dir.File("t.ini")).ReadString("s", "K", ""), "v");
}

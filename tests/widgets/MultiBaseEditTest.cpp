// The number edit: its number in three bases, the conversions between them,
// and the keys it lets through.

#include "widgets/MultiBaseEdit.h"

#include "platform/Exception.h"

#include <QTest>
#include <gtest/gtest.h>

#include <tuple>

namespace {

// The text in the base, and the number it reads as.
const std::tuple<TBase, std::string, std::int32_t> kReads[] = {
    { bDEC, "", 0 }, { bDEC, "000", 0 }, { bDEC, "0042", 42 }, { bDEC, "-17", -17 }, { bDEC, "2147483647", 2147483647 },
    { bHEX, "0000001F", 31 }, { bHEX, "ff", 255 }, { bHEX, "FFFFFFFF", -1 }, { bHEX, "1G", 16 }, { bHEX, "123456789", 0 },
    { bHEX, "000000000A", 10 },  // leading zeros do not count towards the eight digits
    { bBIN, "101", 5 }, { bBIN, "1x1", 5 }, { bBIN, std::string(32, '1'), -1 },
    { bBIN, "1" + std::string(32, '0'), 0 },
};

// The keys typed in the base, and the text they leave.
const std::tuple<TBase, const char*, const char*> kTyping[] = {
    { bDEC, "-12a3", "-123" }, { bDEC, "4-5", "45" }, { bDEC, "--7", "-7" },
    { bHEX, "7fG-zA", "7fA" }, { bBIN, "10201", "1001" },
};

}

TEST(MultiBaseEdit, ReadsItsTextInEachBase)
{
    for (const auto& [base, text, value] : kReads) {
        TMultiBaseEdit edit(nullptr);
        edit.SetBase(base);
        edit.SetText(text);
        EXPECT_EQ(edit.Value(), value) << text;
    }
}

TEST(MultiBaseEdit, WritesAndConvertsBetweenBases)
{
    TMultiBaseEdit edit(nullptr);
    std::vector<std::string> shown { edit.Text() };
    edit.SetBase(bHEX);
    edit.SetText("0000001F");
    for (TBase base : { bBIN, bDEC }) {
        edit.SetBase(base);
        shown.push_back(edit.Text());
    }
    edit.SetValue(-1);
    shown.push_back(edit.Text());
    edit.SetBase(bHEX);
    shown.push_back(edit.Text());
    EXPECT_EQ(shown, (std::vector<std::string> { "0", std::string(27, '0') + "11111", "31", "-1", "FFFFFFFF" }));
}

TEST(MultiBaseEdit, DecimalTextThatIsNoNumberRaisesTheConversionError)
{
    TMultiBaseEdit edit(nullptr);
    for (const char* text : { "-", "1-2", "99999999999" }) {
        edit.SetText(text);
        EXPECT_THROW(edit.Value(), EConvertError) << text;
    }
    // Converting such a text to another base raises it too and keeps the base.
    EXPECT_THROW(edit.SetBase(bHEX), EConvertError);
    EXPECT_EQ(edit.Base(), bDEC);
}

TEST(MultiBaseEdit, OnlyTheBaseDigitsAreTyped)
{
    for (const auto& [base, typed, shown] : kTyping) {
        TMultiBaseEdit edit(nullptr);
        edit.SetBase(base);
        edit.SetText("");
        QTest::keyClicks(edit.Widget(), typed);
        EXPECT_EQ(edit.Text(), shown) << typed;
    }
    // Backspace in every base; a "-" only where the selection starts at the front.
    TMultiBaseEdit edit(nullptr);
    edit.SetText("58");
    QTest::keyClick(edit.Widget(), Qt::Key_Backspace);
    EXPECT_EQ(edit.Text(), "5");
    edit.SelectAll();
    QTest::keyClicks(edit.Widget(), "-");
    EXPECT_EQ(edit.Text(), "-");
    // Delete is no character: it deletes as in any edit.
    edit.SetText("12");
    edit.SetSelStart(0);
    QTest::keyClick(edit.Widget(), Qt::Key_Delete);
    EXPECT_EQ(edit.Text(), "2");
}

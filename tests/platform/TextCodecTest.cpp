#include "platform/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, EveryByteSequenceSurvivesTheRoundTrip)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
        all.push_back(char(i));
    const std::string samples[] = {
        "plain ASCII <HTML>",
        "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",  // valid UTF-8 of 2, 3 and 4 bytes
        "\xC3",  // cut short
        "\xC0\xAF",  // over-long
        "\xED\xA0\x80",  // a surrogate
        "\xEF\x9C\x80\xEF\x9F\xBF",  // the private range used for raw bytes
        "\xE2\x80\xA8\xE2\x80\xA9",  // line and paragraph separators
        std::string("nul\0inside", 10),
        all,
    };
    for (const auto& s : samples)
        EXPECT_EQ(QStringToBytes(BytesToQString(s)), s);
}

TEST(TextCodec, ValidUtf8ShowsAsText)
{
    EXPECT_EQ((std::tuple { BytesToQString("caf\xC3\xA9"), BytesToQString("\xE9").size() }),
        std::tuple(QString::fromUtf8("caf\xC3\xA9"), 1));
}

#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#include <numeric>

TEST(TextCodec, EveryByteSequenceSurvivesTheRoundTrip)
{
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    // Valid UTF-8 of 2, 3 and 4 bytes; cut short; over-long; a surrogate; the private range used for raw bytes; line and
    // paragraph separators.
    const std::string samples[] = { "plain ASCII <HTML>", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\xC3", "\xC0\xAF",
        "\xED\xA0\x80", "\xEF\x9C\x80\xEF\x9F\xBF", "\xE2\x80\xA8\xE2\x80\xA9", std::string("nul\0inside", 10), all };
    for (const auto& s : samples)
        EXPECT_EQ(QStringToBytes(BytesToQString(s)), s);
}

TEST(TextCodec, ValidUtf8ShowsAsText)
{
    EXPECT_EQ((std::tuple { BytesToQString("caf\xC3\xA9"), BytesToQString("\xE9").size() }),
        std::tuple(QString::fromUtf8("caf\xC3\xA9"), 1));
}

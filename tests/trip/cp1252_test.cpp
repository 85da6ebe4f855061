#include "trip/cp1252.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, KnownCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("\x80 \xE4\xF6\xFC\xDF \x99"), "€ äöüß ™");
    EXPECT_EQ(Utf8ToCp1252("Jürgen – 5 €"), "J\xFCrgen \x96 5 \x80");
    EXPECT_EQ(Utf8ToCp1252("日本"), "??");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");      // cut sequence
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");   // overlong slash
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");  // surrogate
}

}  // namespace
}  // namespace vx

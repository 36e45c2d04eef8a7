// UTF-8 inside the program, UTF-16 at the wide ODBC calls.
#include "data_access/Utf16.h"

#include <gtest/gtest.h>

namespace tallowmere {
namespace {

TEST(Utf16, RoundTripsEveryScriptAndAstralCharacters) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"", u""},
        {"EMP", u"EMP"},
        {"Ωμέγα", u"Ωμέγα"},
        {"名前", u"名前"},
        {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"}, // U+1F600, a surrogate pair
        {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"}, // U+10FFFF
        {"a\xC2\x80"
         "b\xEF\xBF\xBF",
         u"a\x0080"
         "b\xFFFF"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    std::u16string reused = u"left over from a longer text before";
    for (const auto& [utf8, utf16] : cases) {
        EXPECT_EQ(utf8ToUtf16(utf8), utf16);
        EXPECT_EQ(utf16ToUtf8(utf16), utf8);
        assignUtf8AsUtf16(utf8, reused);
        EXPECT_EQ(reused, utf16);
    }
}

TEST(Utf16, MalformedInputBecomesTheReplacementCharacter) {
    EXPECT_EQ(utf16ToUtf8(u"a\xD800"
                          "b"),
              "a\xEF\xBF\xBD"
              "b");                                      // lone high surrogate
    EXPECT_EQ(utf16ToUtf8(u"\xDC00"), "\xEF\xBF\xBD");   // lone low surrogate
    EXPECT_EQ(utf16ToUtf8(u"x\xD83D"), "x\xEF\xBF\xBD"); // cut-off pair
    EXPECT_EQ(utf8ToUtf16("a\xFF"
                          "b"),
              u"a\xFFFD"
              "b");
    EXPECT_EQ(utf8ToUtf16("\xC0\xAF"), u"\xFFFD");     // overlong
    EXPECT_EQ(utf8ToUtf16("\xED\xA0\x80"), u"\xFFFD"); // encoded surrogate
}

} // namespace
} // namespace tallowmere

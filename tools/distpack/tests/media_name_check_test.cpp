// Names the packer refuses before it writes anything.
#include <gtest/gtest.h>

#include "tools/distpack/media_name_check.h"

namespace aw {
namespace {

TEST(MediaNameCheckTest, NamesThatCannotLieOnTheMedia) {
    EXPECT_EQ(MediaNameProblem("ok name.txt"), "");
    EXPECT_EQ(MediaNameProblem(std::string(259, 'n')), "");
    EXPECT_NE(MediaNameProblem(std::string(260, 'n')), "");
    EXPECT_NE(MediaNameProblem(""), "");
    for (const char* name : {"a\\b", "a/b", "c:x", "what?", "star*", "q\"", "<", ">", "a|b",
                             "tab\t", "dot.", "blank "}) {
        EXPECT_NE(MediaNameProblem(name), "") << name;
    }
}

}  // namespace
}  // namespace aw

#include "player/PlayerObjWndProgram.h"

#include <gtest/gtest.h>

TEST(PlayerObjWndProgramTest, ButtonsSendCommand114AndShowThePlayersHandCursor)
{
    CPlayerObjWndProgram program;
    EXPECT_EQ(114u, program.GetClickCommand());
    EXPECT_EQ(131u, program.GetHandCursorId());
    EXPECT_NE(nullptr, program.LoadHandCursor());
    EXPECT_TRUE(program.LoadsPicturesInRunMode());
}

#include "app/WindowFrontend.h"

#include <gtest/gtest.h>

using pondus::decodeText;

TEST(DecodeText, ShopCodePageBytesShowAsTheirOwnCharacters) {
    EXPECT_EQ(decodeText("PAT\xC9 DE CAMPAGNE"), QString::fromUtf8("PATÉ DE CAMPAGNE"));
    EXPECT_EQ(decodeText("COMT\xC9"), QString::fromUtf8("COMTÉ"));
    EXPECT_EQ(decodeText("CHICKEN WINGS"), QString("CHICKEN WINGS"));
}

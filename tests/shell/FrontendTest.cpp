#include "shell/Frontend.h"

#include <gtest/gtest.h>

using pondus::generalErrorText;

TEST(GeneralErrorReport, AddsAFullStopAfterCharactersAboveIt) {
    struct Case {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Unable to write to C:\\Pos\\Scale.ini", "Unable to write to C:\\Pos\\Scale.ini."},
        {"Cannot create C:\\Pos\\Log\\Temp", "Cannot create C:\\Pos\\Log\\Temp."},
        {"value 7", "value 7."},
        {"[POSAPP]", "[POSAPP]."},
        {"Done.", "Done."},
        {"Model No Supported !", "Model No Supported !"},
        {"(closed)", "(closed)"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(generalErrorText(c.message), c.shown) << c.message;
}

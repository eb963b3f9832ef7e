#include "exports/ExportRun.h"

#include <gtest/gtest.h>

using namespace pondus;

// 23 of 40 is 57.5 and 109 of 200 is 54.5; a floating-point share puts the
// first just below its half and the second just above it.
TEST(ProgressPercent, RoundsTheExactShareHalfToEven) {
    struct Case {
        int counter, total, percent;
    } cases[] = {
        {1, 3, 33},   {2, 3, 67},     {3, 3, 100}, {1, 8, 12},  {3, 8, 38},
        {23, 40, 58}, {109, 200, 54}, {1, 200, 0}, {1, 1, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(progressPercent(c.counter, c.total), c.percent) << c.counter << "/" << c.total;
}

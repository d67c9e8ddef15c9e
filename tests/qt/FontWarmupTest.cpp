#include "platform/FontWarmup.h"

#include <QFontDatabase>
#include <QStringList>

#include <gtest/gtest.h>

// However the warm-up is left, its thread ends with it: a thread still
// joinable when destroyed would end the program.
TEST(FontWarmup, EndsItsThreadWhetherWaitedForOrNot) {
    { CFontWarmup unwaited; }

    CFontWarmup warmup;
    warmup.Wait();
    warmup.Wait();
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("Liberation Sans")));
}

#include "common/LocalTimeZone.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <string>

namespace {

using namespace harvelux;

TEST(LocalTimeZone, NamesTheSystemZoneOnlyWhenTZIsUnset) {
    const char* before = std::getenv("TZ");
    const std::string saved = before ? before : "";

    ::setenv("TZ", "Europe/Oslo", 1);
    pinLocalTimeZone();
    EXPECT_STREQ(std::getenv("TZ"), "Europe/Oslo");

    ::unsetenv("TZ");
    pinLocalTimeZone();
    if (::access("/etc/localtime", R_OK) == 0)
        EXPECT_STREQ(std::getenv("TZ"), ":/etc/localtime");
    else
        EXPECT_EQ(std::getenv("TZ"), nullptr);

    if (before)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
}

}  // namespace

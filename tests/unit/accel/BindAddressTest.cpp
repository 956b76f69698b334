#include "accel/BindAddress.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <initializer_list>

namespace {

char s_table[kMaxLocalAddrs][kLocalAddrSize];

const char* Choose(std::initializer_list<const char*> entries)
{
    int count = 0;
    for (const char* entry : entries) {
        std::snprintf(s_table[count], kLocalAddrSize, "%s", entry);
        ++count;
    }
    return ChooseBindAddress(s_table, count);
}

} // namespace

TEST(BindAddress, PrivateAddressWinsOverLoopbackInEitherOrder)
{
    EXPECT_STREQ(Choose({ "127.0.0.1", "192.168.1.5" }), "192.168.1.5");
    EXPECT_STREQ(Choose({ "192.168.1.5", "127.0.0.1" }), "192.168.1.5");
    EXPECT_STREQ(Choose({ "0.0.0.0", "127.0.0.1", "10.0.0.2", "192.168.1.5" }), "10.0.0.2");
}

TEST(BindAddress, OnlyExcludedAddressesFallBackToTheFirstEntry)
{
    EXPECT_STREQ(Choose({ "0.0.0.0", "127.0.0.1" }), "0.0.0.0");
    EXPECT_STREQ(Choose({ "127.0.0.1" }), "127.0.0.1");
}

TEST(BindAddress, WholeTextIsCompared)
{
    EXPECT_STREQ(Choose({ "127.0.0.1", "127.0.0.2" }), "127.0.0.2");
    EXPECT_STREQ(Choose({ "127.0.0.1", "127.0.0.10" }), "127.0.0.10");
}

TEST(BindAddress, EmptyTableHasNothingToBind)
{
    EXPECT_EQ(Choose({}), nullptr);
}

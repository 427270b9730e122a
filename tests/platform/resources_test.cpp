#include "platform/resources.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

TEST(ResourcesTest, StringTablesParseIdsAndUtf8)
{
    const auto table = ParseStringTable("100=Meters\r\n101=Ångström\n\nbad line\n=no id\n102=a=b\n");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.at(100), L"Meters");
    EXPECT_EQ(table.at(101), L"Ångström");
    EXPECT_EQ(table.at(102), L"a=b");
}

}  // namespace
}  // namespace tallyx

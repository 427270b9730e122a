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

TEST(ResourcesTest, MemoryResourcesFindByTypeAndName)
{
    MemoryResources resources;
    resources.Add("TXT", "IDR_TXT_TEST", "abc");
    resources.AddString(7, L"seven");
    ASSERT_TRUE(resources.Text("IDR_TXT_TEST"));
    EXPECT_EQ(*resources.Text("IDR_TXT_TEST"), "abc");
    EXPECT_FALSE(resources.Wave("IDR_TXT_TEST"));
    EXPECT_EQ(resources.String(7), L"seven");
    EXPECT_EQ(resources.String(8), L"");
}

}  // namespace
}  // namespace tallyx

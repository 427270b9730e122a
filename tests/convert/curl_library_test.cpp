#include "convert/curl_library.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

TEST(CurlLibraryTest, LoadsOnlyALibraryWithEveryFunction)
{
    const struct {
        const char* name;
        bool loads;
    } cases[] = {
        {"libcurl.so.4", true},
        {"libtallyx-missing-curl.so.4", false},
        {"libm.so.6", false},  // opens, but is no libcurl
        {"", false},
    };
    for (const auto& library : cases) {
        SCOPED_TRACE(library.name);
        EXPECT_EQ(LoadCurlLibrary(library.name) != nullptr, library.loads);
    }
}

TEST(CurlLibraryTest, LoadsTheLibraryOnce)
{
    const CurlLibrary* first = LoadCurlLibrary();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(LoadCurlLibrary(std::string(kCurlLibraryName)), first);
}

}  // namespace
}  // namespace tallyx

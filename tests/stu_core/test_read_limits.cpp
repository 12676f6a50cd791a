// Whole-file reads stop one byte past the caller's format and refuse what is not a regular file.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "STU_File.h"

TEST(STU_Read_Limits, ReadsStopPastTheFormatAndRefuseDevices)
{
    std::vector<unsigned char> bytes;
    FILE *zero = fopen("/dev/zero", "rb");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(STU_Read_Stream(zero, bytes), 0) << "a device is not a file";
    EXPECT_EQ(STU_Read_Stream_At_Most(zero, bytes, 10), 0);
    EXPECT_TRUE(bytes.empty());
    fclose(zero);

    FILE *file = tmpfile();
    ASSERT_NE(file, nullptr);
    std::vector<unsigned char> content(10000, 7);
    fwrite(content.data(), 1, content.size(), file);
    struct Case {
        size_t limit;
        size_t expected;
    } cases[] = {{467, 467}, {10000, 10000}, {10001, 10000}, {1 << 20, 10000}};
    for (const Case &c : cases) {
        rewind(file);
        EXPECT_EQ(STU_Read_Stream_At_Most(file, bytes, c.limit), 1) << c.limit;
        EXPECT_EQ(bytes.size(), c.expected) << c.limit;
    }
    fclose(file);
}

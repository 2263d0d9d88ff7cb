#include <gtest/gtest.h>
#include <windows.h>

TEST(Resources, TheVersionRecordIsLinkedIn) {
    HRSRC version = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
    EXPECT_NE(version, nullptr);
}

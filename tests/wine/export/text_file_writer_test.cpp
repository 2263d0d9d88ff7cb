#include <gtest/gtest.h>
#include <windows.h>

#include "base/handles_win32.h"
#include "log/text_file_writer_win32.h"
#include "wine/export/temp_folder.h"

namespace sentrel::test {
namespace {

struct TextFileWriting : ::testing::Test {
    TempFolder folder;
    Win32TextFileWriter writer;
};

TEST_F(TextFileWriting, WritesTheTextInTheAnsiCodePage) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the expected bytes are those of code page 1252, the system has "
                     << GetACP();
    }
    const std::string path = folder.File("ansi.txt");
    // e-acute is in the code page; l-stroke has only a look-alike there and the CJK character
    // nothing at all: both become the default character.
    const FileWriteResult result =
        writer.WriteWholeFile(path, "caf\xC3\xA9 \xC5\x82 \xE4\xB8\xAD \xE2\x82\xAC\r\n");
    EXPECT_TRUE(result.written) << result.errorDescription;
    EXPECT_EQ(ReadBytes(path), "caf\xE9 ? ? \x80\r\n");
}

TEST_F(TextFileWriting, ReplacesAnExistingFileWholeEvenWithNothing) {
    const std::string path = folder.File("log.txt");
    WriteBytes(path, "a much longer old content\r\nline two\r\n");
    EXPECT_TRUE(writer.WriteWholeFile(path, "new\r\n").written);
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    EXPECT_TRUE(writer.WriteWholeFile(path, "").written);
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"log.txt"});
}

TEST_F(TextFileWriting, AFileHeldOpenWithoutSharingItsDeletionIsOverwrittenInPlace) {
    const std::string path = folder.File("held.txt");
    WriteBytes(path, "a longer old content\r\n");
    // Held the way a viewer holds a file it shows: readers and writers welcome, no deleting.
    UniqueHandle held(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);

    const FileWriteResult result = writer.WriteWholeFile(path, "new\r\n");

    EXPECT_TRUE(result.written) << result.errorDescription;
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"held.txt"});
}

TEST_F(TextFileWriting, FileExistsOnlyForFiles) {
    WriteBytes(folder.File("there.txt"), "");
    CreateDirectoryW(Utf8ToWide(folder.File("sub.txt")).c_str(), nullptr);
    EXPECT_TRUE(writer.FileExists(folder.File("there.txt")));
    EXPECT_FALSE(writer.FileExists(folder.File("absent.txt")));
    EXPECT_FALSE(writer.FileExists(folder.File("sub.txt")));
    RemoveDirectoryW(Utf8ToWide(folder.File("sub.txt")).c_str());
}

}  // namespace
}  // namespace sentrel::test

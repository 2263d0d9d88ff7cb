// The scan and the clean against the real system folder of the test prefix.
#include <gtest/gtest.h>

#include "win32_worm_rig.h"
#include "worm/system_clean.h"
#include "worm/system_scan.h"

namespace sentrel::test {
namespace {

const std::string kAccessBox =
    "I was unable to delete the MSBLAST.EXE file. Please make sure that you have \r\n"
    "terminated the MSBLAST.EXE process as outlined in the given instructions \r\n"
    "before clicking on the Clean System button.";

TEST(Win32Scan, AWormFileInTheSystemFolderGivesTheInfectedVerdictWhateverTheCase) {
    TestFile teekids(RealSystem32() + L"teekids.exe");
    TestFile msblast(RealSystem32() + L"MSBlast.EXE", FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(teekids.created && msblast.created);
    Win32WormRig rig;
    ScanSystem(rig.w(), true);
    EXPECT_EQ(rig.w().labScanTitle.Caption(), "Your system appears to be infected!");
    EXPECT_EQ(rig.LogTexts().back(),
              "System was scanned, and W32.Blaster.Worm + W32.Blaster.Worm.C found!");
    EXPECT_TRUE(rig.w().cmdCleanSystem.Enabled());
}

TEST(Win32Scan, HiddenOrSystemFilesAndFoldersCountAsAbsent) {
    const std::wstring system32 = RealSystem32();
    TestFile msblast(system32 + L"msblast.exe", FILE_ATTRIBUTE_HIDDEN);
    TestFile penis32(system32 + L"penis32.exe", FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(msblast.created && penis32.created);
    // Wine keeps DOS attributes in extended attributes, which not every file system stores.
    if ((GetFileAttributesW(msblast.Path().c_str()) & FILE_ATTRIBUTE_HIDDEN) == 0 ||
        (GetFileAttributesW(penis32.Path().c_str()) & FILE_ATTRIBUTE_SYSTEM) == 0) {
        GTEST_SKIP() << "this file system keeps no hidden or system attribute";
    }
    ASSERT_TRUE(CreateDirectoryW((system32 + L"teekids.exe").c_str(), nullptr));
    Win32WormRig rig;
    ScanSystem(rig.w(), true);
    RemoveDirectoryW((system32 + L"teekids.exe").c_str());
    EXPECT_EQ(rig.w().labScanTitle.Caption(), "Your system appears to be clean!");
}

TEST(Win32Clean, DeletesAReadOnlyWormFileAndReportsSuccess) {
    TestFile msblast(RealSystem32() + L"msblast.exe", FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(msblast.created);
    Win32WormRig rig;
    rig.w().cmdScan.UserClick();
    rig.w().cmdCleanSystem.UserClick();
    EXPECT_FALSE(msblast.Exists());
    ASSERT_EQ(rig.dialogs.messages.size(), 1U);
    EXPECT_EQ(rig.dialogs.messages[0].prompt, "Your system was cleaned successfully.");
}

TEST(Win32Clean, FindsAndDeletesWormFilesInTheRealSystem32AndInSysWow64) {
    if (!RunsUnderWow64()) {
        GTEST_SKIP() << "a 32-bit Windows has one system folder";
    }
    const std::wstring wow = SystemSubfolder(L"SysWOW64");
    TestFile msblast(RealSystem32() + L"msblast.exe");
    TestFile penis32(wow + L"penis32.exe", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    ASSERT_TRUE(msblast.created && penis32.created);
    ASSERT_FALSE(PathExists(wow + L"msblast.exe")) << "placed beyond the redirection";
    Win32WormRig rig;
    rig.w().cmdScan.UserClick();
    EXPECT_EQ(rig.Status(),
              "System scanned; W32.Blaster.Worm + W32.Blaster.Worm.B WAS FOUND ON YOUR PC!");
    rig.w().cmdCleanSystem.UserClick();
    EXPECT_FALSE(msblast.Exists());
    EXPECT_FALSE(penis32.Exists());
    EXPECT_EQ(rig.dialogs.messages.at(0).prompt, "Your system was cleaned successfully.");
}

TEST(Win32Clean, AFileHeldOpenWithoutDeleteSharingGivesTheAccessBox) {
    TestFile msblast(RealSystem32() + L"msblast.exe");
    ASSERT_TRUE(msblast.created);
    Win32WormRig rig;
    rig.w().cmdScan.UserClick();
    {
        const UniqueHandle held(CreateFileW(msblast.Path().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held.Valid());
        rig.w().cmdCleanSystem.UserClick();
    }
    ASSERT_EQ(rig.dialogs.messages.size(), 1U);
    EXPECT_EQ(rig.dialogs.messages[0].prompt, kAccessBox);
    EXPECT_EQ(rig.dialogs.messages[0].style, kMsgCritical);
    EXPECT_TRUE(msblast.Exists());
}

TEST(Win32FileSystem, FailuresAreSortedAndTheWindowsFolderHasNoTrailingBackslash) {
    Win32FileSystem files;
    const std::string folder = files.WindowsFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(files.FolderExists(folder + "\\System32"));
    EXPECT_FALSE(files.NormalFileExists(folder + "\\System32"));

    const std::string missing = folder + "\\System32\\sentrel-missing.exe";
    EXPECT_EQ(files.RemoveFile(missing).error, FileError::NotFound);
    EXPECT_EQ(files.SetNormalAttributes(missing).error, FileError::NotFound);
    EXPECT_EQ(files.RemoveFile(folder + "\\no-such-folder\\x.exe").error, FileError::NotFound);
    const FileResult invalid = files.RemoveFile(folder + "\\System32\\bad|name.exe");
    EXPECT_EQ(invalid.error, FileError::Other);
    EXPECT_FALSE(invalid.description.empty());
}

}  // namespace
}  // namespace sentrel::test

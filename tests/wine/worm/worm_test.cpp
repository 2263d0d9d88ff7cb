// The worm's files, Run values and processes against the test prefix's real system, found and
// removed through the window and by sentrel.exe run from a script.
#include <gtest/gtest.h>

#include <algorithm>

#include "wine/support/message_pump.h"
#include "worm/process_scanner.h"
#include "worm/worm_signs.h"
#include "worm_rig.h"

namespace sentrel::test {
namespace {

TEST(Win32Worm, FilesInTheRealSystemFoldersAndRunValuesInBothViewsAreFoundAndCleaned) {
    TestFile msblast(RealSystem32() + L"msblast.exe", FILE_ATTRIBUTE_READONLY);
    // Under WoW64 the 32-bit worm's file lands in SysWOW64, beyond the redirection.
    const std::wstring wowFolder = RunsUnderWow64() ? L"SysWOW64" : L"System32";
    TestFile penis32(SystemSubfolder(wowFolder.c_str()) + L"penis32.exe");
    // The views are separate on 64-bit Windows; a 32-bit one has one and takes the flags.
    TestRunValue native(KEY_WOW64_64KEY, L"windows auto update", L"msblast.exe");
    TestRunValue wow(KEY_WOW64_32KEY, L"windows auto update", L"msblast.exe");
    ASSERT_TRUE(msblast.created && penis32.created && native.written && wow.written);
    Win32WormRig rig;
    rig.w().cmdScan.UserClick();
    ASSERT_TRUE(rig.w().cmdCleanSystem.Enabled());
    rig.w().cmdCleanSystem.UserClick();
    EXPECT_FALSE(msblast.Exists());
    EXPECT_FALSE(penis32.Exists());
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_64KEY, L"windows auto update"));
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_32KEY, L"windows auto update"));
}

TEST(Win32Worm, TheProcessTableListsAStandInAndEndsItUnderTheImageExpectedOnly) {
    Win32ProcessTable table;
    StandIn teekids("TEEKIDS.EXE");
    ASSERT_TRUE(teekids.Started()) << "worm_standin.exe is built beside the test";
    EXPECT_TRUE(AnyProcessMatches(table.Snapshot(), "teekids.exe"));
    EXPECT_FALSE(table.Terminate(teekids.Process().Id(), 0, "msblast.exe"));
    EXPECT_FALSE(teekids.Process().EndsWithin(0));
    KillProcess(table, "teekids.exe");
    EXPECT_TRUE(teekids.Process().EndsWithin(5000));
}

// Runs sentrel.exe with the arguments and "/log FILE", waits for its end; its exit code and log.
std::pair<std::optional<DWORD>, std::string> RunSentrel(const std::wstring& arguments) {
    TempFolder folder;
    const std::string log = folder.File("runs.jsonl");
    StartedProcess sentrel(OwnFolder() + L"sentrel.exe",
                           arguments + L" /quiet /log \"" + Utf8ToWide(log) + L"\"");
    EXPECT_TRUE(sentrel.EndsWithin(60000));
    return {sentrel.ExitCode(), ReadBytes(log)};
}

TEST(Win32Worm, ARenamedWormIsFoundByItsMutexAndPortAlsoByAScriptedScan) {
    Win32WormMutex mutex;
    {
        // While the program holds the worm's mutex, a worm exits at once.
        ASSERT_TRUE(mutex.Hold(true));
        StandIn late("svc_update.exe", L"/worm");
        ASSERT_TRUE(late.Process().EndsWithin(10000));
        EXPECT_EQ(late.Process().ExitCode(), 3U);
        mutex.Hold(false);
    }
    StandIn worm("svc_update.exe", L"/worm");
    Win32SocketTable sockets;
    ASSERT_TRUE(PumpUntil([&] { return FindWormSigns(sockets, mutex).size() >= 2; }, 10000));
    const auto [code, log] = RunSentrel(L"/scan");
    EXPECT_EQ(code, 1U);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
    EXPECT_NE(log.find("mutex BILLY"), std::string::npos) << log;
    EXPECT_NE(log.find("4444"), std::string::npos) << log;
}

TEST(Win32Worm, AScriptedCleanRemovesALaterVariantAndSaysSoInItsExitCodeAndLog) {
    TestFile mslaugh(SystemSubfolder(L"System32") + L"mslaugh.exe", FILE_ATTRIBUTE_READONLY);
    TestRunValue automation(KEY_WOW64_32KEY, L"windows automation", L"mslaugh.exe");
    ASSERT_TRUE(mslaugh.created && automation.written);
    const auto [code, log] = RunSentrel(L"/clean");
    EXPECT_EQ(code, 2U);
    EXPECT_FALSE(mslaugh.Exists());
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_32KEY, L"windows automation"));
    EXPECT_NE(log.find(R"("result":"cleaned","exit":2})"), std::string::npos) << log;
}

}  // namespace
}  // namespace sentrel::test

// sentrel.exe run from a script: its exit code, its summary and the JSON lines of its log.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "base/text_win32.h"
#include "wine/export/temp_folder.h"
#include "win32_worm_rig.h"

namespace sentrel::test {
namespace {

struct Outcome {
    std::optional<DWORD> exit;
    std::string output;  // what the program printed
    std::string log;     // the log file's content
};

// Runs the program with the arguments (and "/log FILE" when logging) and waits for its end.
class Sentrel {
public:
    Outcome Run(const std::wstring& arguments, bool logging = true) {
        SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
        const std::string outputPath = folder_.File("output.txt");
        Outcome outcome;
        {
            const UniqueHandle output(CreateFileW(Utf8ToWide(outputPath).c_str(), GENERIC_WRITE,
                                                  FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            const std::wstring log = logging ? L" /log \"" + Utf8ToWide(LogPath()) + L"\"" : L"";
            StartedProcess program(OwnFolder() + L"sentrel.exe", arguments + log, output.Get());
            EXPECT_TRUE(program.EndsWithin(60000));
            outcome.exit = program.ExitCode();
        }
        outcome.output = ReadBytes(outputPath);
        outcome.log = ReadBytes(LogPath());
        return outcome;
    }
    std::string LogPath() const { return folder_.File("runs.jsonl"); }

private:
    TempFolder folder_;
};

TEST(Unattended, AScanFindsARenamedWormAndAppendsOneJsonLinePerRun) {
    RenamedWorm worm;
    ASSERT_TRUE(worm.Ready());
    Sentrel sentrel;
    sentrel.Run(L"/SCAN");
    const Outcome second = sentrel.Run(L"/SCAN");
    EXPECT_EQ(second.exit, 1U);
    EXPECT_EQ(second.output.rfind("Sentrel scan of ", 0), 0U) << second.output;
    const std::regex line(
        R"(\{"time":"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d","computer":"[^"]+","mode":"scan",)"
        R"("found":\[\],"indicators":\["a program holding the mutex BILLY","[^"]*on TCP port 4444"\],)"
        R"("actions":\[\],"remaining":\[\],"errors":\[\],"result":"infected","exit":1\}\r\n)");
    EXPECT_EQ(std::count(second.log.begin(), second.log.end(), '\n'), 2);
    EXPECT_TRUE(std::regex_search(second.log, line)) << second.log;
}

TEST(Unattended, ACleanRemovesTheLaterVariantsAndTheirRunValuesAndLeavesOthers) {
    const std::wstring system32 = SystemSubfolder(L"System32");
    TestFile mspatch(system32 + L"mspatch.exe");
    TestFile mslaugh(system32 + L"mslaugh.exe", FILE_ATTRIBUTE_READONLY);
    TestFile enbiei(system32 + L"enbiei.exe");
    ASSERT_TRUE(mspatch.created && mslaugh.created && enbiei.created);
    TestRunValue nonton(KEY_WOW64_64KEY, L"Nonton Antivirus", L"mspatch.exe");
    TestRunValue automation(KEY_WOW64_32KEY, L"windows automation",
                            L"C:\\WINDOWS\\system32\\MSLAUGH.EXE");
    TestRunValue hidro(KEY_WOW64_64KEY, L"www.hidro.4t.com", L"\"enbiei.exe\"");
    TestRunValue other(KEY_WOW64_64KEY, L"Sentrel test scanner", L"C:\\tools\\scan.exe enbiei.exe");
    ASSERT_TRUE(nonton.written && automation.written && hidro.written && other.written);

    const Outcome outcome = Sentrel().Run(L"/clean /quiet");
    EXPECT_EQ(outcome.exit, 2U);
    EXPECT_EQ(outcome.output, "");
    EXPECT_FALSE(mspatch.Exists() || mslaugh.Exists() || enbiei.Exists());
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_64KEY, L"Nonton Antivirus"));
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_32KEY, L"windows automation"));
    EXPECT_FALSE(RunValuePresent(KEY_WOW64_64KEY, L"www.hidro.4t.com"));
    EXPECT_TRUE(RunValuePresent(KEY_WOW64_64KEY, L"Sentrel test scanner"));
    EXPECT_NE(outcome.log.find(
                  R"("found":["W32.Blaster.Worm.D","W32.Blaster.Worm.E","W32.Blaster.Worm.F"])"),
              std::string::npos)
        << outcome.log;
    EXPECT_NE(outcome.log.find(R"("result":"cleaned","exit":2})"), std::string::npos);
}

TEST(Unattended, BadArgumentsGiveTheUsageAndExitCodeThree) {
    Sentrel sentrel;
    const Outcome bad = sentrel.Run(L"/scan /bogus");
    EXPECT_EQ(bad.exit, 3U);
    EXPECT_NE(bad.output.find("Usage: sentrel.exe"), std::string::npos) << bad.output;
    EXPECT_EQ(bad.log, "");
    const Outcome help = sentrel.Run(L"/?", false);
    EXPECT_EQ(help.exit, 0U);
    EXPECT_NE(help.output.find("Usage: sentrel.exe"), std::string::npos);
}

}  // namespace
}  // namespace sentrel::test

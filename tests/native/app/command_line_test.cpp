#include <gtest/gtest.h>

#include "app/unattended_mode.h"
#include "fakes/rig.h"

namespace sentrel::test {
namespace {

TEST(ParseCommandLine, ReadsTheRunItsLogAndQuietOrSaysWhatIsWrong) {
    const std::string once = "Give /log once, with a file name.";
    // {arguments, mode, log file, quiet, error}
    const std::tuple<Texts, RunMode, std::string, bool, std::string> cases[] = {
        {{}, RunMode::Window, "", false, ""},
        {{"-CLEAN", "/log", R"(\\srv\l.log)", "/Quiet"},
         RunMode::Clean,
         R"(\\srv\l.log)",
         true,
         ""},
        {{"/scan", "/bogus", "/?"}, RunMode::Help, "", false, ""},
        {{"/scan", "/clean"}, RunMode::Clean, "", false, "Give only one of /scan and /clean."},
        {{"/log", "x.log", "/quiet"}, RunMode::Window, "x.log", true, "Give /scan or /clean."},
        {{"/scan", "/log"}, RunMode::Scan, "", false, once},
        {{"/scan", "/log", "/quiet"}, RunMode::Scan, "", true, once},
        {{"/scan", "/log", "a", "/log", "b", "c"}, RunMode::Scan, "a", false, once},
        {{"scan"}, RunMode::Window, "", false, "Unknown argument: scan"}};
    for (const auto& [args, mode, logFile, quiet, error] : cases) {
        const CommandLine line = ParseCommandLine(args);
        EXPECT_EQ(std::tie(line.mode, line.logFile, line.quiet, line.error),
                  std::tie(mode, logFile, quiet, error))
            << ::testing::PrintToString(args);
    }
}

// The worm's services on fakes, as the unattended run uses them.
struct UnattendedRig : Rig {
    WormServices worm{processes, files, registry, sockets, wormMutex, systemFacts};
    RunRecord Run(RunMode mode) {
        RunRecord record;
        RunUnattended(mode, worm, record);
        return record;
    }
};

// A clean that leaves something found says "not cleaned", exit code 1: see the test below.
TEST(RunUnattended, TheExitCodeSaysWhetherAnythingWasFoundAndWhetherItIsGone) {
    // {mode, worm file, exit, result}
    const std::tuple<RunMode, bool, int, std::string> cases[] = {
        {RunMode::Scan, false, 0, "clean"},
        {RunMode::Scan, true, 1, "infected"},
        {RunMode::Clean, false, 0, "clean"},
        {RunMode::Clean, true, 2, "cleaned"}};
    for (const auto& [mode, file, exit, result] : cases) {
        UnattendedRig rig;
        if (file) {
            rig.files.AddFile("C:\\WINDOWS\\System32\\mspatch.exe");
        }
        const RunRecord record = rig.Run(mode);
        EXPECT_EQ(std::tie(record.exit, record.result), std::tie(exit, result));
    }
}

TEST(RunUnattended, TheCleanEndsTheWormBeforeDeletingItsFileAndReportsInJsonAndASummary) {
    UnattendedRig rig;
    rig.files.AddFile("C:\\WINDOWS\\System32\\mspatch.exe", true);  // read-only
    rig.processes.processes = {{20, "mspatch.exe"}, {1234, "tftpd.exe"}};
    rig.registry.runValues[RegistryView::Bits32] = {{"Nonton Antivirus", "mspatch.exe"}};
    rig.sockets.udp = {{69, 1234}};
    rig.wormMutex.heldElsewhere = true;
    rig.systemFacts.system = {5, 1, 1};
    rig.systemFacts.rpcrt4.version = FileVersion{5, 1, 2600, 1106};
    RunRecord record = rig.Run(RunMode::Clean);
    // A process found only by its signs is reported, never ended.
    EXPECT_EQ(rig.processes.terminated, std::vector<std::uint32_t>{20});
    record.time = {21, 5, 9, 2003, 8, 11, -330};
    record.computer = "PC-\xc3\xa9\xf0\x9f\x98\x80\"\t\\\xed\xa0\x80\xf4\x8f\xbf\xbf\xc3Z";
    EXPECT_EQ(
        JsonLine(record),
        R"j({"time":"2003-08-11T21:05:09-05:30","computer":"PC-\u00e9\ud83d\ude00\"\u0009\\)j"
        R"j(\ufffd\udbff\udfff\ufffdZ",)j"
        R"j("mode":"clean","found":["W32.Blaster.Worm.D"],"indicators":["a program holding )j"
        R"j(the mutex BILLY","tftpd.exe (process 1234) on UDP port 69"],"actions":["deleted )j"
        R"j(the Run value \"Nonton Antivirus\" (32-bit view)","ended mspatch.exe (process )j"
        R"j(20)","deleted C:\\WINDOWS\\System32\\mspatch.exe"],"remaining":["a program )j"
        R"j(holding the mutex BILLY","tftpd.exe (process 1234) on UDP port 69"],"errors":[],)j"
        R"j("exposure":"exposed","rpcrt4":"5.1.2600.1106","result":"not cleaned","exit":1})j");
    record.time.utcOffsetMinutes = 120;
    record.computer = "PC1";
    EXPECT_EQ(JsonLine(record).substr(0, 35), R"({"time":"2003-08-11T21:05:09+02:00")");
    record.rpcrt4.reset();
    EXPECT_NE(JsonLine(record).find(R"("rpcrt4":null,)"), std::string::npos);
    EXPECT_EQ(Summary(record),
              "Sentrel clean of PC1: not cleaned.\r\nFound: W32.Blaster.Worm.D.\r\n"
              "Seen running: a program holding the mutex BILLY; tftpd.exe (process 1234) on UDP "
              "port 69.\r\nDone: deleted the Run value \"Nonton Antivirus\" (32-bit view); ended "
              "mspatch.exe (process 20); deleted C:\\WINDOWS\\System32\\mspatch.exe.\r\nStill "
              "found: a program holding the mutex BILLY; tftpd.exe (process 1234) on UDP port "
              "69.\r\nThis PC lacks Microsoft's fix for the hole the worm uses (MS03-026). "
              "Install it, or Windows XP Service Pack 2, or the worm will come back.\r\nExit "
              "code 1.\r\n");
}

}  // namespace
}  // namespace sentrel::test

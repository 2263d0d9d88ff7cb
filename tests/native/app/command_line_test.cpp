#include <gtest/gtest.h>

#include "app/command_line.h"
#include "fakes/rig.h"

namespace sentrel::test {
namespace {

TEST(ParseCommandLine, ReadsTheRunItsLogAndQuietOrSaysWhatIsWrong) {
    struct Case {
        std::vector<std::string> args;
        RunMode mode;
        std::string logFile;
        bool quiet;
        bool good;
    };
    const Case cases[] = {
        {{}, RunMode::Window, "", false, true},
        {{"/scan"}, RunMode::Scan, "", false, true},
        {{"-CLEAN", "/log", R"(\\srv\logs\sentrel.log)", "/Quiet"},
         RunMode::Clean,
         R"(\\srv\logs\sentrel.log)",
         true,
         true},
        {{"/scan", "/bogus", "/?"}, RunMode::Help, "", false, true},
        {{"/scan", "/clean"}, RunMode::Clean, "", false, false},
        {{"/log", "x.log"}, RunMode::Window, "x.log", false, false},
        {{"/quiet"}, RunMode::Window, "", true, false},
        {{"/scan", "/log"}, RunMode::Scan, "", false, false},
        {{"/scan", "/log", "a", "/log", "b"}, RunMode::Scan, "a", false, false},
        {{"scan"}, RunMode::Window, "", false, false},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        const std::string args = ::testing::PrintToString(c.args);
        EXPECT_EQ(line.mode, c.mode) << args;
        EXPECT_EQ(line.logFile, c.logFile) << args;
        EXPECT_EQ(line.quiet, c.quiet) << args;
        EXPECT_EQ(line.error.empty(), c.good) << args;
    }
}

// The worm's services on fakes, as the unattended run uses them.
struct UnattendedRig : Rig {
    WormServices worm{processes, files, registry, sockets, wormMutex};
    RunRecord Run(RunMode mode) {
        RunRecord record;
        RunUnattended(mode, worm, record);
        return record;
    }
};

TEST(RunUnattended, TheExitCodeSaysWhetherAnythingWasFoundAndWhetherItIsGone) {
    struct Case {
        RunMode mode;
        bool file;
        bool deletable;
        int exit;
        const char* result;
    };
    const Case cases[] = {
        {RunMode::Scan, false, true, 0, "clean"},        {RunMode::Scan, true, true, 1, "infected"},
        {RunMode::Clean, false, true, 0, "clean"},       {RunMode::Clean, true, true, 2, "cleaned"},
        {RunMode::Clean, true, false, 1, "not cleaned"},
    };
    for (const Case& c : cases) {
        UnattendedRig rig;
        if (c.file) {
            rig.files.AddFile("C:\\WINDOWS\\System32\\mspatch.exe");
        }
        if (!c.deletable) {
            rig.files.FailRemove("C:\\WINDOWS\\System32\\mspatch.exe",
                                 {FileError::AccessDenied, "Access is denied."});
        }
        const RunRecord record = rig.Run(c.mode);
        EXPECT_EQ(record.exit, c.exit) << c.result;
        EXPECT_EQ(record.result, c.result);
    }
}

TEST(RunUnattended, TheCleanEndsTheWormBeforeDeletingItsFileAndReportsWhatItDidAndFound) {
    UnattendedRig rig;
    rig.files.AddFile("C:\\WINDOWS\\System32\\mspatch.exe", {true, false, false});
    rig.processes.processes = {{20, "mspatch.exe"}, {1234, "tftpd.exe"}};
    rig.registry.runValues[RegistryView::Bits32] = {{"Nonton Antivirus", "mspatch.exe"}};
    rig.sockets.udp = {{69, 1234}};
    rig.wormMutex.heldElsewhere = true;
    const RunRecord record = rig.Run(RunMode::Clean);
    EXPECT_EQ(record.mode, "clean");
    EXPECT_EQ(record.found, std::vector<std::string>{"W32.Blaster.Worm.D"});
    const std::vector<std::string> signs{"a program holding the mutex BILLY",
                                         "tftpd.exe (process 1234) on UDP port 69"};
    EXPECT_EQ(record.indicators, signs);
    EXPECT_EQ(record.actions,
              (std::vector<std::string>{"deleted the Run value \"Nonton Antivirus\" (32-bit view)",
                                        "ended mspatch.exe (process 20)",
                                        "deleted C:\\WINDOWS\\System32\\mspatch.exe"}));
    // A process found only by its signs is reported, never ended.
    EXPECT_EQ(rig.processes.terminated, std::vector<std::uint32_t>{20});
    EXPECT_EQ(record.remaining, signs);
    EXPECT_EQ(record.exit, kExitNotCleaned);
}

TEST(JsonLine, HoldsTheRunInOneLineOfPlainAscii) {
    RunRecord record;
    record.time = {2003, 8, 11, 21, 5, 9, -330};
    record.computer = "PC-\xc3\xa9\"1\\";
    record.mode = "clean";
    record.found = {"W32.Blaster.Worm.E"};
    record.indicators = {"a program on TCP port 4444"};
    record.actions = {"deleted C:\\WINDOWS\\System32\\mslaugh.exe"};
    record.errors = {"\xf0\x9f\x98\x80\t"};
    record.result = "cleaned";
    record.exit = kExitCleaned;
    EXPECT_EQ(JsonLine(record),
              R"({"time":"2003-08-11T21:05:09-05:30","computer":"PC-\u00e9\"1\\","mode":"clean",)"
              R"("found":["W32.Blaster.Worm.E"],"indicators":["a program on TCP port 4444"],)"
              R"("actions":["deleted C:\\WINDOWS\\System32\\mslaugh.exe"],"remaining":[],)"
              R"("errors":["\ud83d\ude00\u0009"],"result":"cleaned","exit":2})");
    record.time.utcOffsetMinutes = 120;
    EXPECT_EQ(JsonLine(record).substr(0, 35), R"({"time":"2003-08-11T21:05:09+02:00")");
}

TEST(Summary, NamesTheRunTheComputerWhatWasFoundAndTheExitCode) {
    RunRecord record;
    record.computer = "PC1";
    record.mode = "scan";
    record.found = {"W32.Blaster.Worm", "W32.Blaster.Worm.F"};
    record.indicators = {"a program holding the mutex BILLY"};
    record.result = "infected";
    record.exit = kExitNotCleaned;
    EXPECT_EQ(Summary(record),
              "Sentrel scan of PC1: infected.\r\n"
              "Found: W32.Blaster.Worm; W32.Blaster.Worm.F.\r\n"
              "Seen running: a program holding the mutex BILLY.\r\n"
              "Exit code 1.\r\n");
}

}  // namespace
}  // namespace sentrel::test

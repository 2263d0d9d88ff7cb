#include <gtest/gtest.h>

#include "worm/process_scanner.h"
#include "worm/run_values.h"
#include "worm/worm_clean.h"
#include "worm_rig.h"

namespace sentrel::test {
namespace {

// The main window after a scan that found the given files, ready to clean.
struct CleanRig : WormRig {
    explicit CleanRig(Texts infected = {"msblast.exe"}) {
        for (const std::string& name : infected) {
            Infect(name);
        }
        w().cmdScan.UserClick();
        lvwStart = w().lvwLog.Count();
        sound.played.clear();
    }
    Texts CleanLog() const {
        Texts all = LogTexts();
        return {all.begin() + static_cast<std::ptrdiff_t>(lvwStart), all.end()};
    }
    std::size_t lvwStart = 0;
};

TEST(CleanSystem, LogsEveryStepInBlueThenRescansAndConfirms) {
    CleanRig rig({"msblast.exe", "teekids.exe"});
    rig.processes.processes = {{10, "msblast.exe"},
                               {11, "explorer.exe"},
                               {12, "penis32.exe"},
                               {13, "TEEKIDS.EXE"},
                               {14, "msblast.exe"}};
    rig.processes.unkillable = {14};  // skipped without a word
    rig.w().cmdCleanSystem.UserClick();
    EXPECT_EQ(
        rig.CleanLog(),
        (Texts{"Cleaning system...", "     deleting registry key..",
               "     removing Read Only flag on file(s)..", "     deleting msblast.exe.. found.",
               "     deleting penis32.exe.. not found.", "     deleting teekids.exe.. found.",
               "     attempting to kill msblast.exe (or variant) process..",
               "System was cleaned successfully.", "System was scanned, and no worm was found."}));
    for (std::size_t i = rig.lvwStart; i + 1 < rig.w().lvwLog.Count(); ++i) {
        EXPECT_EQ(rig.LogColour(i), Rgb(0, 0, 255)) << i;
    }
    EXPECT_EQ(rig.processes.terminated, (std::vector<std::uint32_t>{10, 12, 13}));
    EXPECT_EQ(rig.processes.exitCodes, std::set<std::uint32_t>{0});
    EXPECT_TRUE(rig.files.files.empty());
    EXPECT_EQ(
        rig.dialogs.messages,
        (Messages{{"Your system was cleaned successfully.", kMsgInformation, "Cleanse Result.."}}));
    // The rescan's status replaces the clean's own.
    EXPECT_EQ(rig.Status(), "System scanned at 14:03:27; no worm found.");
    EXPECT_EQ(std::tuple(rig.w().cmdCleanSystem.Enabled(), rig.Played()),
              std::tuple(false, Texts{"Disinfected.wav"}));
    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    EXPECT_EQ(rig.registry.deleted,
              (std::vector<DeletedValue>{{RegistryView::Bits64, key, "windows auto update"},
                                         {RegistryView::Bits32, key, "windows auto update"}}));
}

TEST(CleanSystem, RemovesLaterVariantsInBothFoldersAndEveryRunValueStartingAWormFile) {
    CleanRig rig({"mslaugh.exe"});
    rig.files.AddFolder("C:\\WINDOWS\\SysWOW64");
    rig.files.AddFile(kSysWow64 + "msblast.exe", kReadOnly);
    rig.processes.processes = {{20, "mslaugh.exe"}, {21, "enbiei.exe"}, {22, "winlogon.exe"}};
    rig.registry.runValues[RegistryView::Bits64] = {
        {"windows automation", "mslaugh.exe"},
        {"Nonton Antivirus", R"("C:\WINDOWS\system32\MSPATCH.EXE")"},
        {"Scanner", R"(C:\tools\scan.exe msblast.exe)"}};
    rig.registry.runValues[RegistryView::Bits32] = {{"www.hidro.4t.com", "enbiei.exe"},
                                                    {"windows auto update", "msblast.exe"},
                                                    {"Tool", "C:\\Program Files\\Tool\\tool.exe"}};
    rig.w().cmdCleanSystem.UserClick();
    const Texts log = rig.CleanLog();
    EXPECT_EQ(std::tuple(log.at(3), log.at(6), log.size()),
              std::tuple("     deleting msblast.exe.. found.", "     deleting mslaugh.exe.. found.",
                         10U));
    EXPECT_TRUE(rig.files.files.empty());
    EXPECT_EQ(rig.processes.terminated, (std::vector<std::uint32_t>{20, 21}));
    using Values = std::map<std::string, std::string>;
    EXPECT_EQ(rig.registry.runValues[RegistryView::Bits64],
              (Values{{"Scanner", R"(C:\tools\scan.exe msblast.exe)"}}));
    EXPECT_EQ(rig.registry.runValues[RegistryView::Bits32],
              (Values{{"Tool", "C:\\Program Files\\Tool\\tool.exe"}}));
}

TEST(StartsWormFile, TheProgramOfTheCommandIsAWormFileInAnyCaseWithOrWithoutPathOrQuotes) {
    const std::pair<const char*, bool> cases[] = {
        {"  ENBIEI.EXE ", true},
        {R"("C:\WINDOWS\system32\mslaugh.exe" /run)", true},
        {"notmsblast.exe", false},
        {R"(C:\tools\scan.exe C:\WINDOWS\msblast.exe)", false},
        {R"("C:\tools\scan.exe" msblast.exe)", false},
        {"", false}};
    for (const auto& [command, starts] : cases) {
        EXPECT_EQ(StartsWormFile(command), starts) << command;
    }
}

TEST(CleanSystem, AProcessFoundOnlyByItsSignsIsEndedOnlyAfterTheUserSaysYes) {
    // {the user's answer, the process can be opened, it ends while the box is open, the
    // clean's line about it}
    const std::tuple<bool, bool, bool, const char*> cases[] = {
        {true, true, false, "     ended tftpd.exe (process 1234)."},
        {false, true, false, "     left tftpd.exe (process 1234) running."},
        {true, false, false, "     could not end tftpd.exe (process 1234)."},
        {true, true, true,
         "     tftpd.exe (process 1234) had ended by itself; nothing was ended."}};
    const Messages asked{
        {"tftpd.exe (process 1234) listens on TCP port 4444, as the MSBlast worm "
         "does.\r\ntftpd.exe "
         "(process 1234) uses UDP port 69, as the MSBlast worm does.\r\n\r\nIt was found only by "
         "what it does, and a legitimate server may do the same.\r\n\r\nEnd tftpd.exe (process "
         "1234)?",
         kMsgQuestion, "Clean System!"}};
    for (const auto& [yes, endable, endsMeanwhile, line] : cases) {
        CleanRig rig;
        rig.dialogs.answerYes = yes;
        rig.processes.processes = {{1234, "tftpd.exe"}};
        if (!endable) {
            rig.processes.unkillable = {1234};
        }
        if (endsMeanwhile) {
            // Another program gets its identifier at once: the one held is still not it.
            rig.dialogs.whileOpen = [&rig] { rig.processes.processes = {{1234, "svchost.exe"}}; };
        }
        rig.sockets.tcp = {{4444, 1234}};
        rig.sockets.udp = {{69, 1234}, {69, 0}};
        rig.w().cmdCleanSystem.UserClick();
        EXPECT_EQ(rig.dialogs.questions, endable ? asked : Messages{});
        EXPECT_EQ(rig.processes.terminated.size(), yes && endable && !endsMeanwhile ? 1U : 0U);
        EXPECT_EQ(rig.processes.exitCodes.count(1), 0U);
        const Texts log = rig.CleanLog();
        EXPECT_EQ(Texts(log.begin() + 7, log.begin() + 9),
                  (Texts{line,
                         "     cannot end the program behind UDP port 69: its process is "
                         "not known."}));
    }
}

// Each failure ends the clean with its one box: nothing after it is logged, shown or played.
TEST(CleanSystem, EachFailureShowsItsBoxAndNothingAfterIt) {
    const std::tuple<FileError, std::string, std::string> cases[] = {
        {FileError::NotFound, "Error deleting the MSBLAST.EXE file. It doesn't appear to exist!",
         ""},
        {FileError::AccessDenied,
         "I was unable to delete the MSBLAST.EXE file. Please make sure that you have \r\n"
         "terminated the MSBLAST.EXE process as outlined in the given instructions \r\n"
         "before clicking on the Clean System button.",
         ""},
        {FileError::Other, "Error cleaning system: The disk is full", "CleanSystem()"}};
    for (const auto& [error, prompt, title] : cases) {
        CleanRig rig({"msblast.exe", "penis32.exe", "teekids.exe"});
        rig.processes.processes = {{5, "msblast.exe"}};
        const std::string statusBefore = rig.Status();
        rig.files.FailRemove(kSystem32 + "penis32.exe", {error, "The disk is full"});
        rig.w().cmdCleanSystem.UserClick();

        EXPECT_EQ(rig.dialogs.messages, (Messages{{prompt, kMsgCritical, title}}));
        EXPECT_EQ(rig.CleanLog().back(), "     deleting penis32.exe.. found.");
        EXPECT_TRUE(rig.files.HasFile(kSystem32 + "teekids.exe"));
        EXPECT_TRUE(rig.processes.terminated.empty() && rig.Played().empty() &&
                    rig.Status() == statusBefore);
    }
}

TEST(ProcessNameMatches, TheNameCutAtItsFirstNulEndsWithTheWholeTargetWithoutRegardToCase) {
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"msblast.exe", "MsBlast.Exe", true},
        {"C:\\WINDOWS\\system32\\msblast.exe", "msblast.exe", true},
        {std::string("msblast.exe\0junk", 16), "msblast.exe", true},
        {"msblast.exe.bak", "msblast.exe", false},
        {"sblast.exe", "msblast.exe", false},
        {std::string("msbl\0ast.exe", 12), "msblast.exe", false}};
    for (const auto& [name, target, matches] : cases) {
        EXPECT_EQ(ProcessNameMatches(name, target), matches) << name << " / " << target;
    }
}

}  // namespace
}  // namespace sentrel::test

#include <gtest/gtest.h>

#include "window/detect_page.h"
#include "worm_rig.h"

namespace sentrel::test {
namespace {

constexpr const char* kFirstThree = "msblast.exe / penis32.exe / teekids.exe";

struct ScanRow {
    std::vector<std::string> present;
    const char* names;
    std::string processes = kFirstThree;  // named in the explanation
};

// Rows of the decision table, and the later variants, with the worm name list they give.
const ScanRow kInfectedRows[] = {
    {{"msblast.exe"}, "W32.Blaster.Worm"},
    {{"penis32.exe", "teekids.exe"}, " + W32.Blaster.Worm.B + W32.Blaster.Worm.C"},
    {{"mslaugh.exe"}, " + W32.Blaster.Worm.E", std::string(kFirstThree) + " / mslaugh.exe"},
    {{"enbiei.exe", "msblast.exe", "mspatch.exe"},
     "W32.Blaster.Worm + W32.Blaster.Worm.D + W32.Blaster.Worm.F",
     std::string(kFirstThree) + " / mspatch.exe / enbiei.exe"},
};

TEST(ScanSystem, EveryInfectedRowPutsItsNameListIntoTheThreeTexts) {
    for (const ScanRow& row : kInfectedRows) {
        WormRig rig;
        for (const std::string& file : row.present) {
            rig.Infect(file);
        }
        rig.w().ScanSystem(true);
        const std::string names = row.names;
        EXPECT_EQ(rig.w().labScanInfo.Caption(), InfectedExplanation(names, row.processes))
            << names;
        EXPECT_EQ(rig.LogTexts().back(), "System was scanned, and " + names + " found!");
        EXPECT_EQ(rig.Status(), "System scanned; " + names + " WAS FOUND ON YOUR PC!");
    }
}

TEST(ScanSystem, EachSignOfARunningWormIsARedLineAndAnEntryOfTheList) {
    WormRig rig;
    rig.wormMutex.heldElsewhere = true;
    rig.processes.processes = {{4, "System"}, {1234, "svchost.exe"}};
    rig.sockets.tcp = {{135, 4}, {4444, 1234}, {4444, 1234}};
    rig.sockets.udp = {{69, 0}, {137, 4}};
    rig.w().ScanSystem(true);
    const std::vector<std::string> expected{
        "A running program holds the mutex BILLY, as the MSBlast worm does.",
        "svchost.exe (process 1234) listens on TCP port 4444, as the MSBlast worm does.",
        "A program uses UDP port 69, as the MSBlast worm does; its process is not known.",
        "System was scanned, and  + a program holding the mutex BILLY + svchost.exe (process "
        "1234) on TCP port 4444 + a program on UDP port 69 found!"};
    EXPECT_EQ(rig.LogTexts(), expected);
    EXPECT_EQ(rig.LogColour(1), Rgb(255, 0, 0));
    EXPECT_TRUE(rig.w().cmdCleanSystem.Enabled());
}

TEST(ScanSystem, TheVerdictFillsTheDetectPageAndOnlyAnInfectedOneBringsItToTheFront) {
    WormRig rig;
    WMain& w = rig.w();
    w.cmdCleanSystem.SetEnabled(true);
    const std::size_t frontBefore = w.fraContainer.FrontIndex();
    rig.clock.now = {9, 5, 3};
    w.ScanSystem(true);
    EXPECT_EQ(w.labScanTitle.Caption(), "Your system appears to be clean!");
    EXPECT_EQ(w.labScanTitle.ForeColor(), Rgb(0, 150, 0));
    EXPECT_EQ(std::tuple(w.imgScan.FrontIndex(), w.imgScan[0].Visible(), w.imgScan[1].Visible()),
              std::tuple(1U, false, true));
    EXPECT_EQ(w.labScanInfo.Caption(),
              "Your system has been scanned and it seems that the MSBlast worm and its variants "
              "are not present. Everything is okay.");
    EXPECT_FALSE(w.cmdCleanSystem.Enabled());
    EXPECT_EQ(w.fraContainer.FrontIndex(), frontBefore);
    EXPECT_EQ(rig.LogTexts(),
              std::vector<std::string>{"System was scanned, and no worm was found."});
    EXPECT_FALSE(rig.LogColour(0).has_value());
    EXPECT_EQ(rig.Status(), "System scanned at 09:05:03; no worm found.");

    rig.Infect("teekids.exe");
    w.ScanSystem(false);
    EXPECT_EQ(w.labScanTitle.Caption(), "Your system appears to be infected!");
    EXPECT_EQ(w.labScanTitle.ForeColor(), Rgb(255, 0, 0));
    EXPECT_EQ(std::tuple(w.imgScan.FrontIndex(), w.imgScan[0].Visible(), w.imgScan[1].Visible()),
              std::tuple(0U, true, false));
    EXPECT_EQ(w.labScanInfo.Caption(),
              "Your system seems to have the  + W32.Blaster.Worm.C worm(s) present. It is "
              "suggested that you immediately cleanse your system by clicking on the Clean "
              "System! button below.\r\n\r\nBUT FIRST you will need to kill the required "
              "process(es). Press CTRL+ALT+DEL and select the Process tab in the Task Manager, "
              "find the msblast.exe / penis32.exe / teekids.exe process(es) and End Process any "
              "of them you find. This is very important!\r\n\r\nThen click on the Cleanse "
              "button below.");
    EXPECT_TRUE(w.cmdCleanSystem.Enabled());
    EXPECT_EQ(w.fraContainer[w.fraContainer.FrontIndex()].Tag(), "_detect");
    EXPECT_TRUE(w.tbrMain.Button(2).pressed);
    EXPECT_EQ(rig.LogColour(1), Rgb(255, 0, 0));
}

TEST(ScanSystem, OnlyNormalFilesCountInAnyCaseAndSysWow64WhereItExists) {
    WormRig rig;
    rig.Infect("msblast.exe", kHidden);
    rig.Infect("penis32.exe", kSystem);
    rig.files.AddFolder(System32("teekids.exe"));
    rig.files.AddFile(SysWow64("mspatch.exe"));
    rig.w().ScanSystem(true);
    EXPECT_EQ(rig.w().labScanTitle.Caption(), "Your system appears to be clean!");
    rig.files.AddFolder("C:\\WINDOWS\\SysWOW64");
    rig.files.AddFile("c:\\windows\\SYSTEM32\\MSBLAST.EXE", kReadOnly);
    rig.w().ScanSystem(true);
    EXPECT_EQ(rig.Status(),
              "System scanned; W32.Blaster.Worm + W32.Blaster.Worm.D WAS FOUND ON YOUR PC!");
}

TEST(ScanSystem, SoundsInfectedWhateverTheArgumentAllClearOnlyWhenAskedNoneWhenOff) {
    // {sounds on, infected, all-clear argument, sounds played}
    const std::tuple<bool, bool, bool, std::vector<std::string>> cases[] = {
        {true, true, false, {"Infected.wav"}},
        {true, false, true, {"NotInfected.wav"}},
        {true, false, false, {}},
        {false, true, true, {}}};
    for (const auto& [on, infected, allClear, played] : cases) {
        WormRig rig;
        rig.state().soundEnabled = on;
        if (infected) {
            rig.Infect("msblast.exe");
        }
        rig.w().ScanSystem(allClear);
        EXPECT_EQ(rig.Played(), played) << on << infected << allClear;
    }
    // The rescan button asks for the all-clear sound.
    WormRig rig;
    rig.state().soundEnabled = true;
    rig.w().cmdScan.UserClick();
    EXPECT_EQ(rig.Played(), std::vector<std::string>{"NotInfected.wav"});
}

}  // namespace
}  // namespace sentrel::test

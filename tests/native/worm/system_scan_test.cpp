#include <gtest/gtest.h>

#include "worm/exposure.h"
#include "worm_rig.h"

namespace sentrel::test {
namespace {

constexpr const char* kFirstThree = "msblast.exe / penis32.exe / teekids.exe";

struct ScanRow {
    Texts present;
    std::string names;
    std::string processes = kFirstThree;  // named in the explanation
};

// Rows of the decision table, and the later variants, with the worm name list they give.
const ScanRow kInfectedRows[] = {
    {{"msblast.exe"}, "W32.Blaster.Worm"},
    {{"penis32.exe", "teekids.exe"}, " + W32.Blaster.Worm.B + W32.Blaster.Worm.C"},
    {{"mslaugh.exe"}, " + W32.Blaster.Worm.E", std::string(kFirstThree) + " / mslaugh.exe"},
    {{"enbiei.exe", "msblast.exe", "mspatch.exe"},
     "W32.Blaster.Worm + W32.Blaster.Worm.D + W32.Blaster.Worm.F",
     std::string(kFirstThree) + " / mspatch.exe / enbiei.exe"}};

TEST(ScanSystem, EveryInfectedRowPutsItsNameListIntoTheThreeTexts) {
    for (const ScanRow& row : kInfectedRows) {
        WormRig rig;
        for (const std::string& file : row.present) {
            rig.Infect(file);
        }
        rig.w().ScanSystem(true);
        const std::string info = rig.w().labScanInfo.Caption();
        EXPECT_TRUE(info.starts_with("Your system seems to have the " + row.names + " worm(s) ") &&
                    info.find("find the " + row.processes + " process(es)") != std::string::npos)
            << info;
        EXPECT_EQ(rig.LogTexts().back(), "System was scanned, and " + row.names + " found!");
        EXPECT_EQ(rig.Status(), "System scanned; " + row.names + " WAS FOUND ON YOUR PC!");
    }
}

TEST(ScanSystem, EachSignOfARunningWormIsARedLineAndAnEntryOfTheList) {
    WormRig rig;
    rig.wormMutex.heldElsewhere = true;
    rig.processes.processes = {{4, "System"}, {1234, "svchost.exe"}};
    rig.sockets.tcp = {{135, 4}, {4444, 1234}, {4444, 1234}};
    rig.sockets.udp = {{69, 0}, {137, 4}};
    rig.w().ScanSystem(true);
    EXPECT_EQ(
        rig.LogTexts(),
        (Texts{"A running program holds the mutex BILLY, as the MSBlast worm does.",
               "svchost.exe (process 1234) listens on TCP port 4444, as the MSBlast worm does.",
               "A program uses UDP port 69, as the MSBlast worm does; its process is not known.",
               "System was scanned, and  + a program holding the mutex BILLY + svchost.exe "
               "(process 1234) on TCP port 4444 + a program on UDP port 69 found!"}));
    EXPECT_EQ(std::pair(rig.LogColour(1), rig.w().cmdCleanSystem.Enabled()),
              std::pair(std::optional<Colour>(Rgb(255, 0, 0)), true));
}

TEST(ScanSystem, TheVerdictFillsTheDetectPageAndOnlyAnInfectedOneBringsItToTheFront) {
    WormRig rig;
    WMain& w = rig.w();
    w.cmdCleanSystem.SetEnabled(true);
    const std::size_t frontBefore = w.fraContainer.FrontIndex();
    rig.clock.now = {9, 5, 3};
    w.ScanSystem(true);
    EXPECT_EQ(std::tuple(w.labScanTitle.Caption(), w.labScanTitle.ForeColor(),
                         w.imgScan.FrontIndex(), w.imgScan[0].Visible(), w.imgScan[1].Visible()),
              std::tuple("Your system appears to be clean!", Rgb(0, 150, 0), 1U, false, true));
    EXPECT_EQ(w.labScanInfo.Caption(),
              "Your system has been scanned and it seems that the MSBlast worm and its variants "
              "are not present. Everything is okay.");
    EXPECT_EQ(std::pair(w.cmdCleanSystem.Enabled(), w.fraContainer.FrontIndex()),
              std::pair(false, frontBefore));
    EXPECT_EQ(rig.LogTexts(), Texts{"System was scanned, and no worm was found."});
    EXPECT_FALSE(rig.LogColour(0).has_value());
    EXPECT_EQ(rig.Status(), "System scanned at 09:05:03; no worm found.");

    rig.Infect("teekids.exe");
    w.ScanSystem(false);
    EXPECT_EQ(std::tuple(w.labScanTitle.Caption(), w.labScanTitle.ForeColor(),
                         w.imgScan.FrontIndex(), w.imgScan[0].Visible(), w.imgScan[1].Visible()),
              std::tuple("Your system appears to be infected!", Rgb(255, 0, 0), 0U, true, false));
    EXPECT_EQ(
        std::tuple(w.cmdCleanSystem.Enabled(), w.fraContainer[w.fraContainer.FrontIndex()].Tag(),
                   w.tbrMain.Button(2).pressed),
        std::tuple(true, "_detect", true));
    EXPECT_EQ(rig.LogColour(1), Rgb(255, 0, 0));
}

TEST(ScanSystem, LooksInSysWow64OnlyWhereItExists) {
    WormRig rig;
    rig.files.AddFile(kSysWow64 + "mspatch.exe");
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
    const std::tuple<bool, bool, bool, Texts> cases[] = {{true, true, false, {"Infected.wav"}},
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
    rig.w().cmdScan.UserClick();
    EXPECT_EQ(rig.Played(), Texts{"NotInfected.wav"});
}

TEST(DecideExposure, EachSystemsFixVersionOrServicePackAndThenTheDcomSwitchDecide) {
    using V = FileVersion;
    const std::optional<FileVersion> none;
    const std::tuple<SystemVersion, std::optional<FileVersion>, std::string, Exposure> rows[] = {
        {{5, 0, 2}, V{5, 0, 2195, 6752}, "N", Exposure::Exposed},  // DCOM off counts from SP3
        {{5, 0, 3}, V{5, 0, 2195, 6752}, "n", Exposure::Workaround},
        {{5, 0, 4}, V{5, 0, 2195, 6753}, "Y", Exposure::Fixed},
        {{5, 1, 0}, V{5, 1, 2600, 108}, "No", Exposure::Exposed},
        {{5, 1, 0}, V{5, 1, 2600, 109}, "N", Exposure::Fixed},
        {{5, 1, 1}, V{5, 1, 2600, 1229}, "Y", Exposure::Exposed},
        {{5, 1, 1}, V{5, 1, 2600, 1230}, "", Exposure::Fixed},
        {{5, 1, 2}, none, "", Exposure::Fixed},
        {{5, 2, 0}, V{5, 2, 3790, 58}, "N", Exposure::Workaround},
        {{5, 2, 0}, V{5, 2, 3790, 59}, "", Exposure::Fixed},
        {{5, 2, 1}, none, "", Exposure::Fixed},
        {{6, 0, 0}, none, "", Exposure::Fixed},
        {{5, 1, 1}, none, "N", Exposure::Unknown},
        {{4, 0, 6}, V{4, 0, 1381, 7219}, "", Exposure::Unknown}};
    for (const auto& [system, rpcrt4, dcom, expected] : rows) {
        EXPECT_EQ(ExposureName(DecideExposure(system, rpcrt4, dcom).exposure),
                  std::string(ExposureName(expected)))
            << system.major << "." << system.minor << " SP" << system.servicePack << " " << dcom;
    }
    FakeSystemFacts facts;
    facts.system = {5, 1, 1};
    facts.rpcrt4 = {none, "Access is denied."};
    EXPECT_EQ(CheckExposure(facts).result.why,
              "the version of rpcrt4.dll could not be read: Access is denied.");
}

TEST(ScanSystem, AnExposedPcIsARedLineAndDcomOffADefaultOneOncePerRunAndResult) {
    WormRig rig;
    rig.systemFacts.system = {5, 1, 1};
    rig.systemFacts.rpcrt4.version = FileVersion{5, 1, 2600, 1229};
    rig.w().ScanSystem(true);
    rig.w().ScanSystem(true);
    rig.systemFacts.enableDcom = "N";
    rig.w().ScanSystem(true);
    rig.systemFacts.enableDcom = "Y";
    rig.w().chkImmunise.SetValue(1);
    rig.w().ScanSystem(true);
    rig.systemFacts.rpcrt4.version.reset();
    rig.w().ScanSystem(true);
    const std::string s = "System was scanned, and no worm was found.";
    const std::string until = " Until then, Immunise keeps a new copy of the worm from starting.";
    const std::string off =
        "DCOM is turned off, which keeps the worm out until Microsoft's fix is installed.";
    EXPECT_EQ(rig.LogTexts(), (Texts{s, kExposedText + until, s, s, off, s, kExposedText, s}));
    EXPECT_EQ(std::tuple(rig.LogColour(1), rig.LogColour(4)),
              std::tuple(Rgb(255, 0, 0), std::nullopt));
}

}  // namespace
}  // namespace sentrel::test

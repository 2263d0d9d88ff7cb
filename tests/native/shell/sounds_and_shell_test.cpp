#include <gtest/gtest.h>

#include "app/web_addresses.h"
#include "fakes/rig.h"
#include "shell/sounds.h"

namespace sentrel::test {
namespace {

TEST(SoundPaths, AreBesideTheProgramInDataFromADriveRootOrAShareToo) {
    const SoundPaths tools = BuildSoundPaths("C:\\Tools");
    EXPECT_EQ(tools.appPath, "C:\\Tools\\");
    EXPECT_EQ(tools.probe, "C:\\Tools\\Data\\Probe.wav");
    EXPECT_EQ(tools.disinfected, "C:\\Tools\\Data\\Disinfected.wav");
    const SoundPaths root = BuildSoundPaths("C:\\");
    EXPECT_EQ(root.appPath, "C:\\");
    EXPECT_EQ(root.infected, "C:\\Data\\Infected.wav");
    EXPECT_EQ(root.notInfected, "C:\\Data\\NotInfected.wav");
    EXPECT_EQ(BuildSoundPaths("\\\\server\\share\\Tools").probe,
              "\\\\server\\share\\Tools\\Data\\Probe.wav");
}

TEST(SoundSwitch, IsLatchedAtStartFromPlaySfx) {
    for (const auto& [stored, expected] : {std::pair{"1", true}, std::pair{"0", false}}) {
        Rig rig;
        rig.Store("Startup Notice", "1");
        rig.Store("Play SFX", stored);
        rig.w().Form_Load();
        rig.w().chkPlaySFX.UserClick();
        EXPECT_EQ(rig.w().state.soundEnabled, expected);
        rig.socket.Connect("10.0.0.5");
        EXPECT_EQ(rig.sound.played.size(), expected ? 1U : 0U) << stored;
    }
}

TEST(ShellExe, PicturesAndLinksOpenTheirPagesAndAFailureShowsOneBox) {
    Rig rig;
    rig.w().imgDonate.RaiseClick();
    ASSERT_EQ(rig.shell.opened.size(), 1U);
    const ShellOpenRequest& donate = rig.shell.opened[0];
    EXPECT_EQ(std::tie(donate.file, donate.parameters, donate.directory),
              std::tuple(kDonationUrl, "", ""));
    EXPECT_EQ(std::tuple(donate.ownerWindow, donate.showCommand), std::tuple(0U, 1));
    rig.w().lnkBlog.UserClick();
    EXPECT_EQ(rig.shell.opened.back().file, kHomePageUrl);
    EXPECT_TRUE(rig.dialogs.messages.empty());
    rig.shell.succeed = false;
    rig.w().lnkQel.UserClick();
    EXPECT_EQ(rig.shell.opened.back().file, kAuthorUrl);
    EXPECT_EQ(
        rig.dialogs.messages,
        (std::vector<ShownMessage>{{"An unexpected error occured:\r\n    Maybe file doesn't exist?",
                                    kMsgCritical, "ShellExe()"}}));
}

}  // namespace
}  // namespace sentrel::test

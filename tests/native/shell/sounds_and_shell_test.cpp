#include <gtest/gtest.h>

#include "app/web_addresses.h"
#include "fakes/rig.h"
#include "shell/shell_exe.h"
#include "shell/sounds.h"

namespace sentrel::test {
namespace {

TEST(SoundPaths, AreBesideTheProgramInData) {
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
        EXPECT_FALSE(rig.w().state.soundEnabled);
        rig.w().Form_Load();
        EXPECT_EQ(rig.w().state.soundEnabled, expected);
        rig.w().chkPlaySFX.UserClick();
        EXPECT_EQ(rig.w().state.soundEnabled, expected);
    }
}

TEST(ShellExe, OpensWithTheGivenRequestAndAFailureShowsOneBox) {
    FakeShellOpener opener;
    FakeDialogs dialogs;
    ShellExe(opener, dialogs, "C:\\x.txt", "", 0, 1, "C:\\");
    ASSERT_EQ(opener.opened.size(), 1U);
    EXPECT_EQ(opener.opened[0].file, "C:\\x.txt");
    EXPECT_EQ(opener.opened[0].directory, "C:\\");
    EXPECT_EQ(opener.opened[0].showCommand, 1);
    EXPECT_TRUE(dialogs.messages.empty());
    opener.succeed = false;
    ShellExe(opener, dialogs, "nowhere:", "", 0, 1, "");
    EXPECT_EQ(
        dialogs.messages,
        (std::vector<ShownMessage>{{"An unexpected error occured:\r\n    Maybe file doesn't exist?",
                                    kMsgCritical, "ShellExe()"}}));
}

TEST(ShellExe, TheDonationPictureOpensTheDonationPage) {
    Rig rig;
    rig.w().imgDonate.RaiseClick();
    ASSERT_EQ(rig.shell.opened.size(), 1U);
    EXPECT_EQ(rig.shell.opened[0].file, kDonationUrl);
    EXPECT_EQ(rig.shell.opened[0].parameters, "");
    EXPECT_EQ(rig.shell.opened[0].ownerWindow, 0U);
    EXPECT_EQ(rig.shell.opened[0].showCommand, 1);
}

TEST(ShellExe, TheAboutPagesLinksOpenThroughItAndItsFailureBox) {
    Rig rig;
    rig.w().lnkBlog.UserClick();
    ASSERT_EQ(rig.shell.opened.size(), 1U);
    EXPECT_EQ(rig.shell.opened[0].file, kHomePageUrl);
    EXPECT_TRUE(rig.dialogs.messages.empty());
    rig.shell.succeed = false;
    rig.w().lnkQel.UserClick();
    EXPECT_EQ(rig.shell.opened.back().file, kAuthorUrl);
    ASSERT_EQ(rig.dialogs.messages.size(), 1U);
    EXPECT_EQ(rig.dialogs.messages[0].title, "ShellExe()");
}

}  // namespace
}  // namespace sentrel::test

#include <gtest/gtest.h>

#include "base/web_addresses.h"
#include "fakes/rig.h"
#include "shell/sounds.h"
#include "shell/tray.h"

namespace sentrel::test {
namespace {

std::u16string TipText(const TrayIconData& record) {
    return std::u16string(record.szTip.data());
}

struct Started : StartedRig {
    TrayMessage Last() const { return tray.calls.back().first; }
};

TEST(TrayRecord, TipIsNulTerminatedBlankFilledAndCutInsideTheRecordOnACharacterBoundary) {
    const auto tip = MakeTrayTip("ab");
    EXPECT_EQ(std::u16string(tip.begin() + 2, tip.end()),
              u'\0' + std::u16string(tip.size() - 3, u' '));
    const std::pair<std::string, std::u16string> cases[] = {
        // 62 letters, then a character outside the basic plane (two UTF-16 units).
        {std::string(62, 'x') + "\xF0\x9F\x98\x80" + "yy", std::u16string(62, u'x')},
        {"\xC3\xA9t\xC3\xA9 a\xFF\xED\xA0\x80", u"\u00E9t\u00E9 a\uFFFD\uFFFD\uFFFD\uFFFD"}};
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(std::u16string(MakeTrayTip(text).data()), shown) << text;
    }
}

TEST(WindowBehaviour, MinimisingGoesToTheTrayOnlyWithTheOptionAndAClickOnTheIconBringsItBack) {
    Started without;
    without.w().chkMinimiseToTray.UserClick();
    without.w().wMain.WindowStateChangedByUser(WindowState::Minimised);
    EXPECT_TRUE(without.tray.calls.empty() && without.w().wMain.Visible());

    Started rig;
    // Restored or a restarted shell while not in the tray: no icon to remove or to add again.
    rig.w().wMain.WindowStateChangedByUser(WindowState::Normal);
    rig.w().wMain.TaskbarCreated();
    rig.socket.Connect("10.0.0.5");
    rig.w().wMain.WindowStateChangedByUser(WindowState::Minimised);
    EXPECT_FALSE(rig.w().wMain.Visible());
    rig.w().wMain.TaskbarCreated();
    ASSERT_EQ(rig.tray.calls.size(), 2U);
    for (const auto& [message, record] : rig.tray.calls) {
        // The icon calls back with WM_APP + 1, never with a message of its own, WM_MOUSEMOVE.
        EXPECT_EQ(std::tuple(message, TipText(record), record.hIcon, record.uCallbackMessage),
                  std::tuple(TrayMessage::Add, u"Sentrel v1.20 - [1 probes]", 0x5678U, 0x8001U));
    }
    rig.socket.Connect("10.0.0.5");  // the tip follows the count
    EXPECT_EQ(std::pair(rig.Last(), TipText(rig.tray.calls.back().second)),
              std::pair(TrayMessage::Modify, std::u16string(u"Sentrel v1.20 - [2 probes]")));
    // Other mouse messages are ignored; a left click restores in front.
    for (int message : {0x200, 0x201, 0x203, 0x204, 0x206, 514 * 15}) {
        rig.w().wMain.TrayCallback(message);
    }
    EXPECT_EQ(rig.tray.calls.size(), 3U);
    const unsigned raised = rig.w().wMain.ZOrderRequests();
    rig.w().wMain.TrayCallback(0x202);
    EXPECT_GT(rig.w().wMain.ZOrderRequests(), raised);
    EXPECT_EQ(std::tuple(rig.w().wMain.GetWindowState(), rig.w().wMain.Visible(), rig.Last(),
                         rig.w().imgSystray.Tag()),
              std::tuple(WindowState::Normal, true, TrayMessage::Delete, ""));
    // A left click on the normal window sends it to the tray.
    rig.w().wMain.TrayCallback(0x202);
    EXPECT_EQ(std::pair(rig.w().wMain.GetWindowState(), rig.Last()),
              std::pair(WindowState::Minimised, TrayMessage::Add));
    // A right click shows a box, the window still hidden, then restores.
    bool hiddenWhileOpen = false;
    rig.dialogs.whileOpen = [&] { hiddenWhileOpen = !rig.w().wMain.Visible(); };
    rig.w().wMain.TrayCallback(0x205);
    EXPECT_EQ(rig.dialogs.messages,
              (Messages{{"Context menu? Here? At this time of the day? Well I never..!",
                         kMsgExclamation, "Sentrel, Baby!"}}));
    EXPECT_TRUE(hiddenWhileOpen && rig.w().wMain.Visible());
    EXPECT_EQ(rig.Last(), TrayMessage::Delete);
}

TEST(WindowBehaviour, AlwaysOnTopAtStartBeforeShowingAndAtEveryClick) {
    Rig rig;
    bool topmostBeforeShown = false;
    rig.w().wMain.SetObserver([&] {
        topmostBeforeShown =
            topmostBeforeShown || (rig.w().wMain.Topmost() && !rig.w().wMain.Visible());
    });
    rig.Start({{"Always On Top", "1"}});
    EXPECT_TRUE(rig.w().wMain.Topmost() && !topmostBeforeShown);
    rig.w().chkAlwaysOnTop.UserClick();
    EXPECT_FALSE(rig.w().wMain.Topmost());
}

TEST(SoundPaths, AreBesideTheProgramInDataFromADriveRootOrAShareToo) {
    const SoundPaths root = BuildSoundPaths("C:\\");
    EXPECT_EQ(std::tie(root.appPath, root.probe, root.infected, root.notInfected, root.disinfected),
              std::tuple("C:\\", "C:\\Data\\Probe.wav", "C:\\Data\\Infected.wav",
                         "C:\\Data\\NotInfected.wav", "C:\\Data\\Disinfected.wav"));
    EXPECT_EQ(BuildSoundPaths("\\\\server\\share\\Tools").probe,
              "\\\\server\\share\\Tools\\Data\\Probe.wav");
}

std::string Le32(std::uint32_t n) {
    return {static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16),
            static_cast<char>(n >> 24)};
}

// A chunk's id and size; the data chunk's bytes themselves are never read.
std::string Chunk(const std::string& id, std::uint32_t size, const std::string& body = {}) {
    return id + Le32(size) + body + (size % 2 != 0 && !body.empty() ? std::string(1, '\0') : "");
}

// The player does not restart a sound still playing: how long it plays comes from the header.
TEST(WaveLength, IsTheDataChunkOverTheByteRatePastOtherChunks) {
    // 22,050 samples a second of 16-bit mono: 44,100 bytes a second.
    const std::string format = Chunk("fmt ", 16,
                                     std::string("\1\0\1\0", 4) + Le32(22050) + Le32(44100) + "\2" +
                                         std::string(1, '\0') + "\x10" + std::string(1, '\0'));
    const std::string riff = "RIFF" + Le32(0) + "WAVE";
    EXPECT_EQ(WaveLengthMs(riff + format + Chunk("data", 11466)), 260U);
    EXPECT_EQ(WaveLengthMs(riff + Chunk("LIST", 3, "abc") + format + Chunk("data", 44100)), 1000U);
    EXPECT_EQ(WaveLengthMs(riff + Chunk("data", 44100) + format), std::nullopt);
    EXPECT_EQ(WaveLengthMs("RIFX" + riff.substr(4) + format + Chunk("data", 1)), std::nullopt);
    EXPECT_EQ(WaveLengthMs((riff + format).substr(0, 30)), std::nullopt);
}

TEST(ShellExe, PicturesAndLinksOpenTheirPagesAndAFailureShowsOneBox) {
    Rig rig;
    rig.w().imgDonate.RaiseClick();
    ASSERT_EQ(rig.shell.opened.size(), 1U);
    const ShellOpenRequest& donate = rig.shell.opened[0];
    EXPECT_EQ(std::tie(donate.file, donate.parameters, donate.directory, donate.ownerWindow,
                       donate.showCommand),
              std::tuple(kDonationUrl, "", "", 0U, 1));
    rig.w().lnkBlog.UserClick();
    EXPECT_TRUE(rig.shell.opened.back().file == kHomePageUrl && rig.dialogs.messages.empty());
    rig.shell.succeed = false;
    rig.w().lnkQel.UserClick();
    EXPECT_EQ(rig.shell.opened.back().file, kAuthorUrl);
    EXPECT_EQ(rig.dialogs.messages,
              (Messages{{"An unexpected error occured:\r\n    Maybe file doesn't exist?",
                         kMsgCritical, "ShellExe()"}}));
}

}  // namespace
}  // namespace sentrel::test

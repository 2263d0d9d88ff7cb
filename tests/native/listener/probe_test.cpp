#include <gtest/gtest.h>

#include "fakes/rig.h"
#include "listener/probe_record.h"

namespace sentrel::test {
namespace {

// The window after start-up, with the hint already shown once and sounds on.
struct Started : Rig {
    Started() {
        Store("Startup Notice", "1");
        w().Form_Load();
    }
    std::string Counter() const { return window->stbStatus.Panel("_counter").text; }
};

TEST(Probe, IsCountedLoggedListedAnsweredAndKeepsTheListener) {
    Started rig;
    const int closes = rig.socket.closes;
    const int listens = rig.socket.listens;
    rig.socket.Connect("10.0.0.5");
    EXPECT_EQ(rig.Counter(), "1 probes");
    ASSERT_EQ(rig.LogTexts().back(), "Probed by 10.0.0.5; replying with message.");
    const ListItem& entry = rig.w().lvwLog.Item(rig.w().lvwLog.Count() - 1);
    EXPECT_EQ(entry.subItems.at(1).text, "1");
    EXPECT_EQ(entry.subItems.at(0).foreColour, kLogProbeColour);
    EXPECT_EQ(rig.w().state.ipList, std::vector<std::string>{"10.0.0.5"});
    ASSERT_EQ(rig.launcher.commandLines.size(), 1U);
    EXPECT_EQ(rig.launcher.programs[0], "net.exe");
    EXPECT_EQ(rig.launcher.commandLines[0],
              "NET SEND 10.0.0.5 " + rig.w().state.composedReturnMessage);
    EXPECT_EQ(rig.Status(), "Connection attempted by 10.0.0.5; return message sent.");
    EXPECT_EQ(rig.sound.played, std::vector<std::string>{"C:\\Tools\\Data\\Probe.wav"});
    // Closing and re-listening would drop the attempts waiting in the backlog.
    rig.socket.Connect("10.0.0.6");
    EXPECT_EQ(rig.socket.closes, closes);
    EXPECT_EQ(rig.socket.listens, listens);
    EXPECT_TRUE(rig.socket.listening);
}

TEST(Probe, RepeatsRaiseTheHitCountAndTheListKeepsFirstSeenOrderWithoutEmpties) {
    Started rig;
    EXPECT_TRUE(rig.w().state.ipList.empty());
    const std::size_t before = rig.w().lvwLog.Count();
    for (const char* ip : {"10.0.0.5", "", "10.0.0.50", "10.0.0.5"}) {
        rig.socket.Connect(ip);
    }
    EXPECT_EQ(rig.Counter(), "4 probes");
    EXPECT_EQ(rig.w().lvwLog.Count(), before + 3);
    EXPECT_EQ(rig.w().lvwLog.Item(before).subItems.at(1).text, "2");
    EXPECT_EQ(rig.w().state.ipList, (std::vector<std::string>{"10.0.0.5", "10.0.0.50"}));
    EXPECT_EQ(rig.launcher.commandLines.size(), 4U);
    // Clearing the log keeps the list.
    rig.w().mCONTEXT.Find("mCLEARLOG")->Click();
    rig.socket.Connect("10.0.0.5");
    EXPECT_EQ(rig.w().state.ipList.size(), 2U);
}

TEST(Probe, CounterGroupsWithTheSystemsSeparator) {
    const std::tuple<std::int64_t, const char*, const char*> cases[] = {
        {998, ",", "999 probes"}, {999, ",", "1,000 probes"}, {1233, ".", "1.234 probes"}};
    for (const auto& [before, separator, shown] : cases) {
        Started rig;
        rig.locale.thousands = separator;
        rig.w().state.probeCount = before;
        rig.socket.Connect("10.0.0.5");
        EXPECT_EQ(rig.Counter(), shown) << before << " " << separator;
    }
}

TEST(Probe, ANewPortTakesEffectAtTheNextProbeAndAFailedRestartIsOverwritten) {
    Started rig;
    rig.w().txtSocketPort.UserChangedText("10001");
    EXPECT_EQ(rig.socket.port, 10000);
    rig.socket.Connect("10.0.0.5");
    EXPECT_EQ(rig.socket.port, 10001);
    EXPECT_TRUE(rig.socket.listening);

    rig.w().txtSocketPort.UserChangedText("135");
    rig.socket.portsInUse.insert(135);
    rig.socket.Connect("10.0.0.5");
    ASSERT_EQ(rig.dialogs.messages.size(), 1U);
    EXPECT_EQ(rig.LogTexts().back(), "Couldn't start listening on port 135. Listening aborted.");
    EXPECT_FALSE(rig.socket.listening);
    EXPECT_EQ(rig.Status(), "Connection attempted by 10.0.0.5; return message sent.");
}

TEST(Probe, TrayTipFollowsTheCountOnlyWhileMinimised) {
    Started rig;
    rig.socket.Connect("10.0.0.5");
    EXPECT_TRUE(rig.tray.calls.empty());
    rig.w().wMain.SetWindowState(WindowState::Minimised);
    rig.socket.Connect("10.0.0.5");
    ASSERT_EQ(rig.tray.calls.size(), 2U);  // the add, then the modify
    EXPECT_EQ(rig.tray.calls[1].first, TrayMessage::Modify);
    const std::u16string tip(rig.tray.calls[1].second.szTip.data());
    EXPECT_EQ(tip, u"Sentrel v1.20 - [2 probes]");
}

TEST(Probe, SocketErrorLogsOneLineAndDoesNotRestart) {
    Started rig;
    rig.socket.listening = false;
    const int listens = rig.socket.listens;
    rig.socket.Error(10053, "An established connection was aborted");
    EXPECT_EQ(rig.LogTexts().back(), "SocketError: An established connection was aborted.");
    EXPECT_EQ(rig.socket.listens, listens);
}

}  // namespace
}  // namespace sentrel::test

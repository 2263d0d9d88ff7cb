#include <gtest/gtest.h>

#include <algorithm>

#include "base/web_addresses.h"
#include "fakes/rig.h"
#include "listener/return_message.h"

namespace sentrel::test {
namespace {

TEST(StartListening, ListensOnTheStoredPortAndKeepsTheListenerWhileThePortStays) {
    Rig rig;
    // Without the start-up scan, whose status would replace the listener's.
    rig.Start({{"Socket Port", "4444"}, {"Scan At Startup", "0"}});
    EXPECT_EQ(std::pair(rig.socket.listening, rig.socket.port), std::pair(true, 4444));
    EXPECT_EQ(rig.Status(), "Waiting for incoming connections...");
    // A typed port is used from the next probe on: until then the listener stays where it is.
    rig.w().txtSocketPort.UserChangedText("1");
    rig.w().txtSocketPort.UserChangedText("4444");
    rig.w().SetStatusText("x");
    rig.w().StartListening();
    EXPECT_EQ(rig.socket.listens, 1);
    EXPECT_EQ(rig.Status(), "Waiting for incoming connections...");
    rig.w().txtSocketPort.UserChangedText("10001");
    rig.socket.Connect("10.0.0.5");
    EXPECT_EQ(std::pair(rig.socket.listening, rig.socket.port), std::pair(true, 10001));
    // A failed restart is reported, and its status overwritten by the probe's.
    rig.w().txtSocketPort.UserChangedText("135");
    rig.socket.portsInUse.insert(135);
    rig.socket.Connect("10.0.0.5");
    EXPECT_EQ(rig.LogTexts().back(), "Couldn't start listening on port 135. Listening aborted.");
    EXPECT_FALSE(rig.socket.listening);
    EXPECT_EQ(rig.Status(), "Connection attempted by 10.0.0.5; return message sent.");
    // A closed listener is opened again.
    rig.w().StartListening();
    EXPECT_EQ(rig.socket.listens, 4);
}

TEST(StartListening, FailurePathReportsTheTypedText) {
    // {stored port text, port held by another program, listen attempts}
    const std::tuple<std::string, int, int> cases[] = {
        {"010000", 10000, 1}, {"0", 0, 0}, {"", 0, 0}, {"65536", 0, 0}};
    for (const auto& [port, inUse, listens] : cases) {
        Rig rig;
        rig.socket.portsInUse.insert(inUse);
        rig.Start({{"Socket Port", port}, {"Scan At Startup", "0"}});
        EXPECT_EQ(rig.dialogs.messages,
                  (Messages{{"Port " + port +
                                 " is already being used by another program, quite \r\npossibly "
                                 "another instance of Sentrel.",
                             kMsgCritical, ""}}));
        EXPECT_EQ(std::ranges::count(rig.LogTexts(), "Couldn't start listening on port " + port +
                                                         ". Listening aborted."),
                  1);
        EXPECT_EQ(rig.Status(),
                  "Port " + port + " is currently in-use by another application. Not listening.");
        EXPECT_EQ(std::pair(rig.socket.listening, rig.socket.listens), std::pair(false, listens))
            << port;
    }
}

TEST(Probe, IsCountedLoggedListedAnsweredAndKeepsTheListenerAsASocketErrorDoes) {
    StartedRig rig;
    rig.w().chkPlaySFX.UserClick();  // the sound switch takes effect at the next start
    rig.socket.Connect("10.0.0.5");
    EXPECT_EQ(rig.Counter(), "1 probes");
    ASSERT_EQ(rig.LogTexts().back(), "Probed by 10.0.0.5; replying with message.");
    const ListItem& entry = rig.w().lvwLog.Item(rig.w().lvwLog.Count() - 1);
    EXPECT_EQ(std::tie(entry.subItems.at(1).text, entry.subItems.at(0).foreColour),
              std::tuple("1", kLogProbeColour));
    EXPECT_EQ(std::tie(rig.launcher.programs, rig.launcher.commandLines),
              std::tuple(Texts{"net.exe"},
                         Texts{"NET SEND 10.0.0.5 " + rig.w().state.composedReturnMessage}));
    EXPECT_EQ(rig.Status(), "Connection attempted by 10.0.0.5; return message sent.");
    EXPECT_EQ(rig.sound.played, Texts{"C:\\Tools\\Data\\Probe.wav"});
    // Repeats raise the hit count; the list keeps first-seen order without empty addresses.
    for (const char* ip : {"", "10.0.0.50", "10.0.0.5"}) {
        rig.socket.Connect(ip);
    }
    EXPECT_EQ(std::tuple(rig.Counter(), entry.subItems.at(1).text), std::tuple("4 probes", "2"));
    EXPECT_EQ(rig.w().state.ipList, (Texts{"10.0.0.5", "10.0.0.50"}));
    EXPECT_EQ(rig.launcher.commandLines.size(), 4U);
    // Closing and re-listening would drop the attempts waiting in the backlog: the one close and
    // the one listen are the start's.
    EXPECT_EQ(std::pair(rig.socket.closes, rig.socket.listens), std::pair(1, 1));
    // Clearing the log keeps the list.
    rig.w().mContext.Find("mCLEARLOG")->Click();
    rig.socket.Connect("10.0.0.5");
    EXPECT_EQ(rig.w().state.ipList.size(), 2U);
    // A socket error is one line in the list's own colour, and the listener is not restarted.
    rig.socket.listening = false;
    rig.socket.Error(10053, "An established connection was aborted");
    EXPECT_EQ(rig.LogTexts().back(), "SocketError: An established connection was aborted.");
    EXPECT_FALSE(rig.w().lvwLog.Item(rig.w().lvwLog.Count() - 1).cell.foreColour.has_value());
    EXPECT_EQ(rig.socket.listens, 1);
}

TEST(ReturnMessage, IsComposedAtEveryChangeTestedWithoutFooterAndResetToTheDefault) {
    StartedRig rig;
    rig.w().txtReturnMessage.UserChangedText("Hello||World");
    EXPECT_EQ(rig.w().state.composedReturnMessage,
              std::string("Hello\r\n\r\nWorld\r\n\r\n Message sent with Sentrel v1.20 by ") +
                  kHomePageUrl);
    // The test button sends it to this machine, without the footer and without counting.
    rig.w().cmdTestMsg.UserClick();
    EXPECT_EQ(rig.launcher.commandLines, Texts{"NET SEND 127.0.0.1 Hello\r\n\r\nWorld"});
    EXPECT_EQ(rig.Status(), "Test message has been sent to your own machine.");
    EXPECT_EQ(rig.Counter(), "0 probes");
    rig.w().txtSocketPort.UserChangedText("2000");
    rig.w().cmdResetToDefaultMsg.UserClick();
    rig.w().cmdResetToDefaultPort.UserClick();
    EXPECT_EQ(std::tuple(rig.w().txtReturnMessage.Text(), rig.Stored()["Return Message"]),
              std::tuple(DefaultReturnMessage(), DefaultReturnMessage()));
    EXPECT_EQ(rig.w().state.composedReturnMessage,
              ComposeReturnMessage(DefaultReturnMessage(), "Sentrel v1.20"));
    EXPECT_EQ(std::tuple(rig.w().txtSocketPort.Text(), rig.Stored()["Socket Port"]),
              std::tuple("10000", "10000"));
}

TEST(ReplyCap, SixteenRepliesQueuedOrRunningSkipTheNextButNotTheProbe) {
    StartedRig rig;
    for (int i = 1; i <= 16; ++i) {
        rig.socket.Connect("10.0.0." + std::to_string(i));
    }
    rig.socket.Connect("10.0.1.1");
    EXPECT_EQ(std::tuple(rig.launcher.commandLines.size(), rig.Status(), rig.Counter(),
                         rig.LogTexts().back(), rig.w().state.ipList.back(), rig.socket.listening),
              std::tuple(16U, "Connection attempted by 10.0.1.1; reply skipped.", "17 probes",
                         "Probed by 10.0.1.1; replying with message.", "10.0.1.1", true));
    rig.w().cmdTestMsg.UserClick();
    EXPECT_EQ(rig.Status(), "Reply to 127.0.0.1 skipped: too many replies still running.");
    // A reply that ends, however it ended, makes room for the next.
    rig.launcher.EndOldest({false, "The system cannot find the file specified", 0});
    rig.socket.Connect("10.0.1.2");
    EXPECT_EQ(rig.launcher.commandLines.back(),
              "NET SEND 10.0.1.2 " + rig.w().state.composedReturnMessage);
    EXPECT_EQ(rig.Status(), "Connection attempted by 10.0.1.2; return message sent.");
}

TEST(ReplyFailure, IsLoggedInRedOncePerRunAndCauseWhileProbesStillSaySent) {
    StartedRig rig;
    const LaunchOutcome endings[] = {
        {true, {}, 0}, {true, {}, 1},
        {true, {}, 1}, {false, "The system cannot find the file specified", 0},
        {true, {}, 2}, {true, {}, 1}};
    for (const LaunchOutcome& outcome : endings) {
        rig.socket.Connect("10.0.0.5");
        rig.launcher.EndOldest(outcome);
        EXPECT_EQ(rig.Status(), "Connection attempted by 10.0.0.5; return message sent.");
    }
    const std::string failed = "Replies are not being delivered: NET SEND ";
    const Texts log = rig.LogTexts();
    EXPECT_EQ(
        Texts(log.end() - 4, log.end()),
        (Texts{"Probed by 10.0.0.5; replying with message.", failed + "ended with exit code 1.",
               failed + "could not be started: The system cannot find the file specified.",
               failed + "ended with exit code 2."}));
    EXPECT_EQ(rig.w().lvwLog.Item(log.size() - 1).subItems.at(0).foreColour, Rgb(255, 0, 0));
}

}  // namespace
}  // namespace sentrel::test

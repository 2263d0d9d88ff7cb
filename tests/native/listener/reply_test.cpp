#include <gtest/gtest.h>

#include "app/web_addresses.h"
#include "fakes/rig.h"
#include "listener/return_message.h"

namespace sentrel::test {
namespace {

const std::string kFooter =
    std::string("\r\n\r\n Message sent with Sentrel v1.20 by ") + kHomePageUrl;

TEST(ReturnMessage, BarsBecomeLineBreaksAndTheFooterFollows) {
    EXPECT_EQ(ComposeReturnMessage("a|b||c", "Sentrel v1.20"), "a\r\nb\r\n\r\nc" + kFooter);
    EXPECT_EQ(ComposeReturnMessage("", "T"),
              std::string("\r\n\r\n Message sent with T by ") + kHomePageUrl);
}

TEST(TestButton, SendsTheTextWithoutFooterToThisMachine) {
    StartedRig rig;
    rig.w().txtReturnMessage.UserChangedText("a|b");
    rig.w().cmdTestMsg.UserClick();
    EXPECT_EQ(rig.launcher.commandLines, std::vector<std::string>{"NET SEND 127.0.0.1 a\r\nb"});
    EXPECT_EQ(rig.Status(), "Test message has been sent to your own machine.");
    EXPECT_EQ(rig.Counter(), "0 probes");
}

TEST(ReturnMessage, IsComposedAtEveryChangeAndTheResetButtonsPutTheDefaultsBack) {
    StartedRig rig;
    rig.w().txtReturnMessage.UserChangedText("Hello|World");
    EXPECT_EQ(rig.w().state.composedReturnMessage, "Hello\r\nWorld" + kFooter);
    EXPECT_EQ(rig.Stored()["Return Message"], "Hello|World");
    rig.w().txtSocketPort.UserChangedText("2000");
    rig.w().cmdResetToDefaultMsg.UserClick();
    rig.w().ResetToDefaultPort.UserClick();
    EXPECT_EQ(rig.w().txtReturnMessage.Text(), DefaultReturnMessage());
    EXPECT_EQ(rig.w().state.composedReturnMessage,
              ComposeReturnMessage(DefaultReturnMessage(), "Sentrel v1.20"));
    EXPECT_EQ(rig.Stored()["Return Message"], DefaultReturnMessage());
    EXPECT_EQ(rig.w().txtSocketPort.Text(), "10000");
    EXPECT_EQ(rig.Stored()["Socket Port"], "10000");
}

TEST(ReplyCap, SixteenRepliesQueuedOrRunningSkipTheNextButNotTheProbe) {
    StartedRig rig;
    for (int i = 1; i <= 16; ++i) {
        rig.socket.Connect("10.0.0." + std::to_string(i));
    }
    rig.socket.Connect("10.0.1.1");
    EXPECT_EQ(rig.launcher.commandLines.size(), 16U);
    EXPECT_EQ(rig.Counter(), "17 probes");
    EXPECT_EQ(rig.LogTexts().back(), "Probed by 10.0.1.1; replying with message.");
    EXPECT_EQ(rig.w().state.ipList.back(), "10.0.1.1");
    EXPECT_TRUE(rig.socket.listening);
    EXPECT_EQ(rig.Status(), "Connection attempted by 10.0.1.1; reply skipped.");
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
    const std::pair<LaunchOutcome, const char*> endings[] = {
        {{true, {}, 0}, nullptr},
        {{true, {}, 1}, "Replies are not being delivered: NET SEND ended with exit code 1."},
        {{true, {}, 1}, nullptr},
        {{false, "The system cannot find the file specified", 0},
         "Replies are not being delivered: NET SEND could not be started: The system cannot find "
         "the file specified."},
        {{true, {}, 2}, "Replies are not being delivered: NET SEND ended with exit code 2."},
        {{true, {}, 1}, nullptr}};
    for (const auto& [outcome, logged] : endings) {
        rig.socket.Connect("10.0.0.5");
        const std::size_t lines = rig.w().lvwLog.Count();
        rig.launcher.EndOldest(outcome);
        EXPECT_EQ(rig.Status(), "Connection attempted by 10.0.0.5; return message sent.");
        if (logged == nullptr) {
            EXPECT_EQ(rig.w().lvwLog.Count(), lines) << outcome.exitCode;
            continue;
        }
        ASSERT_EQ(rig.w().lvwLog.Count(), lines + 1) << logged;
        const ListItem& entry = rig.w().lvwLog.Item(lines);
        EXPECT_EQ(entry.subItems.at(0).text, logged);
        EXPECT_EQ(entry.subItems.at(0).foreColour, Rgb(255, 0, 0));
    }
}

}  // namespace
}  // namespace sentrel::test

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/rig.h"

namespace sentrel::test {
namespace {

void ExpectFailurePath(Rig& rig, const std::string& portText) {
    ASSERT_EQ(rig.dialogs.messages.size(), 1U);
    EXPECT_EQ(rig.dialogs.messages[0].prompt,
              "Port " + portText +
                  " is already being used by another program, quite \r\npossibly another "
                  "instance of Sentrel.");
    EXPECT_EQ(rig.dialogs.messages[0].style, kMsgCritical);
    EXPECT_EQ(rig.dialogs.messages[0].title, "");
    const auto log = rig.LogTexts();
    EXPECT_EQ(std::count(log.begin(), log.end(),
                         "Couldn't start listening on port " + portText + ". Listening aborted."),
              1);
    EXPECT_EQ(rig.Status(),
              "Port " + portText + " is currently in-use by another application. Not listening.");
    EXPECT_FALSE(rig.socket.listening);
}

TEST(StartListening, ListensOnTheStoredPortAtStart) {
    Rig rig;
    rig.Store("Startup Notice", "1");
    rig.Store("Scan At Startup", "0");  // the scan would write its own status text
    rig.Store("Socket Port", "4444");
    rig.w().Form_Load();
    EXPECT_TRUE(rig.socket.listening);
    EXPECT_EQ(rig.socket.port, 4444);
    EXPECT_EQ(rig.Status(), "Waiting for incoming connections...");
}

TEST(StartListening, APortInUseTakesTheFailurePathWithTheTypedText) {
    Rig rig;
    rig.Store("Startup Notice", "1");
    rig.Store("Scan At Startup", "0");  // the scan would write its own status text
    rig.socket.portsInUse.insert(10000);
    rig.w().Form_Load();
    ExpectFailurePath(rig, "10000");
    EXPECT_EQ(rig.socket.listens, 1);  // no further attempt
}

TEST(StartListening, PortZeroOrAboveTheRangeIsAFailureNotAnyPort) {
    for (const char* text : {"0", "", "65536", "99999"}) {
        Rig rig;
        rig.Store("Startup Notice", "1");
        rig.Store("Scan At Startup", "0");  // the scan would write its own status text
        rig.Store("Socket Port", text);
        rig.w().Form_Load();
        ExpectFailurePath(rig, text);
        EXPECT_EQ(rig.socket.listens, 0) << text;
    }
}

TEST(StartListening, TheTypedTextIsReportedNotTheNumber) {
    Rig rig;
    rig.Store("Startup Notice", "1");
    rig.Store("Scan At Startup", "0");  // the scan would write its own status text
    rig.Store("Socket Port", "010000");
    rig.socket.portsInUse.insert(10000);
    rig.w().Form_Load();
    ExpectFailurePath(rig, "010000");
}

TEST(StartListening, TypingAPortStoresItButKeepsListening) {
    Rig rig;
    rig.Store("Startup Notice", "1");
    rig.Store("Scan At Startup", "0");  // the scan would write its own status text
    rig.w().Form_Load();
    rig.w().txtSocketPort.UserChangedText("1");
    rig.w().txtSocketPort.UserChangedText("12");
    EXPECT_EQ(rig.Stored()["Socket Port"], "12");
    EXPECT_EQ(rig.socket.port, 10000);
    EXPECT_TRUE(rig.socket.listening);
}

TEST(StartListening, ASecondStartOnTheSamePortKeepsTheListener) {
    Rig rig;
    rig.Store("Startup Notice", "1");
    rig.Store("Scan At Startup", "0");  // the scan would write its own status text
    rig.w().Form_Load();
    rig.w().SetStatusText("x");
    rig.w().StartListening();
    EXPECT_EQ(rig.socket.listens, 1);
    EXPECT_EQ(rig.Status(), "Waiting for incoming connections...");
}

TEST(StartListening, AClosedListenerIsOpenedAgain) {
    Rig rig;
    rig.Store("Startup Notice", "1");
    rig.Store("Scan At Startup", "0");  // the scan would write its own status text
    rig.w().Form_Load();
    rig.socket.Close();
    rig.w().StartListening();
    EXPECT_EQ(rig.socket.listens, 2);
    EXPECT_TRUE(rig.socket.listening);
}

}  // namespace
}  // namespace sentrel::test

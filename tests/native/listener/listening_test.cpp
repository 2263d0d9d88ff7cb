#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/rig.h"

namespace sentrel::test {
namespace {

// Starts the window with the hint already seen and no start-up scan (whose status would
// replace the listener's).
void Load(Rig& rig) {
    rig.Store("Startup Notice", "1");
    rig.Store("Scan At Startup", "0");
    rig.w().Form_Load();
}

void ExpectFailurePath(Rig& rig, const std::string& portText) {
    EXPECT_EQ(rig.dialogs.messages,
              (std::vector<ShownMessage>{
                  {"Port " + portText +
                       " is already being used by another program, quite \r\npossibly another "
                       "instance of Sentrel.",
                   kMsgCritical, ""}}));
    const auto log = rig.LogTexts();
    EXPECT_EQ(std::count(log.begin(), log.end(),
                         "Couldn't start listening on port " + portText + ". Listening aborted."),
              1);
    EXPECT_EQ(rig.Status(),
              "Port " + portText + " is currently in-use by another application. Not listening.");
    EXPECT_FALSE(rig.socket.listening);
}

TEST(StartListening, ListensOnTheStoredPortAndKeepsTheListenerWhileThePortStays) {
    Rig rig;
    rig.Store("Socket Port", "4444");
    Load(rig);
    EXPECT_TRUE(rig.socket.listening);
    EXPECT_EQ(rig.socket.port, 4444);
    EXPECT_EQ(rig.Status(), "Waiting for incoming connections...");
    // Typing a port stores it but keeps listening where it was.
    rig.w().txtSocketPort.UserChangedText("1");
    rig.w().txtSocketPort.UserChangedText("4444");
    EXPECT_EQ(rig.Stored()["Socket Port"], "4444");
    rig.w().SetStatusText("x");
    rig.w().StartListening();
    EXPECT_EQ(rig.socket.listens, 1);
    EXPECT_EQ(rig.Status(), "Waiting for incoming connections...");
    // A closed listener is opened again.
    rig.socket.Close();
    rig.w().StartListening();
    EXPECT_EQ(rig.socket.listens, 2);
    EXPECT_TRUE(rig.socket.listening);
}

TEST(StartListening, FailurePathReportsTheTypedText) {
    // {stored port text, port held by another program, listen attempts}
    const std::tuple<const char*, int, int> cases[] = {{"10000", 10000, 1}, {"010000", 10000, 1},
                                                       {"0", 0, 0},         {"", 0, 0},
                                                       {"65536", 0, 0},     {"99999", 0, 0}};
    for (const auto& [text, inUse, listens] : cases) {
        SCOPED_TRACE(text);
        Rig rig;
        rig.Store("Socket Port", text);
        rig.socket.portsInUse.insert(inUse);
        Load(rig);
        ExpectFailurePath(rig, text);
        EXPECT_EQ(rig.socket.listens, listens);
    }
}

}  // namespace
}  // namespace sentrel::test

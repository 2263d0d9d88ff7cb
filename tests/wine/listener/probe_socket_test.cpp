#include <gtest/gtest.h>

#include "wine/listener/listener_rig.h"

namespace sentrel::test {
namespace {

TEST(WinsockListener, ProbesFromTwoAddressesAreHandledAndListeningContinues) {
    const int port = FreePort();
    ListenerRig rig(port);
    ASSERT_TRUE(rig.winsock.Listening());
    EXPECT_EQ(rig.Status(), "Waiting for incoming connections...");

    ASSERT_TRUE(ConnectFrom("127.0.0.1", port));
    ASSERT_TRUE(rig.WaitForProbes(1));
    EXPECT_EQ(rig.winsock.RemoteHostIP(), "127.0.0.1");
    EXPECT_EQ(rig.Counter(), "1 probes");

    ASSERT_TRUE(ConnectFrom("127.0.0.2", port));
    ASSERT_TRUE(rig.WaitForProbes(2));
    EXPECT_EQ(rig.winsock.RemoteHostIP(), "127.0.0.2");

    ASSERT_TRUE(ConnectFrom("127.0.0.2", port));
    ASSERT_TRUE(rig.WaitForProbes(3));
    EXPECT_EQ(rig.Counter(), "3 probes");
    EXPECT_EQ(rig.window->state.ipList, (std::vector<std::string>{"127.0.0.1", "127.0.0.2"}));
    EXPECT_EQ(rig.Status(), "Connection attempted by 127.0.0.2; return message sent.");
    EXPECT_TRUE(rig.winsock.Listening());
    EXPECT_EQ(rig.winsock.LocalPort(), port);
}

TEST(WinsockListener, AttemptsWaitingInTheBacklogAreAllCounted) {
    const int port = FreePort();
    ListenerRig rig(port);
    // Twenty attempts queue up before the window handles the first.
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(ConnectFrom("127.0.0.3", port));
    }
    ASSERT_TRUE(rig.WaitForProbes(20));
    PumpFor(300);
    EXPECT_EQ(rig.window->state.probeCount, 20);
}

TEST(WinsockListener, APortHeldByAnotherSocketTakesTheFailurePath) {
    WinsockSession winsock;
    const int port = FreePort();
    SOCKET holder = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    ASSERT_EQ(bind(holder, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(listen(holder, 1), 0);

    ListenerRig rig(port);
    closesocket(holder);
    EXPECT_FALSE(rig.winsock.Listening());
    ASSERT_EQ(rig.dialogs.messages.size(), 1U);
    EXPECT_EQ(rig.dialogs.messages[0].style, kMsgCritical);
    EXPECT_EQ(rig.Status(), "Port " + std::to_string(port) +
                                " is currently in-use by another application. Not listening.");
}

TEST(WinsockListener, NotificationsLeftByAClosedListenerAreNotProbes) {
    const int port = FreePort();
    ListenerRig rig(port);
    ASSERT_TRUE(ConnectFrom("127.0.0.1", port));
    // Before the notification is handled, the listener is replaced on the same port.
    rig.winsock.Close();
    rig.winsock.Listen();
    PumpFor(500);
    EXPECT_EQ(rig.window->state.probeCount, 0);
    EXPECT_EQ(rig.Counter(), "0 probes");
    // The new listener works.
    ASSERT_TRUE(ConnectFrom("127.0.0.1", port));
    ASSERT_TRUE(rig.WaitForProbes(1));
}

TEST(WinsockListener, RejectsPortsOutsideTheRange) {
    WinsockProbeSocket socket;
    EXPECT_THROW(socket.SetLocalPort(0), SocketError);
    EXPECT_THROW(socket.SetLocalPort(65536), SocketError);
    EXPECT_FALSE(socket.Listening());
}

}  // namespace
}  // namespace sentrel::test

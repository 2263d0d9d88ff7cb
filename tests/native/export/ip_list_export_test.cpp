#include <gtest/gtest.h>

#include "app/web_addresses.h"
#include "fakes/rig.h"

namespace sentrel::test {
namespace {

struct IpListExport : ::testing::Test {
    Rig rig;
    void SetUp() override { rig.w().SetStatusText("Listening."); }
};

TEST_F(IpListExport, AnEmptyListSaysSoWithoutADialogAndCancelWritesNothing) {
    rig.w().mIPs_Click();
    EXPECT_EQ(rig.Status(), "No IPs have yet attempted a connection.");
    EXPECT_TRUE(rig.dialogs.fileRequests.empty());
    rig.w().state.ipList = {"10.0.0.5"};
    rig.w().mIPs_Click();
    EXPECT_TRUE(rig.textFiles.attempts.empty());
    EXPECT_EQ(rig.Status(), "Logging has not been saved.");
}

TEST_F(IpListExport, SavesHeaderRuleEmptyLineAndTheAddressesUnderTheTxtName) {
    rig.w().labTitle.SetCaption("Sentrel v1.21");
    rig.w().state.ipList = {"10.0.0.5", "10.0.0.7"};
    rig.dialogs.filePaths = {"C:\\out\\iplist"};

    rig.w().mIPs_Click();

    EXPECT_EQ(rig.dialogs.fileRequests.at(0).title, "Enter filename for IP log..");
    EXPECT_EQ(rig.textFiles.files.at("C:\\out\\iplist.txt"),
              std::string("IP list created with Sentrel v1.21 by ") + kHomePageUrl + "\r\n" +
                  std::string(74, '-') + "\r\n\r\n10.0.0.5\r\n10.0.0.7\r\n");
    EXPECT_EQ(rig.Status(), "Listening.");
}

TEST_F(IpListExport, AFailedWriteShowsTheIpLogfileError) {
    rig.w().state.ipList = {"10.0.0.5"};
    rig.dialogs.filePaths = {"C:\\out\\ips.txt"};
    rig.textFiles.failure = "Access denied";
    rig.w().mIPs_Click();
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0].prompt,
              "There was an error while saving the IP logfile: Access denied");
    EXPECT_EQ(rig.dialogs.messages[0].style, kMsgExclamation);
    EXPECT_EQ(rig.w().state.ipList, std::vector<std::string>{"10.0.0.5"});
}

TEST_F(IpListExport, TheMenusItemsSaveTheListAndTheLog) {
    rig.w().state.ipList = {"10.0.0.5"};
    rig.w().eventLog.Clear();
    rig.w().AddLogEntry("one", false, 0);
    rig.dialogs.filePaths = {"C:\\out\\ips.txt", "C:\\out\\log.txt"};
    for (const char* item : {"mIPs", "mLOG"}) {
        rig.dialogs.menuChoice = item;
        rig.w().lvwLog.RaiseMouseUp(MouseButton::Right, 0, 10, 10);
    }
    EXPECT_EQ(rig.textFiles.files.count("C:\\out\\ips.txt"), 1u);
    EXPECT_EQ(rig.textFiles.files.at("C:\\out\\log.txt"), "14:03:27 - one\r\n");
}

}  // namespace
}  // namespace sentrel::test

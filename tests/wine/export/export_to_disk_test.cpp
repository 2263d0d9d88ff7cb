#include <gtest/gtest.h>
#include <windows.h>

#include "app/web_addresses.h"
#include "fakes/rig.h"
#include "log/text_file_writer_win32.h"
#include "wine/export/temp_folder.h"

namespace sentrel::test {
namespace {

// The main window on fakes, but writing real files.
struct ExportToDisk : ::testing::Test {
    TempFolder folder;
    Rig rig;
    Win32TextFileWriter writer;
    Services services{rig.settings, rig.environment, rig.dialogs,   rig.clock,
                      rig.locale,   rig.socket,      rig.launcher,  rig.sound,
                      rig.shell,    rig.tray,        rig.processes, rig.files,
                      rig.registry, writer,          rig.sockets,   rig.wormMutex};
    WMain window{services};
};

TEST_F(ExportToDisk, TheIpListFileHasItsFiveLines) {
    window.labTitle.SetCaption("Sentrel v1.20");
    window.state.ipList = {"10.0.0.5", "10.0.0.7"};
    rig.dialogs.filePaths = {folder.File("iplist")};

    window.mIPs_Click();

    EXPECT_TRUE(rig.dialogs.messages.empty());
    EXPECT_EQ(ReadBytes(folder.File("iplist.txt")),
              std::string("IP list created with Sentrel v1.20 by ") + kHomePageUrl + "\r\n" +
                  std::string(74, '-') + "\r\n\r\n10.0.0.5\r\n10.0.0.7\r\n");
}

TEST_F(ExportToDisk, AReadOnlyFileGivesTheBoxWithTheSystemsDescriptionAndStaysAsItWas) {
    const std::string path = folder.File("ips.txt");
    WriteBytes(path, "old\r\n");
    SetFileAttributesW(Utf8ToWide(path).c_str(), FILE_ATTRIBUTE_READONLY);
    window.state.ipList = {"10.0.0.5"};
    rig.dialogs.filePaths = {path};

    window.mIPs_Click();

    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0].prompt, "There was an error while saving the IP logfile: " +
                                                  SystemErrorDescription(ERROR_ACCESS_DENIED));
    EXPECT_EQ(rig.dialogs.messages[0].style, kMsgExclamation);
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"ips.txt"});
}

TEST_F(ExportToDisk, AMissingFolderGivesTheLogfileBox) {
    rig.dialogs.filePaths = {folder.File("missing\\log")};

    window.mLOG_Click();

    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    const std::string prefix = "There was an error while saving the logfile: ";
    EXPECT_EQ(rig.dialogs.messages[0].prompt.rfind(prefix, 0), 0u);
    EXPECT_GT(rig.dialogs.messages[0].prompt.size(), prefix.size());
    EXPECT_TRUE(folder.Names().empty());
}

}  // namespace
}  // namespace sentrel::test

// The log saved through the window to a real file.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/handles_win32.h"
#include "fakes/rig.h"
#include "log/text_file_writer_win32.h"
#include "wine/support/temp_folder.h"

namespace sentrel::test {
namespace {

TEST(SaveLog, WritesTheAnsiCodePageAndReplacesAFileHeldOpenByAViewer) {
    TempFolder folder;
    Rig rig;
    Win32TextFileWriter writer;
    Services services{rig.settings, rig.environment, rig.dialogs,   rig.clock,
                      rig.locale,   rig.socket,      rig.launcher,  rig.sound,
                      rig.shell,    rig.tray,        rig.processes, rig.files,
                      rig.registry, writer,          rig.sockets,   rig.wormMutex};
    WMain window(services);
    const std::string path = folder.File("log.txt");
    const std::string accented = "Scan caf\xC3\xA9";
    window.AddLogEntry(accented, false, 0);
    rig.dialogs.filePaths = {path};
    window.mLOG_Click();
    EXPECT_NE(ReadBytes(path).find(Utf8ToAnsi(accented)), std::string::npos) << ReadBytes(path);

    // Held the way a viewer holds a file it shows: readers and writers welcome, no deleting.
    const UniqueHandle held(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    window.AddLogEntry("Second save", false, 0);
    rig.dialogs.filePaths = {path};
    window.mLOG_Click();
    EXPECT_TRUE(rig.dialogs.messages.empty());
    EXPECT_NE(ReadBytes(path).find("Second save"), std::string::npos);
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"log.txt"});
}

}  // namespace
}  // namespace sentrel::test

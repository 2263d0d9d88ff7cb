#include <gtest/gtest.h>
#include <windows.h>

#include "app/app_environment_win32.h"
#include "base/clock_win32.h"
#include "base/system_folder_win32.h"
#include "base/system_functions_win32.h"

namespace sentrel {
namespace {

TEST(Environment, TheVersionRecordIsReadFromTheProgramsOwnResource) {
    Win32AppEnvironment environment;
    const VersionRecord version = environment.Version();
    EXPECT_EQ(version.major, 1);
    EXPECT_EQ(version.minor, 20);
    EXPECT_EQ(version.revision, 125);
}

TEST(Environment, ExeNameIsTheFileNameWithoutFolderOrExtension) {
    Win32AppEnvironment environment;
    EXPECT_EQ(environment.ExeName(), "wine_app_tests");
    EXPECT_EQ(ExeNameOf("C:\\Program Files\\Sentrel\\sentrel.exe"), "sentrel");
    EXPECT_EQ(ExeNameOf("C:\\Tools\\sentrel.copy.exe"), "sentrel.copy");
}

TEST(Environment, PathHasNoTrailingBackslashButForADriveRoot) {
    Win32AppEnvironment environment;
    const std::string path = environment.Path();
    ASSERT_FALSE(path.empty());
    EXPECT_NE(path.back(), '\\');
    EXPECT_EQ(GetFileAttributesW(std::wstring(path.begin(), path.end()).c_str()) &
                  FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(FolderOf("C:\\Tools\\sentrel.exe"), "C:\\Tools");
    EXPECT_EQ(FolderOf("C:\\sentrel.exe"), "C:\\");
}

TEST(Environment, ClockAndLocaleComeFromTheSystem) {
    SystemClock clock;
    SYSTEMTIME before{};
    GetLocalTime(&before);
    const LocalTime now = clock.Now();
    EXPECT_GE(now.hour, 0);
    EXPECT_LT(now.hour, 24);
    EXPECT_TRUE(now.hour == before.wHour || now.hour == (before.wHour + 1) % 24);
    UserLocale locale;
    EXPECT_FALSE(locale.TimeSeparator().empty());
    EXPECT_FALSE(locale.ThousandsSeparator().empty());
}

TEST(Environment, AFunctionNewerThanTheReportedWindowsCountsAsMissing) {
    // Wine exports every function whatever version it reports: set to Windows XP, the program
    // takes its paths for XP.
    OSVERSIONINFOW reported{};
    reported.dwOSVersionInfoSize = sizeof(reported);
    ASSERT_TRUE(GetVersionExW(&reported));
    const bool vistaOrLater = reported.dwMajorVersion >= 6;
    EXPECT_EQ(FindSystemFunction(L"kernel32.dll", "GetLocaleInfoEx", kWindowsVista) != nullptr,
              vistaOrLater);
    EXPECT_EQ(FindSystemFunction(L"kernel32.dll", "NoSuchFunction", {}), nullptr);
}

TEST(Environment, TheSystemFolderHoldsTheSystemsOwnPrograms) {
    // On 64-bit Windows those are 64-bit, in the real System32, which a 32-bit program does not
    // see under that name.
    const bool system64 = sizeof(void*) == 8 || RunsUnderWow64();
    DWORD type = 0;
    ASSERT_TRUE(GetBinaryTypeW((SystemFolderPath() + L"\\net.exe").c_str(), &type));
    EXPECT_EQ(type, system64 ? SCS_64BIT_BINARY : SCS_32BIT_BINARY);
}

}  // namespace
}  // namespace sentrel

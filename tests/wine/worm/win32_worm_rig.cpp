#include "win32_worm_rig.h"

namespace sentrel::test {

namespace {

constexpr const wchar_t* kRun = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::vector<BYTE>> ReadRunValue(REGSAM view, const std::wstring& name) {
    UniqueHkey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRun, 0, KEY_QUERY_VALUE | view, key.Put()) !=
        ERROR_SUCCESS) {
        key.Release();
        return std::nullopt;
    }
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, nullptr, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<BYTE> data(size);
    RegQueryValueExW(key.Get(), name.c_str(), nullptr, nullptr, data.data(), &size);
    return data;
}

// The Run key in one view, made when missing; empty when it cannot be opened.
UniqueHkey OpenRunKey(REGSAM view, bool* created = nullptr) {
    UniqueHkey key;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRun, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr,
                        key.Put(), &disposition) != ERROR_SUCCESS) {
        key.Release();
    } else if (created != nullptr) {
        *created = disposition == REG_CREATED_NEW_KEY;
    }
    return key;
}

}  // namespace

std::wstring SystemSubfolder(const wchar_t* name) {
    wchar_t windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    return std::wstring(windows, length) + L"\\" + name + L"\\";
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring RealSystem32() {
    return SystemSubfolder(RunsUnderWow64() ? L"Sysnative" : L"System32");
}

bool PathExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TestFile::TestFile(std::wstring path, DWORD attributes) : path_(std::move(path)) {
    {
        // Never take over a file that was there before the test.
        const UniqueHandle file(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return;
        }
        const char content[] = "stand-in";
        DWORD written = 0;
        WriteFile(file.Get(), content, sizeof(content), &written, nullptr);
    }
    created = true;
    if (attributes != FILE_ATTRIBUTE_NORMAL) {
        SetFileAttributesW(path_.c_str(), attributes);
    }
}

TestFile::~TestFile() {
    if (created && PathExists(path_)) {
        SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path_.c_str());
    }
}

StandInFolder::StandInFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ =
        std::wstring(temp) + L"sentrel-worm-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
}

StandInFolder::~StandInFolder() {
    for (const std::wstring& copy : copies_) {
        DeleteFileW(copy.c_str());
    }
    RemoveDirectoryW(folder_.c_str());
}

std::wstring StandInFolder::Copy(const wchar_t* name) {
    const std::wstring target = folder_ + name;
    if (!CopyFileW((OwnFolder() + L"worm_standin.exe").c_str(), target.c_str(), FALSE)) {
        return {};
    }
    copies_.push_back(target);
    return target;
}

StartedProcess::StartedProcess(const std::wstring& exe, const std::wstring& arguments,
                               HANDLE output) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (output != nullptr) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdError = output;
    }
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr,
                       output != nullptr ? TRUE : FALSE, DETACHED_PROCESS, nullptr, nullptr,
                       &startup, &info)) {
        process_.Reset(info.hProcess);
        id_ = info.dwProcessId;
        UniqueHandle thread(info.hThread);
    }
}

StartedProcess::~StartedProcess() {
    End();
}

void StartedProcess::End() {
    if (Running()) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

std::optional<DWORD> StartedProcess::ExitCode() const {
    DWORD code = 0;
    if (!Started() || Running() || GetExitCodeProcess(process_.Get(), &code) == FALSE) {
        return std::nullopt;
    }
    return code;
}

TestRunValue::TestRunValue(REGSAM view, std::wstring name, const std::wstring& data)
    : view_(view), name_(std::move(name)), before_(ReadRunValue(view, name_)) {
    const UniqueHkey key = OpenRunKey(view_, &createdKey_);
    written = key && RegSetValueExW(key.Get(), name_.c_str(), 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(data.c_str()),
                                    static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) ==
                         ERROR_SUCCESS;
}

TestRunValue::~TestRunValue() {
    if (!written) {
        return;
    }
    if (const UniqueHkey key = OpenRunKey(view_); key && before_) {
        RegSetValueExW(key.Get(), name_.c_str(), 0, REG_SZ, before_->data(),
                       static_cast<DWORD>(before_->size()));
    } else if (key) {
        RegDeleteValueW(key.Get(), name_.c_str());
    }
    if (createdKey_) {
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kRun, view_, 0);
    }
}

RenamedWorm::RenamedWorm() : process_(folder_.Copy(L"svc_update.exe"), L"/worm") {}

bool RenamedWorm::Ready() {
    Win32SocketTable sockets;
    for (int attempt = 0; attempt < 200 && process_.Running(); ++attempt) {
        const UniqueHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, L"BILLY"));
        if (mutex && !sockets.TcpListenersOn(4444).empty()) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

bool RunValuePresent(REGSAM view, const std::wstring& name) {
    return ReadRunValue(view, name).has_value();
}

}  // namespace sentrel::test

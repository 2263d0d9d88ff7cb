#include "worm/worm_files.h"

namespace sentrel {

namespace {

// The Windows directory is fetched anew for every path, as nothing is cached between scans.
std::string SystemFolderPath(FileSystem& files, const char* folder) {
    return files.WindowsFolder() + "\\" + folder;
}

}  // namespace

std::string VariantListEntry(const WormFile& file) {
    const bool first = &file == &kWormFiles.front();
    return (first ? "" : " + ") + std::string(file.label);
}

std::vector<std::string> WormFileLocations(FileSystem& files, const std::string& fileName) {
    std::vector<std::string> found;
    const std::string native = SystemFolderPath(files, "System32") + "\\" + fileName;
    if (files.NormalFileExists(native)) {
        found.push_back(native);
    }
    const std::string wow = SystemFolderPath(files, "SysWOW64");
    if (files.FolderExists(wow) && files.NormalFileExists(wow + "\\" + fileName)) {
        found.push_back(wow + "\\" + fileName);
    }
    return found;
}

bool WormFilePresent(FileSystem& files, const std::string& fileName) {
    return !WormFileLocations(files, fileName).empty();
}

std::vector<const WormFile*> FindWormFiles(FileSystem& files) {
    std::vector<const WormFile*> found;
    for (const WormFile& file : kWormFiles) {
        if (WormFilePresent(files, file.fileName)) {
            found.push_back(&file);
        }
    }
    return found;
}

}  // namespace sentrel

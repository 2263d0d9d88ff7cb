#include "worm/unattended.h"

#include "worm/process_scanner.h"
#include "worm/run_values.h"
#include "worm/worm_files.h"
#include "worm/worm_signs.h"

namespace sentrel {

namespace {

std::string ViewName(RegistryView view) {
    return view == RegistryView::Bits64 ? "64-bit view" : "32-bit view";
}

FileResult DeleteFileAt(FileSystem& files, const std::string& path) {
    FileResult result = files.SetNormalAttributes(path);
    return result.Ok() ? files.RemoveFile(path) : result;
}

}  // namespace

WormFindings FindWorm(WormServices& services) {
    WormFindings findings;
    for (const WormFile* file : FindWormFiles(services.files)) {
        findings.labels.emplace_back(file->label);
    }
    for (const WormSign& sign :
         FindNamedWormSigns(services.sockets, services.wormMutex, services.processes)) {
        findings.signs.push_back(SignDescription(sign));
    }
    return findings;
}

CleanReport CleanWorm(WormServices& services) {
    CleanReport report;
    for (const DeletedRunValue& value : DeleteWormRunValues(services.registry)) {
        report.actions.push_back("deleted the Run value \"" + value.name + "\" (" +
                                 ViewName(value.view) + ")");
    }
    for (const WormFile& file : kWormFiles) {
        for (const ProcessEntry& ended : KillProcess(services.processes, file.fileName)) {
            report.actions.push_back("ended " + ProcessName(ended.exeFile) + " (process " +
                                     std::to_string(ended.id) + ")");
        }
    }
    for (const WormFile& file : kWormFiles) {
        for (const std::string& path : WormFileLocations(services.files, file.fileName)) {
            if (const FileResult result = DeleteFileAt(services.files, path); result.Ok()) {
                report.actions.push_back("deleted " + path);
            } else {
                report.errors.push_back("could not delete " + path + ": " + result.description);
            }
        }
    }
    return report;
}

}  // namespace sentrel

#include "worm/system_clean.h"

#include <algorithm>
#include <vector>

#include "app/wmain.h"
#include "shell/sounds.h"
#include "worm/process_scanner.h"
#include "worm/run_values.h"
#include "worm/system_scan.h"
#include "worm/worm_files.h"
#include "worm/worm_signs.h"

namespace sentrel {

namespace {

void LogStep(WMain& w, const std::string& text) {
    w.AddLogEntry(text, false, kLogCleanColour);
}

// Clears and deletes one worm file wherever it is present; the first failure is returned.
FileResult RemoveWormFile(WMain& w, const WormFile& file) {
    FileSystem& files = w.services.files;
    const std::vector<std::string> locations = WormFileLocations(files, file.fileName);
    const std::string step = std::string("     deleting ") + file.fileName + "..";
    if (locations.empty()) {
        if (!file.later) {
            LogStep(w, step + " not found.");
        }
        return {};
    }
    for (const std::string& path : locations) {
        if (FileResult cleared = files.SetNormalAttributes(path); !cleared.Ok()) {
            return cleared;
        }
    }
    LogStep(w, step + " found.");
    for (const std::string& path : locations) {
        if (FileResult removed = files.RemoveFile(path); !removed.Ok()) {
            return removed;
        }
    }
    return {};
}

// The boxes name MSBLAST.EXE whichever file failed.
void ReportCleanFailure(Dialogs& dialogs, const FileResult& failure) {
    switch (failure.error) {
        case FileError::NotFound:
            dialogs.ShowMessage("Error deleting the MSBLAST.EXE file. It doesn't appear to exist!",
                                kMsgCritical, "");
            break;
        case FileError::AccessDenied:
            dialogs.ShowMessage(
                "I was unable to delete the MSBLAST.EXE file. Please make sure that you have \r\n"
                "terminated the MSBLAST.EXE process as outlined in the given instructions \r\n"
                "before clicking on the Clean System button.",
                kMsgCritical, "");
            break;
        case FileError::None:
        case FileError::Other:
            dialogs.ShowMessage("Error cleaning system: " + failure.description, kMsgCritical,
                                "CleanSystem()");
            break;
    }
}

// Asks before ending a process that only its signs point at: a legitimate server may use the
// same port (a TFTP server uses UDP 69).
void AskToEnd(WMain& w, const std::vector<WormSign>& signs, const WormSign& first) {
    const std::string owner = SignOwner(first);
    std::string prompt;
    for (const WormSign& sign : signs) {
        if (sign.processId == first.processId) {
            prompt += SignLogLine(sign) + "\r\n";
        }
    }
    prompt +=
        "\r\nIt was found only by what it does, and a legitimate server may do the "
        "same.\r\n\r\nEnd " +
        owner + "?";
    if (!w.services.dialogs.AskYesNo(prompt, "Clean System!")) {
        LogStep(w, "     left " + owner + " running.");
    } else if (w.services.processes.Terminate(first.processId, 0, first.processName)) {
        LogStep(w, "     ended " + owner + ".");
    } else {
        LogStep(w, "     could not end " + owner + ".");
    }
}

// The processes that the worm's signs point at, after the named ones have been ended.
void EndProcessesBehindSigns(WMain& w) {
    const std::vector<WormSign> signs =
        FindNamedWormSigns(w.services.sockets, w.services.wormMutex, w.services.processes);
    std::vector<std::uint32_t> asked;
    for (const WormSign& sign : signs) {
        // Without a name the process is not known, or was gone at the snapshot.
        if (sign.processName.empty()) {
            LogStep(w, "     cannot end the program behind " + SignSubject(sign) +
                           ": its process is not known.");
        } else if (std::ranges::find(asked, sign.processId) == asked.end()) {
            asked.push_back(sign.processId);
            AskToEnd(w, signs, sign);
        }
    }
}

}  // namespace

void CleanSystem(WMain& w) {
    LogStep(w, "Cleaning system...");
    LogStep(w, "     deleting registry key..");
    DeleteWormRunValues(w.services.registry);

    // The files go before the processes: a running worm's file cannot be deleted, and the
    // access box then tells the user to end the process by hand first.
    LogStep(w, "     removing Read Only flag on file(s)..");
    for (const WormFile& file : kWormFiles) {
        if (const FileResult result = RemoveWormFile(w, file); !result.Ok()) {
            ReportCleanFailure(w.services.dialogs, result);
            return;
        }
    }

    LogStep(w, "     attempting to kill msblast.exe (or variant) process..");
    for (const WormFile& file : kWormFiles) {
        KillProcess(w.services.processes, file.fileName);
    }
    EndProcessesBehindSigns(w);

    // The rescan below sets the status.
    LogStep(w, "System was cleaned successfully.");
    if (w.state.soundEnabled) {
        PlaySoundFile(w.services.sound, w.state.sounds.disinfected);
    }
    ScanSystem(w, false);
    w.services.dialogs.ShowMessage("Your system was cleaned successfully.", kMsgInformation,
                                   "Cleanse Result..");
}

}  // namespace sentrel

// The Detect page: the scan's verdict, the clean and the shutdown abort.
#include "window/detect_page.h"

#include "base/format.h"
#include "shell/sounds.h"
#include "window/wmain.h"
#include "worm/exposure.h"
#include "worm/worm_clean.h"

namespace sentrel {

namespace {

constexpr Colour kInfectedColour = Rgb(255, 0, 0);
constexpr Colour kCleanColour = Rgb(0, 150, 0);
constexpr std::size_t kInfectedPicture = 0;
constexpr std::size_t kCleanPicture = 1;

void ShowPicture(WMain& w, std::size_t shown) {
    w.imgScan.BringToFront(shown);
    w.imgScan[shown].SetVisible(true);
    w.imgScan[1 - shown].SetVisible(false);
}

// "W32.Blaster.Worm + W32.Blaster.Worm.B + a program holding the mutex BILLY"; with
// msblast.exe absent the list begins with " + ".
std::string WormNames(const WormFindings& findings) {
    std::string names;
    for (const WormFile* file : findings.files) {
        names += VariantListEntry(*file);
    }
    for (const WormSign& sign : findings.signs) {
        names += " + " + SignDescription(sign);
    }
    return names;
}

// Each step of the clean as a blue line of the log, and the questions as Yes/No boxes.
class CleanOnTheLog : public CleanObserver {
public:
    explicit CleanOnTheLog(WMain& w) : w_(w) {}

    void StepTaken(const CleanStep& step) override {
        switch (step.kind) {
            case CleanStepKind::PhaseBegun:
                PhaseBegun(step.phase);
                break;
            case CleanStepKind::FileAbsent:
                if (!step.file->later) {
                    Log(std::string("     deleting ") + step.file->fileName + ".. not found.");
                }
                break;
            case CleanStepKind::FileFound:
                Log(std::string("     deleting ") + step.file->fileName + ".. found.");
                break;
            case CleanStepKind::OwnerNotKnown:
                Log("     cannot end the program behind " + step.subject +
                    ": its process is not known.");
                break;
            case CleanStepKind::OwnerLeftRunning:
                Log("     left " + step.subject + " running.");
                break;
            case CleanStepKind::OwnerEnded:
                Log("     ended " + step.subject + ".");
                break;
            case CleanStepKind::OwnerNotEnded:
                Log("     could not end " + step.subject + ".");
                break;
            case CleanStepKind::OwnerGoneMeanwhile:
                Log("     " + step.subject + " had ended by itself; nothing was ended.");
                break;
            case CleanStepKind::RunValueDeleted:
            case CleanStepKind::FileDeleted:
            case CleanStepKind::FileNotDeleted:
            case CleanStepKind::ProcessEnded:
                break;
        }
    }

    bool ConfirmEnd(const std::vector<WormSign>& signs) override {
        std::string prompt;
        for (const WormSign& sign : signs) {
            prompt += SignLogLine(sign) + "\r\n";
        }
        prompt +=
            "\r\nIt was found only by what it does, and a legitimate server may do the "
            "same.\r\n\r\nEnd " +
            SignOwner(signs.front()) + "?";
        return w_.services.dialogs.AskYesNo(prompt, "Clean System!");
    }

private:
    void Log(const std::string& text) { w_.AddLogEntry(text, LogKind::Cleaning); }

    void PhaseBegun(CleanPhase phase) {
        switch (phase) {
            case CleanPhase::RunValues:
                Log("     deleting registry key..");
                break;
            case CleanPhase::WormFiles:
                Log("     removing Read Only flag on file(s)..");
                break;
            case CleanPhase::NamedProcesses:
                Log("     attempting to kill msblast.exe (or variant) process..");
                break;
            case CleanPhase::SignedProcesses:
                break;
        }
    }

    WMain& w_;
};

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

}  // namespace

std::string InfectedExplanation(const std::string& wormNames, const std::string& processNames) {
    return "Your system seems to have the " + wormNames +
           " worm(s) present. It is suggested that you immediately cleanse your system by "
           "clicking on the Clean System! button below.\r\n\r\n"
           "BUT FIRST you will need to kill the required process(es). Press CTRL+ALT+DEL and "
           "select the Process tab in the Task Manager, find the " +
           processNames +
           " process(es) and End Process any of them you find. This is very important!\r\n\r\n"
           "Then click on the Cleanse button below.";
}

std::string WormProcessNames(const std::vector<const WormFile*>& found) {
    std::string names = "msblast.exe / penis32.exe / teekids.exe";
    for (const WormFile* file : found) {
        if (file->later) {
            names += std::string(" / ") + file->fileName;
        }
    }
    return names;
}

void WMain::LogWormSigns(const std::vector<WormSign>& signs) {
    for (const WormSign& sign : signs) {
        AddLogEntry(SignLogLine(sign), LogKind::Worm);
    }
}

void WMain::ScanSystem(bool playAllClearSound) {
    // Interim texts; the verdict follows before any event is processed.
    labScanTitle.SetCaption("Scanning...");
    SetStatusText("Scanning..");
    const WormFindings findings = ScanForWorm(services.worm);
    LogWormSigns(findings.signs);
    ShowVerdict(findings, playAllClearSound);
    ReportExposure();
}

// Whether the worm could come back through the hole it uses: said when it could (red) or when
// only DCOM being off keeps it out, once per run and result; a fixed PC's log stays as it was.
void WMain::ReportExposure() {
    const Exposure exposure = CheckExposure(services.systemFacts).result.exposure;
    if (state.exposureReported == exposure) {
        return;
    }
    state.exposureReported = exposure;
    if (exposure == Exposure::Exposed) {
        const bool immunised = chkImmunise.Value() == 1;
        AddLogEntry(std::string(kExposedText) +
                        (immunised ? ""
                                   : " Until then, Immunise keeps a new copy of the worm from "
                                     "starting."),
                    LogKind::Worm);
    } else if (exposure == Exposure::Workaround) {
        AddLogEntry(
            "DCOM is turned off, which keeps the worm out until Microsoft's fix is installed.");
    }
}

void WMain::ShowVerdict(const WormFindings& findings, bool playAllClearSound) {
    if (findings.Any()) {
        const std::string wormNames = WormNames(findings);
        labScanTitle.SetCaption("Your system appears to be infected!");
        labScanTitle.SetForeColor(kInfectedColour);
        ShowPicture(*this, kInfectedPicture);
        labScanInfo.SetCaption(InfectedExplanation(wormNames, WormProcessNames(findings.files)));
        cmdCleanSystem.SetEnabled(true);
        ShowPage(kDetectButton);
        AddLogEntry("System was scanned, and " + wormNames + " found!", LogKind::Worm);
        SetStatusText("System scanned; " + wormNames + " WAS FOUND ON YOUR PC!");
        if (state.soundEnabled) {
            PlaySoundFile(services.sound, state.sounds.infected);
        }
        return;
    }
    labScanTitle.SetCaption("Your system appears to be clean!");
    labScanTitle.SetForeColor(kCleanColour);
    ShowPicture(*this, kCleanPicture);
    labScanInfo.SetCaption(
        "Your system has been scanned and it seems that the MSBlast worm and its variants are "
        "not present. Everything is okay.");
    cmdCleanSystem.SetEnabled(false);
    AddLogEntry("System was scanned, and no worm was found.");
    const std::string time = FormatTime(services.clock.Now(), services.locale.TimeSeparator());
    SetStatusText("System scanned at " + time + "; no worm found.");
    if (playAllClearSound && state.soundEnabled) {
        PlaySoundFile(services.sound, state.sounds.notInfected);
    }
}

void WMain::CleanSystem() {
    AddLogEntry("Cleaning system...", LogKind::Cleaning);
    CleanOnTheLog observer(*this);
    const CleanReport report = CleanWorm(services.worm, kAttendedClean, observer);
    if (report.firstFailure) {
        ReportCleanFailure(services.dialogs, *report.firstFailure);
        return;
    }
    // The rescan below sets the status.
    AddLogEntry("System was cleaned successfully.", LogKind::Cleaning);
    if (state.soundEnabled) {
        PlaySoundFile(services.sound, state.sounds.disinfected);
    }
    ScanSystem(false);
    services.dialogs.ShowMessage("Your system was cleaned successfully.", kMsgInformation,
                                 "Cleanse Result..");
}

void WMain::cmdScan_Click() {
    ScanSystem(true);
}

void WMain::cmdCleanSystem_Click() {
    CleanSystem();
}

void WMain::cmdPreventShutdown_Click() {
    // The abort's outcome is not looked at: with no shutdown pending it fails, and the status
    // still says the shutdown should now be prevented. Only a command that never started says
    // otherwise.
    services.launcher.StartHidden(
        "shutdown.exe", "shutdown /a", [this](const LaunchOutcome& outcome) {
            if (!outcome.started) {
                SetStatusText("The emergency shutdown could not be prevented: " +
                              outcome.errorDescription);
            }
        });
    SetStatusText("The emergency shutdown should now be prevented.");
}

}  // namespace sentrel

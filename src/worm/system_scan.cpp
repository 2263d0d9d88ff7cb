#include "worm/system_scan.h"

#include "app/exposure_report.h"
#include "app/wmain.h"
#include "base/format.h"
#include "shell/sounds.h"
#include "worm/worm_files.h"
#include "worm/worm_signs.h"

namespace sentrel {

namespace {

constexpr Colour kInfectedColour = Rgb(255, 0, 0);
constexpr Colour kCleanColour = Rgb(0, 150, 0);
constexpr int kDetectButton = 2;
constexpr std::size_t kInfectedPicture = 0;
constexpr std::size_t kCleanPicture = 1;

void ShowPicture(WMain& w, std::size_t shown) {
    w.imgScan.BringToFront(shown);
    w.imgScan[shown].SetVisible(true);
    w.imgScan[1 - shown].SetVisible(false);
}

void ShowInfectedVerdict(WMain& w, const std::string& wormNames, const std::string& processNames) {
    w.labScanTitle.SetCaption("Your system appears to be infected!");
    w.labScanTitle.SetForeColor(kInfectedColour);
    ShowPicture(w, kInfectedPicture);
    w.labScanInfo.SetCaption(InfectedExplanation(wormNames, processNames));
    w.cmdCleanSystem.SetEnabled(true);
    w.tbrMain_ButtonClick(kDetectButton);
    w.AddLogEntry("System was scanned, and " + wormNames + " found!", false, kLogWormColour);
    w.SetStatusText("System scanned; " + wormNames + " WAS FOUND ON YOUR PC!");
    if (w.state.soundEnabled) {
        PlaySoundFile(w.services.sound, w.state.sounds.infected);
    }
}

void ShowCleanVerdict(WMain& w, bool playAllClearSound) {
    w.labScanTitle.SetCaption("Your system appears to be clean!");
    w.labScanTitle.SetForeColor(kCleanColour);
    ShowPicture(w, kCleanPicture);
    w.labScanInfo.SetCaption(
        "Your system has been scanned and it seems that the MSBlast worm and its variants are "
        "not present. Everything is okay.");
    w.cmdCleanSystem.SetEnabled(false);
    w.AddLogEntry("System was scanned, and no worm was found.", false, 0);
    const std::string time = FormatTime(w.services.clock.Now(), w.services.locale.TimeSeparator());
    w.SetStatusText("System scanned at " + time + "; no worm found.");
    if (playAllClearSound && w.state.soundEnabled) {
        PlaySoundFile(w.services.sound, w.state.sounds.notInfected);
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

void LogWormSigns(WMain& w, const std::vector<WormSign>& signs) {
    for (const WormSign& sign : signs) {
        w.AddLogEntry(SignLogLine(sign), false, kLogWormColour);
    }
}

void ScanSystem(WMain& w, bool playAllClearSound) {
    // Interim texts; the verdict follows before any event is processed.
    w.labScanTitle.SetCaption("Scanning...");
    w.SetStatusText("Scanning..");

    const std::vector<const WormFile*> found = FindWormFiles(w.services.files);
    const std::vector<WormSign> signs =
        FindNamedWormSigns(w.services.sockets, w.services.wormMutex, w.services.processes);
    LogWormSigns(w, signs);

    // With msblast.exe absent the list begins with " + ".
    std::string wormNames;
    for (const WormFile* file : found) {
        wormNames += VariantListEntry(*file);
    }
    for (const WormSign& sign : signs) {
        wormNames += " + " + SignDescription(sign);
    }

    if (found.empty() && signs.empty()) {
        ShowCleanVerdict(w, playAllClearSound);
    } else {
        ShowInfectedVerdict(w, wormNames, WormProcessNames(found));
    }
    ReportExposure(w);
}

}  // namespace sentrel

#include "worm/worm_clean.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

#include "worm/process_scanner.h"
#include "worm/run_values.h"

namespace sentrel {

namespace {

CleanStep Step(CleanStepKind kind, CleanPhase phase, const WormFile* file = nullptr,
               std::string subject = {}) {
    CleanStep step;
    step.kind = kind;
    step.phase = phase;
    step.file = file;
    step.subject = std::move(subject);
    return step;
}

class Cleaner {
public:
    Cleaner(WormServices& services, const CleanPlan& plan, CleanObserver& observer)
        : services_(services), plan_(plan), observer_(observer) {}

    CleanReport Run() {
        for (const CleanPhase phase : plan_.phases) {
            Take(Step(CleanStepKind::PhaseBegun, phase));
            RunPhase(phase);
            if (Stopped()) {
                break;
            }
        }
        return std::move(report_);
    }

private:
    bool Stopped() const { return plan_.stopAtFirstFailure && report_.firstFailure.has_value(); }

    void Take(const CleanStep& step) {
        report_.steps.push_back(step);
        observer_.StepTaken(report_.steps.back());
    }

    void RunPhase(CleanPhase phase) {
        switch (phase) {
            case CleanPhase::RunValues:
                for (const DeletedRunValue& value : DeleteWormRunValues(services_.registry)) {
                    CleanStep step =
                        Step(CleanStepKind::RunValueDeleted, phase, nullptr, value.name);
                    step.detail = value.view;
                    Take(step);
                }
                break;
            case CleanPhase::WormFiles:
                for (const WormFile& file : kWormFiles) {
                    RemoveWormFile(file);
                    if (Stopped()) {
                        return;
                    }
                }
                break;
            case CleanPhase::NamedProcesses:
                for (const WormFile& file : kWormFiles) {
                    for (const ProcessEntry& ended :
                         KillProcess(services_.processes, file.fileName)) {
                        CleanStep step = Step(CleanStepKind::ProcessEnded, phase, nullptr,
                                              ProcessName(ended.exeFile));
                        step.processId = ended.id;
                        Take(step);
                    }
                }
                break;
            case CleanPhase::SignedProcesses:
                EndProcessesBehindSigns();
                break;
        }
    }

    void Fail(const WormFile& file, const std::string& path, const FileResult& failure) {
        if (!report_.firstFailure) {
            report_.firstFailure = failure;
        }
        CleanStep step = Step(CleanStepKind::FileNotDeleted, CleanPhase::WormFiles, &file, path);
        step.failure = failure;
        Take(step);
    }

    // Makes every copy of the file deletable, then deletes them: a copy whose attributes cannot
    // be cleared is not deleted.
    void RemoveWormFile(const WormFile& file) {
        FileSystem& files = services_.files;
        const std::vector<std::string> locations = WormFileLocations(files, file.fileName);
        if (locations.empty()) {
            Take(Step(CleanStepKind::FileAbsent, CleanPhase::WormFiles, &file));
            return;
        }
        std::vector<std::string> deletable;
        for (const std::string& path : locations) {
            if (const FileResult cleared = files.SetNormalAttributes(path); cleared.Ok()) {
                deletable.push_back(path);
            } else {
                Fail(file, path, cleared);
                if (Stopped()) {
                    return;
                }
            }
        }
        if (deletable.size() == locations.size()) {
            Take(Step(CleanStepKind::FileFound, CleanPhase::WormFiles, &file));
        }
        for (const std::string& path : deletable) {
            if (const FileResult removed = files.RemoveFile(path); removed.Ok()) {
                Take(Step(CleanStepKind::FileDeleted, CleanPhase::WormFiles, &file, path));
            } else {
                Fail(file, path, removed);
                if (Stopped()) {
                    return;
                }
            }
        }
    }

    // The processes that the worm's signs point at, after the named ones have been ended. Each
    // is held open before the user is asked, so that the answer ends the process that was shown,
    // not another that got its identifier meanwhile.
    void EndProcessesBehindSigns() {
        const std::vector<WormSign> signs =
            FindNamedWormSigns(services_.sockets, services_.wormMutex, services_.processes);
        std::vector<std::uint32_t> asked;
        for (const WormSign& sign : signs) {
            // Without a name the process is not known, or was gone at the snapshot.
            if (sign.processName.empty()) {
                Take(Step(CleanStepKind::OwnerNotKnown, CleanPhase::SignedProcesses, nullptr,
                          SignSubject(sign)));
            } else if (std::ranges::find(asked, sign.processId) == asked.end()) {
                asked.push_back(sign.processId);
                AskToEnd(signs, sign);
            }
        }
    }

    void AskToEnd(const std::vector<WormSign>& signs, const WormSign& first) {
        CleanStep step = Step(CleanStepKind::OwnerNotEnded, CleanPhase::SignedProcesses, nullptr,
                              SignOwner(first));
        step.processId = first.processId;
        const std::unique_ptr<HeldProcess> process =
            services_.processes.Hold(first.processId, first.processName);
        std::vector<WormSign> its;
        std::ranges::copy_if(signs, std::back_inserter(its), [&first](const WormSign& sign) {
            return sign.processId == first.processId;
        });
        if (process == nullptr) {
            step.kind = CleanStepKind::OwnerNotEnded;
        } else if (!observer_.ConfirmEnd(its)) {
            step.kind = CleanStepKind::OwnerLeftRunning;
        } else if (!process->Running()) {
            step.kind = CleanStepKind::OwnerGoneMeanwhile;
        } else {
            step.kind = process->End(0) ? CleanStepKind::OwnerEnded : CleanStepKind::OwnerNotEnded;
        }
        Take(step);
    }

    WormServices& services_;
    const CleanPlan& plan_;
    CleanObserver& observer_;
    CleanReport report_;
};

}  // namespace

CleanReport CleanWorm(WormServices& services, const CleanPlan& plan, CleanObserver& observer) {
    return Cleaner(services, plan, observer).Run();
}

}  // namespace sentrel

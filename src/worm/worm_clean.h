#pragma once
// Removing the worm: its auto-start values, its processes and its files, in the order a plan
// gives. The window's clean and the unattended one run the same engine with their own plans.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "worm/worm_scan.h"

namespace sentrel {

enum class CleanPhase {
    RunValues,       // the auto-start values, in each registry view
    WormFiles,       // each worm file, wherever present
    NamedProcesses,  // every process named after a worm file
    SignedProcesses  // the programs that only the worm's signs point at: asked, one by one
};

struct CleanPlan {
    std::span<const CleanPhase> phases;
    bool stopAtFirstFailure = false;
};

// With the user at the screen: the files before the processes (a running worm's file cannot be
// deleted, and the access box then tells the user to end the process by hand first), stopping
// at the first failure, and asking before a program found only by its signs is ended.
inline constexpr CleanPhase kAttendedPhases[] = {CleanPhase::RunValues, CleanPhase::WormFiles,
                                                 CleanPhase::NamedProcesses,
                                                 CleanPhase::SignedProcesses};
inline constexpr CleanPlan kAttendedClean{kAttendedPhases, true};

// With nobody at the screen to end a running worm by hand, its processes go before its files,
// whose deletion would fail otherwise; every file is tried, whatever failed before, and no
// program found only by its signs is ended.
inline constexpr CleanPhase kUnattendedPhases[] = {
    CleanPhase::RunValues, CleanPhase::NamedProcesses, CleanPhase::WormFiles};
inline constexpr CleanPlan kUnattendedClean{kUnattendedPhases, false};

enum class CleanStepKind {
    PhaseBegun,         // phase
    RunValueDeleted,    // subject: the value's name; detail: its view, or ""
    FileAbsent,         // file
    FileFound,          // file: every place it lies was made deletable
    FileDeleted,        // file, subject: the path
    FileNotDeleted,     // file, subject: the path; failure
    ProcessEnded,       // subject: the process name; processId
    OwnerNotKnown,      // subject: the sign's subject ("TCP port 4444")
    OwnerLeftRunning,   // subject: the owner ("svchost.exe (process 1234)")
    OwnerEnded,         // subject: the owner
    OwnerNotEnded,      // subject: the owner
    OwnerGoneMeanwhile  // subject: the owner: it ended by itself while the user was asked
};

struct CleanStep {
    CleanStepKind kind = CleanStepKind::PhaseBegun;
    CleanPhase phase = CleanPhase::RunValues;
    const WormFile* file = nullptr;
    std::string subject;
    std::string detail;
    std::uint32_t processId = 0;
    FileResult failure;
};

struct CleanReport {
    std::vector<CleanStep> steps;
    std::optional<FileResult> firstFailure;
};

// What the clean asks and tells while it runs.
class CleanObserver {
public:
    virtual ~CleanObserver() = default;
    // Each step as it is taken, before the next one.
    virtual void StepTaken(const CleanStep& step) = 0;
    // Before a program that only its signs point at is ended: a legitimate server may do the
    // same (a TFTP server uses UDP 69). `signs` are every sign of that program.
    virtual bool ConfirmEnd(const std::vector<WormSign>& signs) = 0;
};

CleanReport CleanWorm(WormServices& services, const CleanPlan& plan, CleanObserver& observer);

}  // namespace sentrel

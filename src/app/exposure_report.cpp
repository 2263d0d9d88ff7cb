#include "app/exposure_report.h"

#include "app/wmain.h"
#include "worm/exposure.h"

namespace sentrel {

void ReportExposure(WMain& w) {
    const Exposure exposure = CheckExposure(w.services.systemFacts).result.exposure;
    if (w.state.exposureReported == exposure) {
        return;
    }
    w.state.exposureReported = exposure;
    if (exposure == Exposure::Exposed) {
        const bool immunised = w.chkImmunise.Value() == 1;
        w.AddLogEntry(std::string(kExposedText) +
                          (immunised ? ""
                                     : " Until then, Immunise keeps a new copy of the worm "
                                       "from starting."),
                      false, kLogWormColour);
    } else if (exposure == Exposure::Workaround) {
        w.AddLogEntry(
            "DCOM is turned off, which keeps the worm out until Microsoft's fix is installed.",
            false, 0);
    }
}

}  // namespace sentrel

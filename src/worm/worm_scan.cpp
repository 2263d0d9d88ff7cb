#include "worm/worm_scan.h"

namespace sentrel {

WormFindings ScanForWorm(WormServices& services) {
    return {FindWormFiles(services.files),
            FindNamedWormSigns(services.sockets, services.wormMutex, services.processes)};
}

std::vector<std::string> FoundLabels(const WormFindings& findings) {
    std::vector<std::string> labels;
    for (const WormFile* file : findings.files) {
        labels.emplace_back(file->label);
    }
    return labels;
}

std::vector<std::string> SignDescriptions(const WormFindings& findings) {
    std::vector<std::string> descriptions;
    for (const WormSign& sign : findings.signs) {
        descriptions.push_back(SignDescription(sign));
    }
    return descriptions;
}

}  // namespace sentrel

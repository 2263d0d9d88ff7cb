#include "fakes/rig.h"

namespace sentrel::test {

Rig::Rig() : window(std::make_unique<WMain>(services)) {}

Rig::~Rig() = default;

}  // namespace sentrel::test

#pragma once
// After each scan: whether the worm could come back through the hole it uses, said in the log
// when it could (red) or when only DCOM being off keeps it out, once per run and result.

namespace sentrel {

class WMain;

void ReportExposure(WMain& w);

}  // namespace sentrel

#pragma once
// The Immunise switch: while it is on the program holds the worm's mutex, so that a worm
// started meanwhile finds it taken and exits at once.

namespace sentrel {

class WMain;

inline constexpr const char* kKeyImmunise = "Immunise";

// At start-up: the stored switch into its check box, and the hold taken when it is on.
void LoadImmunise(WMain& w);

// The switch's Click, after its value has been stored: takes or lets go of the hold.
void SwitchImmunise(WMain& w);

}  // namespace sentrel

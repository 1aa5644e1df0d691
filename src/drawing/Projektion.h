#pragma once
// The eye points of the central projection. The scene is projected from the eye onto the
// picture plane z = 0; the eye stands augez above it, a little off the z axis so that the
// z axis does not shrink to a single point.

#include <array>

#include "model/Punkt.h"

namespace quodral {

inline constexpr double augezStart = 16.0;

inline double augez = augezStart;                          // the eye's distance from the picture plane
inline Punkt auge{"Auge", -1.0, 2.0, augezStart};          // the eye of the current drawing pass
inline Punkt auge1{"Auge", -1.0, 2.0, augezStart};         // the single eye, and the left one in stereo
inline Punkt auge2{"Auge", -0.5, 2.0, augezStart};         // the right eye of the stereo pair
inline std::array<Punkt, 2> augen{Punkt{"Auge", -1.0, 2.0, augezStart},   // the eye of each pass:
                                  Punkt{"Auge", -1.0, 2.0, augezStart}};  // twice auge1 unless stereo

// The eye points back to their start values.
void augenZuruecksetzen();

}  // namespace quodral

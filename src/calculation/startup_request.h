#pragma once

#include "calculation/run_around_data.h"

namespace rac::calculation {

// The request the main screen holds right after start-up: 2.5 m3/s each side, supply 0 C to
// 10 C, extract 20 C, pure water, 50 kPa per coil, 26 tubes of "12mm" 994 x 1000 mm with
// "Aluminium 0.15 louvre" fins, fin density and circuiting left to the program.
RunAroundData StartupRequest();

} // namespace rac::calculation

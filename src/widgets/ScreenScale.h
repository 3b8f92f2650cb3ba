// How much larger than at 96 pixels per inch the screen draws: its horizontal pixels per inch over
// 96 when above 96, else 1. Measured on the first call and kept; main thread only.
#pragma once

namespace kinshelf {

double ScaleFactor();

}  // namespace kinshelf

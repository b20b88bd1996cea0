// The one sample format of the game's sounds. The generator writes its files
// in it and the library opens the device in it, so nothing is converted when
// the game starts.
#pragma once

namespace zv {

inline constexpr int SOUND_RATE = 22050;  // samples per second
inline constexpr int SOUND_CHANNELS = 1;  // mono
inline constexpr int SOUND_BITS = 16;     // signed, little-endian

}  // namespace zv

// The rate of the game's sounds. The generator writes its files at it and the
// library mixes at it, so the sounds load as they are when the game starts.
#pragma once

namespace zv {

inline constexpr int SOUND_RATE = 22050;  // samples per second

}  // namespace zv

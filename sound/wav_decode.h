// The samples of a WAV file as the mixer plays them: 16-bit, one or two
// channels, at the output rate. Samples already in that form are copied once
// as they are; other integer or float PCM is converted.
#pragma once
#include <cstddef>
#include <cstdint>

#include "sound/mixer.h"

namespace zv {

// False when the bytes are no WAV file this can read.
bool decode_wav(const std::uint8_t* bytes, std::size_t size, int output_rate, mixer::Voice& out);

}  // namespace zv

// Runs a scripted session against the real window (usually off-screen).
#pragma once
#include <ostream>
#include <string>

namespace zv::shell {

class SoundSystem;

// Runs the script in `source`; the transcript goes to `out`. `sound` is the
// sound component behind the transcript's sound lines.
void run_script(const std::string& source, SoundSystem& sound, std::ostream& out);

}  // namespace zv::shell

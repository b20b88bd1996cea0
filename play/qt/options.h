// Command-line options of the zorvane program.
#pragma once
#include <string>
#include <vector>

namespace zv::shell {

struct Options {
  enum Mode { Play, Help, Version, Script, Error };
  Mode mode = Play;
  std::string script;  // --script FILE
  std::string error;   // what was wrong, for Mode::Error
};

Options parse_options(const std::vector<std::string>& args);  // without the program name
std::string help_text();
std::string version_text();

}  // namespace zv::shell

// What the record file panel's lists show, for the window that builds them:
// the volumes for the drive list, the record files of a folder, the folder
// the panel opens in, and the checks on a typed file name.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

inline constexpr std::string_view KIFU_EXTENSION = ".棋譜";

// Names (with extension) of the "*.棋譜" files in `folder`, sorted; empty
// when the folder cannot be read.
std::vector<std::string> list_record_files(const std::string& folder);

// Mount points worth offering as drives: "/" first, then the real mounts under
// /media, /run/media, /mnt and /home, sorted. `mounts` is text in the form of
// /proc/mounts.
std::vector<std::string> parse_volumes(std::string_view mounts);
// The same for this machine (reads /proc/mounts; "/" alone when unreadable).
std::vector<std::string> list_volumes();

// The volume of `volumes` that holds `path` (the longest matching mount point).
std::string volume_of(const std::string& path, const std::vector<std::string>& volumes);

// The folder the panel starts in: the current folder; documents (or home)
// when the program was started from the desktop, whose current folder is "/".
std::string initial_folder(const std::string& cwd, const std::string& home,
                           const std::string& documents);
std::string initial_folder();

// A name typed as a record's file name (without extension) must stay inside
// the chosen folder: no folder separators, no "..", no control characters;
// and it must leave room for the extension and our temporary file's name
// within the 255 bytes a file name may have.
inline constexpr std::size_t RECORD_NAME_MAX_BYTES = 200;
enum class RecordName { Ok, Empty, TooLong, BadCharacter };
RecordName check_record_name(std::string_view name);
inline bool valid_record_name(std::string_view name) {
  return check_record_name(name) == RecordName::Ok;
}

// folder + "/" + name + ".棋譜".
std::string record_path(const std::string& folder, std::string_view name);

// True when `path` names a folder that can be listed.
bool folder_readable(const std::string& path);

}  // namespace zv

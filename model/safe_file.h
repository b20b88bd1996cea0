// The player's files (records, settings) read and replaced safely: a pipe or
// a device of that name never hangs the game, a failed write never leaves a
// half-written file, and a replaced file keeps what the player set on it.
#pragma once
#include <ctime>
#include <string>
#include <string_view>

namespace zv {

enum class FileError {
  None,
  Open,      // missing, or not a regular file
  Read,      // a read failed part-way
  TooLarge,  // more than the caller's limit
  Create,    // the temporary file could not be made (folder missing or not writable)
  Write,     // writing, syncing or renaming failed; the old file is untouched
  ReadOnly,  // the old file may not be written by its owner
  NotAFile,  // a folder, pipe, device or dangling link holds the name
};

// Reads a regular file whole. Anything else is refused without blocking.
FileError read_regular_file(const std::string& path, std::size_t max_bytes, std::string& bytes);

// Replaces `path` with `bytes`: a temporary file beside it, synced, renamed
// over it. On any failure the temporary is removed and `path` is untouched.
// - A file whose owner has no write permission is refused (ReadOnly), even for
//   the superuser, who could write anything.
// - A replaced file keeps its mode (and its owner and group where allowed).
// - A link to a regular file replaces the file it points to; the link stays.
// Our temporaries of earlier saves that were cut off (names ending in
// `family` + ".XXXXXX"; `family` empty means the file's own name) are removed
// first when they are older than STALE_TEMPORARY_SECONDS.
FileError write_file_replacing(const std::string& path, std::string_view bytes,
                               std::string_view family = {});

inline constexpr int STALE_TEMPORARY_SECONDS = 60;

// "." + NAME + "." + six letters or digits, NAME ending in `family`.
bool is_temporary_name(std::string_view name, std::string_view family);

// Removes our regular temporaries in `folder` (those owned by this user and
// last changed at least STALE_TEMPORARY_SECONDS before `now`). Returns how
// many were removed.
int remove_stale_temporaries(const std::string& folder, std::string_view family, std::time_t now);

}  // namespace zv

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file so that it holds either its old or its new bytes, never a mix.

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace karvelo {

// what() is a UTF-8 reason for the user, naming the file.
class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the bytes to "<target>.tmp" in the same folder, flushes them to the disk and renames
// the temporary file over the target (over the file a symbolic link points to). A new file keeps
// the old one's permissions. A target that is read-only for this user is refused. On failure the
// target is unchanged, no temporary file is left, and FileWriteError is thrown.
void ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace karvelo

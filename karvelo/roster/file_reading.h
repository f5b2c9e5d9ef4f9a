// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a small file whole, with read access only.

#include <filesystem>
#include <string>

namespace karvelo {

struct FileContents {
    enum class Outcome { Read, Missing, Unreadable };
    Outcome outcome = Outcome::Read;
    std::string bytes;    // the whole file when Read
    std::string problem;  // UTF-8, why it could not be read when Unreadable
};

// Never blocks on a pipe or device: anything but a regular file is Unreadable.
FileContents ReadWholeFile(const std::filesystem::path& path);

}  // namespace karvelo

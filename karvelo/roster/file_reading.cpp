// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/roster/file_reading.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace karvelo {

namespace {

std::string ErrorText(int error) { return std::generic_category().message(error); }

FileContents Unreadable(std::string problem) {
    FileContents contents;
    contents.outcome = FileContents::Outcome::Unreadable;
    contents.problem = std::move(problem);
    return contents;
}

}  // namespace

FileContents ReadWholeFile(const std::filesystem::path& path) {
    // O_NONBLOCK only keeps a FIFO from blocking the open; a regular file ignores it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT) return {FileContents::Outcome::Missing, {}, {}};
        return Unreadable("soubor nelze otevřít (" + ErrorText(error) + ")");
    }
    FileContents contents;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        contents = Unreadable("soubor nelze prozkoumat (" + ErrorText(error) + ")");
    } else if (S_ISDIR(info.st_mode)) {
        contents = Unreadable("na jeho místě je složka, ne soubor");
    } else if (!S_ISREG(info.st_mode)) {
        contents = Unreadable("není to obyčejný soubor");
    } else {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0) {
                contents.bytes.append(buffer, std::size_t(got));
            } else if (got == 0) {
                break;
            } else if (const int error = errno; error != EINTR) {
                contents = Unreadable("čtení selhalo (" + ErrorText(error) + ")");
                break;
            }
        }
    }
    ::close(fd);
    return contents;
}

}  // namespace karvelo

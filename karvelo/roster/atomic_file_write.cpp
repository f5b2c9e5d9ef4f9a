// SPDX-License-Identifier: GPL-3.0-or-later
#include "karvelo/roster/atomic_file_write.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace karvelo {

namespace fs = std::filesystem;

namespace {

std::string Quoted(const fs::path& path) {
    std::error_code ignored;
    const fs::path shown = fs::absolute(path, ignored);
    return "„" + (shown.empty() ? path : shown).string() + "“";
}

[[noreturn]] void Fail(const std::string& what, int error) {
    throw FileWriteError(what + " (" + std::generic_category().message(error) + ")");
}

// Follows a symbolic link so that the link stays and the file it names is replaced.
fs::path Destination(const fs::path& target) {
    std::error_code error;
    if (!fs::is_symlink(target, error)) return target;
    const fs::path resolved = fs::canonical(target, error);
    return error ? target : resolved;
}

// The temporary file is removed again unless it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path path) : path_(std::move(path)) {
        ::unlink(path_.c_str());  // a leftover of an earlier crash
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd_ < 0) {
            const int error = errno;
            Fail("dočasný soubor " + Quoted(path_) + " nelze vytvořit", error);
        }
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!renamed_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void Write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0) {
                const int error = errno;
                if (error == EINTR) continue;
                Fail("zápis do dočasného souboru " + Quoted(path_) + " selhal", error);
            }
            bytes.remove_prefix(std::size_t(written));
        }
    }
    void CopyPermissions(mode_t mode) { (void)::fchmod(fd_, mode & 07777); }
    void Flush() {
        if (::fsync(fd_) != 0) {
            const int error = errno;
            Fail("dočasný soubor " + Quoted(path_) + " nelze uložit na disk", error);
        }
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            const int error = errno;
            Fail("dočasný soubor " + Quoted(path_) + " nelze uzavřít", error);
        }
    }
    void RenameOver(const fs::path& destination) {
        if (::rename(path_.c_str(), destination.c_str()) != 0) {
            const int error = errno;
            Fail(Quoted(destination) + " nelze nahradit novou verzí", error);
        }
        renamed_ = true;
    }

private:
    fs::path path_;
    int fd_ = -1;
    bool renamed_ = false;
};

// Makes the rename itself durable; the new bytes are already in place, so a failure is not reported.
void FlushFolder(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

void ReplaceFileAtomically(const fs::path& target, std::string_view bytes) {
    const fs::path destination = Destination(target);
    struct stat existing {};
    const bool exists = ::stat(destination.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            throw FileWriteError("na místě souboru " + Quoted(destination) + " je složka");
        if (!S_ISREG(existing.st_mode)) throw FileWriteError(Quoted(destination) + " není obyčejný soubor");
        if (::access(destination.c_str(), W_OK) != 0) {
            const int error = errno;
            Fail("soubor " + Quoted(destination) + " je jen pro čtení", error);
        }
    }
    TemporaryFile temporary(destination.string() + ".tmp");
    if (exists) temporary.CopyPermissions(existing.st_mode);
    temporary.Write(bytes);
    temporary.Flush();
    temporary.RenameOver(destination);
    FlushFolder(destination);
}

}  // namespace karvelo

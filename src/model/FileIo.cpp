#include "FileIo.h"

#include "FileError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace tarnell {

namespace {
std::string Describe(const std::filesystem::path& path, int error) {
    std::string text = "\"";
    text.append(path.string()).append("\": ").append(std::strerror(error));
    return text;
}

const char* KindOf(mode_t mode) {
    return S_ISDIR(mode)    ? "a folder"
           : S_ISFIFO(mode) ? "a pipe (FIFO)"
           : S_ISCHR(mode)  ? "a device"
           : S_ISBLK(mode)  ? "a device"
           : S_ISSOCK(mode) ? "a socket"
                            : "not a plain file";
}
} // namespace

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path, size_t maxSize,
                                   bool followLinks) {
    // Non-blocking, so that opening a FIFO without a writer returns at once; the kind of file
    // is checked on the descriptor itself, not on a name that may change in between.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY |
                                          (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        const int error = errno;
        if (error == ELOOP && !followLinks) {
            throw FileError("\"" + path.string() +
                            "\" is a symbolic link, which is not followed here. Put the file "
                            "itself in its place.");
        }
        throw FileError("Cannot open " + Describe(path, error));
    }
    struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        throw FileError("Cannot read " + Describe(path, errno));
    }
    if (!S_ISREG(st.st_mode)) {
        throw FileError("\"" + path.string() + "\" is " + KindOf(st.st_mode) +
                        ", not a file; only files can be read. Name a file.");
    }
    if (static_cast<uint64_t>(st.st_size) > maxSize) {
        throw FileError("\"" + path.string() + "\" is too large (" + std::to_string(st.st_size) +
                        " bytes) for what it should hold; at most " + std::to_string(maxSize) +
                        " bytes are read. Check that it is the right file.");
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // The size is taken again while reading: a file that grows meanwhile is cut off at the limit.
    std::vector<uint8_t> bytes(static_cast<size_t>(st.st_size));
    size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (bytes.size() > maxSize) {
                throw FileError("\"" + path.string() + "\" grew beyond " + std::to_string(maxSize) +
                                " bytes while it was read.");
            }
            bytes.resize(std::min(maxSize + 1, bytes.size() + 65536));
        }
        const ssize_t n = read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError("Cannot read " + Describe(path, errno));
        }
        if (n == 0) {
            break;
        }
        used += static_cast<size_t>(n);
    }
    bytes.resize(used);
    return bytes;
}

namespace {

[[noreturn]] void CannotWrite(const std::filesystem::path& path, int error) {
    throw FileError("Cannot write " + Describe(path, error) + ". The file was left as it was.");
}

// The file a save really replaces: a symbolic link is written through to the file it names, as
// editors do, so the link stays a link.
std::filesystem::path SaveTarget(const std::filesystem::path& path, bool followLinks) {
    if (path.empty()) {
        throw FileError("No file name was given to write to.");
    }
    std::filesystem::path target = std::filesystem::absolute(path);
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (lstat(target.c_str(), &st) != 0) {
            if (errno == ENOENT) {
                return target; // a new file
            }
            CannotWrite(path, errno);
        }
        if (S_ISREG(st.st_mode)) {
            return target;
        }
        if (!S_ISLNK(st.st_mode)) {
            throw FileError("\"" + path.string() + "\" is " + KindOf(st.st_mode) +
                            ", not a file, so nothing was written to it. Choose a file name.");
        }
        if (!followLinks) {
            throw FileError("\"" + path.string() +
                            "\" is a symbolic link, which is not written through here; nothing "
                            "was written. Put a file in its place.");
        }
        if (hops == 40) {
            CannotWrite(path, ELOOP);
        }
        std::error_code ec;
        const auto next = std::filesystem::read_symlink(target, ec);
        if (ec) {
            CannotWrite(path, ec.value());
        }
        target = (target.parent_path() / next).lexically_normal();
    }
}

void WriteAll(int fd, std::span<const uint8_t> bytes, const std::filesystem::path& path) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            CannotWrite(path, errno);
        }
        done += static_cast<size_t>(n);
    }
    if (fsync(fd) != 0) {
        CannotWrite(path, errno);
    }
}

std::string TemporaryName(const std::filesystem::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    char suffix[32];
    std::snprintf(suffix, sizeof(suffix), ".%d.%u.%u", static_cast<int>(getpid()),
                  counter.fetch_add(1), attempt);
    return (target.parent_path() / ("." + target.filename().string() + suffix)).string();
}

// An unnamed file in the target's folder, given a name only once it is complete, so that a save
// killed half-way leaves nothing behind. False where the file system cannot do this.
bool WriteThroughUnnamedFile(const std::filesystem::path& target, mode_t mode,
                             std::span<const uint8_t> bytes, const std::filesystem::path& path) {
    const int fd = open(target.parent_path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd < 0) {
        return false;
    }
    struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};
    if (fchmod(fd, mode) != 0) {
        CannotWrite(path, errno);
    }
    WriteAll(fd, bytes, path);
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string name = TemporaryName(target, attempt);
        if (linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) {
                continue;
            }
            return false; // no /proc here: the named way below does it
        }
        if (std::rename(name.c_str(), target.c_str()) != 0) {
            const int error = errno;
            unlink(name.c_str());
            CannotWrite(path, error);
        }
        return true;
    }
    return false;
}

void WriteThroughNamedFile(const std::filesystem::path& target, mode_t mode,
                           std::span<const uint8_t> bytes, const std::filesystem::path& path) {
    std::string name = "." + target.filename().string() + ".XXXXXX";
    std::string pattern = (target.parent_path() / name).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        CannotWrite(path, errno);
    }
    try {
        if (fchmod(fd, mode) != 0) {
            CannotWrite(path, errno);
        }
        WriteAll(fd, bytes, path);
    } catch (...) {
        close(fd);
        unlink(pattern.c_str());
        throw;
    }
    if (close(fd) != 0) {
        const int error = errno;
        unlink(pattern.c_str());
        CannotWrite(path, error);
    }
    if (std::rename(pattern.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(pattern.c_str());
        CannotWrite(path, error);
    }
}

} // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                         bool followLinks) {
    const std::filesystem::path target = SaveTarget(path, followLinks);
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat st {};
    const mode_t mode = stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    if (!WriteThroughUnnamedFile(target, mode, bytes, path)) {
        WriteThroughNamedFile(target, mode, bytes, path);
    }
    // The rename itself survives a power cut only once the folder is on disk.
    if (const int dir = open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        dir >= 0) {
        fsync(dir);
        close(dir);
    }
}

} // namespace tarnell

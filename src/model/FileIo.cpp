#include "FileIo.h"

#include "FileError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace tarnell {

namespace {
std::string Describe(const std::filesystem::path& path, int error) {
    std::string text = "\"";
    text.append(path.string()).append("\": ").append(std::strerror(error));
    return text;
}
} // namespace

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path, size_t maxSize) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw FileError("Cannot open " + Describe(path, errno));
    }
    std::vector<uint8_t> bytes;
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    if (!sizeError && size <= maxSize) {
        bytes.reserve(static_cast<size_t>(size));
    }
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof(buffer));
        const auto got = static_cast<size_t>(in.gcount());
        if (bytes.size() + got > maxSize) {
            throw FileError("\"" + path.string() + "\" is too large to be a settings file.");
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    if (in.bad()) {
        throw FileError("Cannot read " + Describe(path, errno));
    }
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    const std::filesystem::path target = std::filesystem::absolute(path);
    std::string name = ".";
    name.append(target.filename().string()).append(".XXXXXX");
    std::string pattern = (target.parent_path() / name).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        throw FileError("Cannot write " + Describe(path, errno));
    }
    auto fail = [&](int error) {
        close(fd);
        unlink(pattern.c_str());
        throw FileError("Cannot write " + Describe(path, error));
    };
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat st {};
    const mode_t mode = stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    if (fchmod(fd, mode) != 0) {
        fail(errno);
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    if (fsync(fd) != 0) {
        fail(errno);
    }
    if (close(fd) != 0) {
        const int error = errno;
        unlink(pattern.c_str());
        throw FileError("Cannot write " + Describe(path, error));
    }
    if (std::rename(pattern.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(pattern.c_str());
        throw FileError("Cannot write " + Describe(path, error));
    }
}

} // namespace tarnell

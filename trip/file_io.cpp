#include "trip/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace vx {

namespace {

void SetError(std::string* error, const std::string& what, const std::string& path) {
    if (error) *error = what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

ReadFileStatus ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out,
                             std::string* error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        bool missing = errno == ENOENT;
        SetError(error, "cannot open", path);
        return missing ? ReadFileStatus::Missing : ReadFileStatus::Unreadable;
    }
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (error) *error = "not a regular file: " + path;
        ::close(fd);
        return ReadFileStatus::Unreadable;
    }
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < out.size()) {
        ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            SetError(error, "cannot read", path);
            ::close(fd);
            return ReadFileStatus::Unreadable;
        }
        if (n == 0) break;  // the file shrank meanwhile
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    ::close(fd);
    return ReadFileStatus::Ok;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error) {
    std::string temp = path + ".tmp-XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        SetError(error, "cannot create", temp);
        return false;
    }
    bool ok = ::fchmod(fd, 0644) == 0;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (ok) ok = ::fsync(fd) == 0;
    if (!ok) SetError(error, "cannot write", temp);
    if (::close(fd) != 0 && ok) {
        ok = false;
        SetError(error, "cannot write", temp);
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        SetError(error, "cannot replace", path);
    }
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool FileExists(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectories(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return DirectoryExists(path);
}

}  // namespace vx

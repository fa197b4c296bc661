// SPDX-License-Identifier: MIT
#include "project/disk_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace project {
namespace {

std::string systemError() { return std::strerror(errno); }

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    [[nodiscard]] int get() const { return m_fd; }
    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    // Closes now and reports whether the close succeeded (a deferred write error shows here).
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

}  // namespace

FileReadResult readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes)
{
    FileReadResult result;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.isOpen()) {
        result.error = systemError();
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.error = systemError();
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = "not a regular file";
        return result;
    }
    result.totalBytes = static_cast<std::uintmax_t>(info.st_size);
    result.bytes.resize(maxBytes);
    std::size_t done = 0;
    while (done < maxBytes) {
        const ssize_t n = ::read(fd.get(), result.bytes.data() + done, maxBytes - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.error = systemError();
            result.bytes.clear();
            return result;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    result.bytes.resize(done);
    result.ok = true;
    return result;
}

FileWriteResult writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                                    const WriteFaults& faults)
{
    FileWriteResult result;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    FileDescriptor fd(::mkstemp(temp.data()));
    if (!fd.isOpen()) {
        result.error = systemError();
        return result;
    }
    auto fail = [&](std::string why) {
        fd.close();
        ::unlink(temp.c_str());
        result.error = std::move(why);
        return result;
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        std::size_t chunk = bytes.size() - done;
        if (done + chunk > faults.failAfterBytes) {
            chunk = faults.failAfterBytes > done ? faults.failAfterBytes - done : 0;
            if (chunk == 0) {
                return fail("no space left on device");
            }
        }
        const ssize_t n = ::write(fd.get(), bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(systemError());
        }
        done += static_cast<std::size_t>(n);
    }
    // Keep the permissions of the file we replace; a new file gets the usual 0666 & ~umask.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd.get(), old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd.get(), 0666 & ~mask);
    }
    if (::fsync(fd.get()) != 0) {
        return fail(systemError());
    }
    if (!fd.close()) {
        ::unlink(temp.c_str());
        result.error = systemError();
        return result;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        result.error = systemError();
        ::unlink(temp.c_str());
        return result;
    }
    result.ok = true;
    return result;
}

bool canCreateFilesIn(const std::filesystem::path& folder)
{
    // Asking for permission bits would say yes to root on a read-only mount and no where an
    // access list allows: only a real file answers.
    std::string probe = (folder / ".formwright-probe.XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace project

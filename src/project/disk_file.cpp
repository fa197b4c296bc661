// SPDX-License-Identifier: MIT
#include "project/disk_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <map>
#include <memory>
#include <thread>

#if defined(_WIN32)
// The Windows branch provides the section "What the layer asks of the system" below with the
// same names: CreateFileW/ReadFile/WriteFile, FlushFileBuffers for a file (there is no flush of
// a whole volume without administrator rights, so FlushesWholeFileSystem is false),
// MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH for the rename (which
// makes the folder flush a no-op), and _isatty(_fileno(stderr)).
#error "the Windows branch of the file layer is not written yet"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace project {
namespace {

// ---- What the layer asks of the system: POSIX. --------------------------------------------

// The message of errno; safe on the rename threads, unlike strerror.
std::string systemError() { return std::generic_category().message(errno); }

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&&) = delete;

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

// Linux flushes a whole file system in one call; elsewhere every file is flushed by itself.
#if defined(__linux__)
constexpr bool FlushesWholeFileSystem = true;
#else
constexpr bool FlushesWholeFileSystem = false;
#endif

using FileSystemId = dev_t;

// Threads that rename besides the caller's, for batches of 64 files or more each.
constexpr std::size_t RenameHelpers = 7;

std::filesystem::path folderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// Creates ".<name>.XXXXXX" beside `target`; a long name is cut so that the temporary name
// still fits in a folder entry (255 bytes).
FileDescriptor createTempBeside(const std::filesystem::path& target, std::string& tempPath)
{
    constexpr std::size_t MaxNameBytes = 255;
    constexpr std::size_t AddedBytes = 8;  // the leading dot and ".XXXXXX"
    std::string name = target.filename().string();
    name.resize(std::min(name.size(), MaxNameBytes - AddedBytes));
    tempPath = (folderOf(target) / ("." + name + ".XXXXXX")).string();
    return FileDescriptor(::mkstemp(tempPath.data()));
}

// Writes all of `bytes`; `budget` is what WriteFaults still allows and is counted down.
bool writeAll(int fd, std::span<const std::uint8_t> bytes, std::size_t& budget, std::string& error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t chunk = std::min(bytes.size() - done, budget);
        if (chunk == 0) {
            error = "no space left on device";
            return false;
        }
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = systemError();
            return false;
        }
        done += static_cast<std::size_t>(n);
        budget -= static_cast<std::size_t>(n);
    }
    return true;
}

// The permissions of the file that `fd` replaces, or those of a new file (0666 less the umask).
class Permissions
{
public:
    Permissions()
    {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        m_newFileMode = 0666 & ~mask;
    }
    void apply(int fd, const std::filesystem::path& target) const
    {
        struct stat old {};
        ::fchmod(fd, ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : m_newFileMode);
    }

private:
    mode_t m_newFileMode = 0;
};

bool flushFile(int fd, std::string& error)
{
    if (::fsync(fd) != 0) {
        error = systemError();
        return false;
    }
    return true;
}

FileSystemId fileSystemOf(int fd)
{
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? info.st_dev : FileSystemId{};
}

FileDescriptor openFolder(const std::filesystem::path& folder)
{
    return FileDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// Flushes the whole file system that holds the open folder. The folder must have been opened
// before the writes, so that a write-back error that happens in between is reported.
bool flushFileSystem([[maybe_unused]] const FileDescriptor& folder, std::string& error)
{
#if defined(__linux__)
    if (::syncfs(folder.get()) != 0) {
        error = systemError();
        return false;
    }
    return true;
#else
    error = "cannot flush a whole file system here";
    return false;
#endif
}

// Makes the renames inside a folder durable.
bool flushFolder(const std::filesystem::path& folder, std::string& error)
{
    const FileDescriptor fd = openFolder(folder);
    if (!fd.isOpen() || ::fsync(fd.get()) != 0) {
        error = systemError();
        return false;
    }
    return true;
}

bool renameOver(const std::string& temp, const std::filesystem::path& target, std::string& error)
{
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = systemError();
        return false;
    }
    return true;
}

void removeFile(const std::string& path) { ::unlink(path.c_str()); }

bool isTerminalStandardError() { return ::isatty(STDERR_FILENO) == 1; }

// ---- End of what the layer asks of the system. ---------------------------------------------

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
    std::string temp;
    FileDescriptor fd = createTempBeside(path, temp);
    if (!fd.isOpen()) {
        result.error = systemError();
        return result;
    }
    auto fail = [&](std::string why) {
        if (fd.isOpen()) {
            fd.close();
        }
        removeFile(temp);
        result.error = std::move(why);
        return result;
    };

    std::size_t budget = faults.failAfterBytes;
    std::string error;
    if (!writeAll(fd.get(), bytes, budget, error)) {
        return fail(error);
    }
    Permissions().apply(fd.get(), path);
    if (!flushFile(fd.get(), error)) {
        return fail(error);
    }
    if (!fd.close()) {
        return fail(systemError());
    }
    if (!renameOver(temp, path, error)) {
        return fail(error);
    }
    result.ok = true;
    return result;
}

std::vector<FileWriteResult> writeFilesAtomically(std::span<const BatchFile> files, const WriteFaults& faults)
{
    std::vector<FileWriteResult> results(files.size());
    struct Written
    {
        std::size_t index;
        std::string temp;
    };
    std::vector<Written> written;
    written.reserve(files.size());
    // One open folder per file system, opened before the first write to it.
    std::map<FileSystemId, FileDescriptor> fileSystems;
    const Permissions permissions;
    std::size_t budget = faults.failAfterBytes;
    std::string stopReason;

    for (std::size_t i = 0; i < files.size() && stopReason.empty(); ++i) {
        const BatchFile& file = files[i];
        FileWriteResult& result = results[i];
        std::string temp;
        FileDescriptor fd = createTempBeside(file.path, temp);
        if (!fd.isOpen()) {
            result.error = systemError();
            continue;
        }
        if constexpr (FlushesWholeFileSystem) {
            const FileSystemId id = fileSystemOf(fd.get());
            if (!fileSystems.contains(id)) {
                FileDescriptor folder = openFolder(folderOf(file.path));
                if (!folder.isOpen()) {
                    result.error = systemError();
                    fd.close();
                    removeFile(temp);
                    continue;
                }
                fileSystems.emplace(id, std::move(folder));
            }
        }
        std::string error;
        bool isWritten = writeAll(fd.get(), file.bytes, budget, error);
        if (isWritten) {
            permissions.apply(fd.get(), file.path);
            isWritten = FlushesWholeFileSystem || flushFile(fd.get(), error);
        }
        if (isWritten && !fd.close()) {
            error = systemError();
            isWritten = false;
        }
        if (!isWritten) {
            if (fd.isOpen()) {
                fd.close();
            }
            removeFile(temp);
            result.error = error;
            stopReason = error;
            break;
        }
        written.push_back({i, std::move(temp)});
    }
    if constexpr (FlushesWholeFileSystem) {
        for (const auto& [id, folder] : fileSystems) {
            std::string error;
            if (stopReason.empty() && !flushFileSystem(folder, error)) {
                stopReason = "cannot flush the file system: " + error;
            }
        }
    }
    if (!stopReason.empty()) {
        for (const Written& w : written) {
            removeFile(w.temp);
        }
        // The file whose write failed keeps its own reason.
        for (FileWriteResult& result : results) {
            if (result.error.empty()) {
                result.error = "not replaced: the batch stopped when a write failed (" + stopReason + ")";
            }
        }
        return results;
    }

    // A rename that replaces a file frees the old one, which on some file systems waits for the
    // device (a discard of its blocks); a few renames at once keep the device busy.
    std::vector<char> isRenamed(written.size(), 0);
    std::atomic<std::size_t> next{0};
    auto renameSome = [&] {
        for (std::size_t k = next++; k < written.size(); k = next++) {
            const Written& w = written[k];
            std::string error;
            if (renameOver(w.temp, files[w.index].path, error)) {
                isRenamed[k] = 1;
            } else {
                removeFile(w.temp);
                results[w.index].error = error;
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        const std::size_t helperCount = std::min<std::size_t>(RenameHelpers, written.size() / 64);
        try {
            for (std::size_t h = 0; h < helperCount; ++h) {
                helpers.emplace_back(renameSome);
            }
        } catch (const std::system_error&) {
            // No thread to be had: the helpers that started and this thread do the rest.
        }
        renameSome();
    }
    std::map<std::filesystem::path, std::vector<std::size_t>> renamedByFolder;
    for (std::size_t k = 0; k < written.size(); ++k) {
        if (isRenamed[k] != 0) {
            renamedByFolder[folderOf(files[written[k].index].path)].push_back(written[k].index);
        }
    }
    for (const auto& [folder, indexes] : renamedByFolder) {
        std::string error;
        const bool isFlushed = flushFolder(folder, error);
        for (const std::size_t index : indexes) {
            results[index].ok = isFlushed;
            if (!isFlushed) {
                results[index].error = "replaced, but its folder could not be flushed: " + error;
            }
        }
    }
    return results;
}

bool standardErrorIsTerminal() { return isTerminalStandardError(); }

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

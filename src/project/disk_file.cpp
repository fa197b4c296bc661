// SPDX-License-Identifier: MIT
#include "project/disk_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <string_view>
#include <thread>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>
#include <cstdio>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace project {
namespace {

std::filesystem::path folderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// Threads that rename besides the caller's, for batches of 64 files or more each.
constexpr std::size_t RenameHelpers = 7;

#if defined(_WIN32)
// ---- What the layer asks of the system: Windows. ------------------------------------------

std::string utf8FromWide(std::wstring_view wide)
{
    if (wide.empty()) {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string text(static_cast<std::size_t>(std::max(size, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr,
                          nullptr);
    return text;
}

// The system's own text for an error code, in English where the system has it. The errors that
// a user meets most get the same words as on the other systems, so messages read alike.
std::string errorText(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return std::generic_category().message(ENOENT);
    case ERROR_ACCESS_DENIED:
        return std::generic_category().message(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "no space left on device";
    default:
        break;
    }
    wchar_t* buffer = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD length = ::FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                    reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0) {
        length = ::FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    }
    if (length == 0 || buffer == nullptr) {
        return "system error " + std::to_string(code);
    }
    std::wstring_view text(buffer, length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.')) {
        text.remove_suffix(1);
    }
    std::string message = utf8FromWide(text);
    ::LocalFree(buffer);
    return message;
}

std::string systemError() { return errorText(::GetLastError()); }

using NativeHandle = HANDLE;

class FileDescriptor
{
public:
    explicit FileDescriptor(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {}
    ~FileDescriptor()
    {
        if (isOpen()) {
            ::CloseHandle(m_handle);
        }
    }
    FileDescriptor(FileDescriptor&& other) noexcept : m_handle(other.m_handle) { other.m_handle = INVALID_HANDLE_VALUE; }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&&) = delete;

    [[nodiscard]] HANDLE get() const { return m_handle; }
    [[nodiscard]] bool isOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool close()
    {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != 0;
    }

private:
    HANDLE m_handle;
};

// There is no flush of a whole volume without administrator rights: every file is flushed.
constexpr bool FlushesWholeFileSystem = false;
using FileSystemId = DWORD;

// A name nobody else picks: the process, the clock and a counter, mixed.
std::wstring uniqueSuffix()
{
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x = (static_cast<std::uint64_t>(::GetCurrentProcessId()) << 32) ^ ::GetTickCount64() ^
                      (counter++ * 0x9E3779B97F4A7C15ULL);
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBULL;
    x ^= x >> 31;
    static constexpr wchar_t Digits[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::wstring suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += Digits[x % 36];
        x /= 36;
    }
    return suffix;
}

// A new file takes the folder's default access list; the rename keeps the temporary's.
class Permissions
{
};

// Creates ".<name>.XXXXXX" beside `target` (binary, exclusive); a long name is cut so that the
// temporary name still fits in a folder entry (255 UTF-16 units).
FileDescriptor createTempBeside(const std::filesystem::path& target, std::filesystem::path& tempPath,
                                const Permissions& = {})
{
    constexpr std::size_t MaxNameUnits = 255;
    constexpr std::size_t AddedUnits = 8;
    std::wstring name = target.filename().wstring();
    if (name.size() > MaxNameUnits - AddedUnits) {
        name.resize(MaxNameUnits - AddedUnits);
        if (!name.empty() && name.back() >= 0xD800 && name.back() <= 0xDBFF) {
            name.pop_back();  // never half a character
        }
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folderOf(target) / (L"." + name + L"." + uniqueSuffix());
        const HANDLE handle = ::CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) {
            return FileDescriptor(handle);
        }
    }
    return FileDescriptor();
}

// Writes all of `bytes`; `budget` is what WriteFaults still allows and is counted down.
bool writeAll(HANDLE handle, std::span<const std::uint8_t> bytes, std::size_t& budget, std::string& error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t chunk = std::min({bytes.size() - done, budget, std::size_t{1} << 30});
        if (chunk == 0) {
            error = "no space left on device";
            return false;
        }
        DWORD n = 0;
        if (::WriteFile(handle, bytes.data() + done, static_cast<DWORD>(chunk), &n, nullptr) == 0) {
            error = systemError();
            return false;
        }
        done += n;
        budget -= n;
    }
    return true;
}

bool flushFile(HANDLE handle, std::string& error)
{
    if (::FlushFileBuffers(handle) == 0) {
        error = systemError();
        return false;
    }
    return true;
}

FileSystemId fileSystemOf(HANDLE) { return 0; }

FileDescriptor openFolder(const std::filesystem::path&) { return FileDescriptor(); }

bool flushFileSystem(const FileDescriptor&, std::string& error)
{
    error = "cannot flush a whole file system here";
    return false;
}

// The renames are written through (MOVEFILE_WRITE_THROUGH): nothing is left to flush.
bool flushFolder(const std::filesystem::path&, std::string&) { return true; }

bool isFolder(const std::filesystem::path& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool renameOver(const std::filesystem::path& temp, const std::filesystem::path& target, std::string& error)
{
    if (isFolder(target)) {
        error = std::generic_category().message(EISDIR);  // as rename() says elsewhere
        return false;
    }
    if (::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        error = systemError();
        return false;
    }
    return true;
}

void removeFile(const std::filesystem::path& path) { ::DeleteFileW(path.c_str()); }

bool isTerminalStandardError() { return ::_isatty(::_fileno(stderr)) != 0; }

// Opens for reading; others may read, write, rename or delete the file meanwhile. A folder
// opens too (and is then refused as not a regular file, as elsewhere).
FileDescriptor openForReading(const std::filesystem::path& path)
{
    return FileDescriptor(::CreateFileW(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// The size of the open regular file, or false with the reason.
bool regularFileSize(const FileDescriptor& fd, std::uintmax_t& size, std::string& error)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(fd.get(), &info) == 0) {
        error = systemError();
        return false;
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || ::GetFileType(fd.get()) != FILE_TYPE_DISK) {
        error = "not a regular file";
        return false;
    }
    size = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    return true;
}

// Reads up to `count` bytes; the number read, 0 at the end, -1 on an error.
std::ptrdiff_t readSome(const FileDescriptor& fd, std::uint8_t* data, std::size_t count)
{
    DWORD n = 0;
    const DWORD chunk = static_cast<DWORD>(std::min(count, std::size_t{1} << 30));
    if (::ReadFile(fd.get(), data, chunk, &n, nullptr) == 0) {
        return -1;
    }
    return static_cast<std::ptrdiff_t>(n);
}

#else
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

// The permissions a temporary file is created with: those of the file it replaces, or those of
// a new file (0666 less the umask).
class Permissions
{
public:
    Permissions()
    {
        m_mask = ::umask(0);
        ::umask(m_mask);
    }
    // The mode to create the temporary file of `target` with, and whether the umask may take
    // bits from it that the replaced file has, so that it must be set again once created.
    [[nodiscard]] mode_t modeFor(const std::filesystem::path& target, bool& isSetAgain) const
    {
        struct stat old {};
        if (::stat(target.c_str(), &old) != 0) {
            isSetAgain = false;
            return 0666;
        }
        const mode_t mode = old.st_mode & 07777;
        isSetAgain = (mode & ~m_mask) != mode || (mode & 07000) != 0;
        return mode;
    }

private:
    mode_t m_mask = 0;
};

// Six letters or digits that no other temporary name beside the target is likely to have; a
// name that is taken is simply drawn again.
std::string randomSuffix()
{
    static std::mutex lock;
    static std::mt19937_64 generator{std::random_device{}() ^
                                     (static_cast<std::uint64_t>(::getpid()) << 32)};
    static constexpr char Digits[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::lock_guard guard(lock);
    std::uint64_t x = generator();
    std::string suffix(6, '\0');
    for (char& c : suffix) {
        c = Digits[x % (sizeof Digits - 1)];
        x /= sizeof Digits - 1;
    }
    return suffix;
}

// Creates ".<name>.XXXXXX" beside `target` with the permissions of the file it replaces; a long
// name is cut so that the temporary name still fits in a folder entry (255 bytes).
FileDescriptor createTempBeside(const std::filesystem::path& target, std::filesystem::path& tempPath,
                                const Permissions& permissions = {})
{
    constexpr std::size_t MaxNameBytes = 255;
    constexpr std::size_t AddedBytes = 8;  // the leading dot and ".XXXXXX"
    std::string name = target.filename().string();
    name.resize(std::min(name.size(), MaxNameBytes - AddedBytes));
    const std::string stem = (folderOf(target) / ("." + name + ".")).string();
    bool isSetAgain = false;
    const mode_t mode = permissions.modeFor(target, isSetAgain);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = stem + randomSuffix();
        FileDescriptor fd(::open(tempPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (fd.isOpen()) {
            if (isSetAgain) {
                ::fchmod(fd.get(), mode);
            }
            return fd;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return FileDescriptor();
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

bool renameOver(const std::filesystem::path& temp, const std::filesystem::path& target, std::string& error)
{
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = systemError();
        return false;
    }
    return true;
}

void removeFile(const std::filesystem::path& path) { ::unlink(path.c_str()); }

bool isTerminalStandardError() { return ::isatty(STDERR_FILENO) == 1; }

FileDescriptor openForReading(const std::filesystem::path& path)
{
    return FileDescriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
}

// The size of the open regular file, or false with the reason.
bool regularFileSize(const FileDescriptor& fd, std::uintmax_t& size, std::string& error)
{
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        error = systemError();
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "not a regular file";
        return false;
    }
    size = static_cast<std::uintmax_t>(info.st_size);
    return true;
}

// Reads up to `count` bytes; the number read, 0 at the end, -1 on an error.
std::ptrdiff_t readSome(const FileDescriptor& fd, std::uint8_t* data, std::size_t count)
{
    for (;;) {
        const ssize_t n = ::read(fd.get(), data, count);
        if (n >= 0 || errno != EINTR) {
            return n;
        }
    }
}

#endif
// ---- End of what the layer asks of the system. ---------------------------------------------

}  // namespace

FileReadResult readFilePrefix(const std::filesystem::path& path, std::size_t maxBytes,
                              std::vector<std::uint8_t> buffer)
{
    FileReadResult result;
    result.bytes = std::move(buffer);
    result.bytes.clear();
    const FileDescriptor fd = openForReading(path);
    if (!fd.isOpen()) {
        result.error = systemError();
        return result;
    }
    if (!regularFileSize(fd, result.totalBytes, result.error)) {
        return result;
    }
    result.bytes.resize(maxBytes);
    std::size_t done = 0;
    while (done < maxBytes) {
        const std::ptrdiff_t n = readSome(fd, result.bytes.data() + done, maxBytes - done);
        if (n < 0) {
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
    std::filesystem::path temp;
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

struct FileBatch::State
{
    struct Written
    {
        std::size_t index;
        std::filesystem::path path;
        std::filesystem::path temp;
    };
    std::vector<FileWriteResult> results;
    std::vector<Written> written;
    // One open folder per file system, opened before the first write to it.
    std::map<FileSystemId, FileDescriptor> fileSystems;
    std::filesystem::path lastFolder;  // the folder of the last file added, known to be in fileSystems
    Permissions permissions;
    std::size_t budget;
    std::string stopReason;
    bool isCommitted = false;

    explicit State(const WriteFaults& faults) : budget(faults.failAfterBytes) {}

    void removeTemporaries()
    {
        for (const Written& w : written) {
            removeFile(w.temp);
        }
        written.clear();
    }

    // Remembers the file system of a new folder, so that commit() can flush it.
    bool knowsFileSystemOf(const std::filesystem::path& target, const FileDescriptor& fd)
    {
        if constexpr (FlushesWholeFileSystem) {
            std::filesystem::path folder = folderOf(target);
            if (folder == lastFolder) {
                return true;
            }
            const FileSystemId id = fileSystemOf(fd.get());
            if (!fileSystems.contains(id)) {
                FileDescriptor opened = openFolder(folder);
                if (!opened.isOpen()) {
                    return false;
                }
                fileSystems.emplace(id, std::move(opened));
            }
            lastFolder = std::move(folder);
        }
        return true;
    }
};

FileBatch::FileBatch(const WriteFaults& faults) : m_state(std::make_unique<State>(faults)) {}

FileBatch::~FileBatch()
{
    if (!m_state->isCommitted) {
        m_state->removeTemporaries();
    }
}

bool FileBatch::hasStopped() const { return !m_state->stopReason.empty(); }

FileWriteResult FileBatch::add(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    State& state = *m_state;
    FileWriteResult& result = state.results.emplace_back();
    if (hasStopped() || state.isCommitted) {
        return result;  // commit() gives the reason
    }
    std::filesystem::path temp;
    FileDescriptor fd = createTempBeside(path, temp, state.permissions);
    if (!fd.isOpen()) {
        result.error = systemError();
        return result;
    }
    if (!state.knowsFileSystemOf(path, fd)) {
        result.error = systemError();
        fd.close();
        removeFile(temp);
        return result;
    }
    std::string error;
    bool isWritten = writeAll(fd.get(), bytes, state.budget, error);
    if (isWritten) {
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
        state.stopReason = error;
        return result;
    }
    state.written.push_back({state.results.size() - 1, path, std::move(temp)});
    result.ok = true;
    return result;
}

std::vector<FileWriteResult> FileBatch::commit()
{
    State& state = *m_state;
    std::vector<FileWriteResult>& results = state.results;
    if (state.isCommitted) {
        return results;
    }
    state.isCommitted = true;
    for (FileWriteResult& result : results) {
        result.ok = false;  // until renamed and flushed
    }
    if constexpr (FlushesWholeFileSystem) {
        for (const auto& [id, folder] : state.fileSystems) {
            std::string error;
            if (state.stopReason.empty() && !flushFileSystem(folder, error)) {
                state.stopReason = "cannot flush the file system: " + error;
            }
        }
    }
    if (!state.stopReason.empty()) {
        state.removeTemporaries();
        // The file whose write failed keeps its own reason.
        for (FileWriteResult& result : results) {
            if (result.error.empty()) {
                result.error = "not replaced: the batch stopped when a write failed (" + state.stopReason + ")";
            }
        }
        return results;
    }

    // A rename that replaces a file frees the old one, which on some file systems waits for the
    // device (a discard of its blocks); a few renames at once keep the device busy.
    const std::vector<State::Written>& written = state.written;
    std::vector<char> isRenamed(written.size(), 0);
    std::atomic<std::size_t> next{0};
    auto renameSome = [&] {
        for (std::size_t k = next++; k < written.size(); k = next++) {
            const State::Written& w = written[k];
            std::string error;
            if (renameOver(w.temp, w.path, error)) {
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
            renamedByFolder[folderOf(written[k].path)].push_back(written[k].index);
        }
    }
    state.written.clear();
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

std::vector<FileWriteResult> writeFilesAtomically(std::span<const BatchFile> files, const WriteFaults& faults)
{
    FileBatch batch(faults);
    for (const BatchFile& file : files) {
        (void)batch.add(file.path, file.bytes);
    }
    return batch.commit();
}

bool standardErrorIsTerminal() { return isTerminalStandardError(); }

bool canCreateFilesIn(const std::filesystem::path& folder)
{
    // Asking for permission bits would say yes to root on a read-only mount and no where an
    // access list allows: only a real file answers.
    std::filesystem::path probe;
    FileDescriptor fd = createTempBeside(folder / "formwright-probe", probe);
    if (!fd.isOpen()) {
        return false;
    }
    fd.close();
    removeFile(probe);
    return true;
}

std::filesystem::path pathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8Of(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::vector<std::string> utf8Arguments(int argc, char** argv)
{
#if defined(_WIN32)
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide != nullptr) {
        std::vector<std::string> arguments;
        for (int i = 0; i < count; ++i) {
            arguments.push_back(utf8FromWide(wide[i]));
        }
        ::LocalFree(wide);
        return arguments;
    }
#endif
    return {argv, argv + argc};
}

void useBinaryStandardOutput()
{
#if defined(_WIN32)
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    ::SetConsoleOutputCP(CP_UTF8);
#endif
}

}  // namespace project

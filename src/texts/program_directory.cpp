// SPDX-License-Identifier: MIT
#include "texts/program_directory.h"

#include <string>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace texts {
namespace {

struct Location
{
    std::filesystem::path override;
    std::string argv0;
};

Location& location()
{
    static Location where;
    return where;
}

std::filesystem::path executablePath()
{
#if defined(_WIN32)
    std::wstring buffer(32768, L'\0');
    const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0 || n >= buffer.size()) {
        return {};
    }
    buffer.resize(n);
    return std::filesystem::path(buffer);
#elif defined(__APPLE__)
    std::uint32_t size = 0;
    ::_NSGetExecutablePath(nullptr, &size);
    std::string buffer(size, '\0');
    if (::_NSGetExecutablePath(buffer.data(), &size) != 0) {
        return {};
    }
    buffer.resize(buffer.find('\0'));
    std::error_code ec;
    const auto resolved = std::filesystem::weakly_canonical(buffer, ec);
    return ec ? std::filesystem::path(buffer) : resolved;
#else
    std::error_code ec;
    const auto target = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path{} : target;
#endif
}

std::filesystem::path currentDirectory()
{
    std::error_code ec;
    const auto cwd = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(".") : cwd;
}

}  // namespace

void setProgramPath(std::string_view argv0) { location().argv0 = std::string(argv0); }

void setProgramDirectoryOverride(const std::filesystem::path& directory)
{
    location().override = directory;
}

std::filesystem::path programDirectory()
{
    if (!location().override.empty()) {
        return location().override;
    }
    if (const auto exe = executablePath(); exe.has_parent_path() && exe.is_absolute()) {
        return exe.parent_path();
    }
    const std::filesystem::path argv0(location().argv0);
    if (argv0.has_parent_path()) {
        std::error_code ec;
        const auto absolute = std::filesystem::absolute(argv0, ec);
        return ec ? argv0.parent_path() : absolute.parent_path();
    }
    return currentDirectory();
}

}  // namespace texts

#include "io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vostrel::cli {

namespace {

std::string Describe(const std::string &path, int error)
{
    const std::string name = path == "-" ? std::string("standard input") : path;
    return name + ": " + std::strerror(error);
}

} // namespace

std::string StreamFile(const std::string &path, const std::function<bool(std::string_view)> &feed)
{
    std::FILE *file = nullptr;
    if (path == "-") {
        file = stdin;
#ifdef _WIN32
        _setmode(_fileno(stdin), _O_BINARY);
#endif
    } else {
        file = std::fopen(path.c_str(), "rb");
        if (!file)
            return Describe(path, errno);
    }

    std::vector<char> buffer(std::size_t{1} << 16);
    std::uint64_t total = 0;
    std::string error;
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        if (got > 0) {
            total += got;
            if (total > kMaxInputBytes) {
                error = (path == "-" ? std::string("standard input") : path) + ": more than 1 GiB of input";
                break;
            }
            if (!feed(std::string_view(buffer.data(), got)))
                break;
        }
        if (got < buffer.size()) {
            if (std::ferror(file))
                error = Describe(path, errno ? errno : EIO);
            break;
        }
    }
    if (file != stdin)
        std::fclose(file);
    return error;
}

bool WriteStdout(std::string_view bytes)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size())
        return false;
    return std::fflush(stdout) == 0;
}

#ifndef _WIN32

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::string WriteFileReplacing(const std::string &path, std::string_view bytes)
{
    if (path == "-")
        return WriteStdout(bytes) ? std::string() : Describe("standard output", errno);

    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Describe(path, errno);

    // mkstemp makes the file private; give it the mode a plain create would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    int error = 0;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return Describe(path, error);
    }
    return {};
}

#else

std::string WriteFileReplacing(const std::string &path, std::string_view bytes)
{
    if (path == "-")
        return WriteStdout(bytes) ? std::string() : Describe("standard output", errno);
    const std::string temp = path + ".part";
    std::FILE *file = std::fopen(temp.c_str(), "wb");
    if (!file)
        return Describe(path, errno);
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    std::error_code ec;
    if (ok)
        std::filesystem::rename(temp, path, ec);
    if (!ok || ec) {
        std::remove(temp.c_str());
        return Describe(path, ok ? ec.value() : errno);
    }
    return {};
}

#endif

} // namespace vostrel::cli

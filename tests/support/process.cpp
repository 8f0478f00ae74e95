#include "process.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vostrel::test {

TProcessResult RunProcess(const std::vector<std::string> &argv, const TProcessOptions &options)
{
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0)
        throw std::runtime_error("pipe failed");

    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            close(fd);
        signal(SIGPIPE, SIG_DFL);
        for (const std::string &entry : options.environment)
            putenv(strdup(entry.c_str()));
        if (options.inChild)
            options.inChild();
        std::vector<char *> args;
        for (const std::string &arg : argv)
            args.push_back(const_cast<char *>(arg.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);

    // Feed and drain at once, so a large input or output cannot deadlock.
    signal(SIGPIPE, SIG_IGN);
    TProcessResult result;
    std::size_t written = 0; // of the current copy of the input
    std::size_t copiesLeft = options.input.empty() ? 0 : options.inputRepeat;
    int inFd = in[1];
    if (copiesLeft == 0) {
        close(inFd);
        inFd = -1;
    }
    int outFd = out[0], errFd = err[0];
    char buffer[1 << 16];
    while (outFd >= 0 || errFd >= 0) {
        pollfd fds[3] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}, {inFd, POLLOUT, 0}};
        if (poll(fds, 3, -1) < 0 && errno != EINTR)
            break;
        for (int k = 0; k < 2; ++k) {
            int &fd = k == 0 ? outFd : errFd;
            if (fd >= 0 && (fds[k].revents & (POLLIN | POLLHUP | POLLERR))) {
                const ssize_t n = read(fd, buffer, sizeof buffer);
                if (n > 0) {
                    (k == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(n));
                } else {
                    close(fd);
                    fd = -1;
                }
            }
        }
        if (inFd >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t n = write(inFd, options.input.data() + written,
                                    std::min<std::size_t>(options.input.size() - written, 1 << 16));
            if (n > 0)
                written += static_cast<std::size_t>(n);
            if (written == options.input.size()) {
                written = 0;
                --copiesLeft;
            }
            if (n < 0 || copiesLeft == 0) {
                close(inFd);
                inFd = -1;
            }
        }
    }
    if (inFd >= 0)
        close(inFd);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    result.peakKb = usage.ru_maxrss;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

std::string ReadFileBytes(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteFileBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TTempDir::TTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vostrel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TTempDir::~TTempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace vostrel::test

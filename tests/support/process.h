// Runs a program the way a shell would and collects what it printed, so that
// the built binaries can be tested end to end.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vostrel::test {

struct TProcessResult {
    std::string out;
    std::string err;
    int status = -1; // exit status, or 128 + signal number
    long peakKb = 0; // the child's peak resident memory
};

struct TProcessOptions {
    std::string input;                    // written to standard input, then closed
    std::size_t inputRepeat = 1;          // how many times input is written: huge
                                          // input without holding it here
    std::vector<std::string> environment; // extra NAME=value entries
    std::function<void()> inChild;        // runs in the child before exec
};

TProcessResult RunProcess(const std::vector<std::string> &argv, const TProcessOptions &options = {});

// Reads a whole file; a missing file reads as "<missing>".
std::string ReadFileBytes(const std::string &path);
void WriteFileBytes(const std::string &path, const std::string &bytes);

// A fresh folder under the system's temporary folder, removed by the destructor.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir &) = delete;
    TTempDir &operator=(const TTempDir &) = delete;
    const std::string &path() const { return path_; }
    std::string operator/(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

} // namespace vostrel::test

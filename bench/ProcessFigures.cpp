#include "ProcessFigures.hpp"

#include <dirent.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace zolbench {

namespace {

struct DirectoryCloser {
    void operator()(DIR* directory) const noexcept { closedir(directory); }
};

// A "Name:   1234 kB" line of /proc/self/status, in bytes; 0 when absent.
std::uint64_t statusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, field.size() + 1, field + ":") == 0) {
            std::istringstream value(line.substr(field.size() + 1));
            std::uint64_t kilobytes = 0;
            value >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

}  // namespace

std::uint64_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::uint64_t sizePages = 0;
    std::uint64_t residentPages = 0;
    statm >> sizePages >> residentPages;
    return residentPages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

std::uint64_t peakResidentBytes() {
    return statusKilobytes("VmHWM");
}

bool resetPeakResident() {
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5" << std::flush;
    return clearRefs.good();
}

std::size_t threadCount() {
    std::unique_ptr<DIR, DirectoryCloser> tasks(opendir("/proc/self/task"));
    std::size_t count = 0;
    if (tasks) {
        while (const dirent* entry = readdir(tasks.get())) {
            count += entry->d_name[0] != '.';
        }
    }
    return count;
}

}  // namespace zolbench

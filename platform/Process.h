#pragma once
// Starting an external program and waiting for it with a time-out.

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zorv {

class RunningProcess {
public:
    virtual ~RunningProcess() = default;
    // True when the program ended within the time-out.
    virtual bool waitFor(std::chrono::milliseconds timeout) = 0;
    virtual void kill() = 0;
};

class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    // The started program, or nothing when it cannot be started.
    virtual std::unique_ptr<RunningProcess> start(const std::filesystem::path& program,
                                                  const std::vector<std::string>& args,
                                                  const std::filesystem::path& folder) = 0;
};

} // namespace zorv

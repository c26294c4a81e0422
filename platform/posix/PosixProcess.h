#pragma once
// Programs started with fork and exec, in a given folder.

#include "platform/Process.h"

namespace zorv {

class PosixProcessRunner : public ProcessRunner {
public:
    std::unique_ptr<RunningProcess> start(const std::filesystem::path& program,
                                          const std::vector<std::string>& args,
                                          const std::filesystem::path& folder) override;
};

} // namespace zorv

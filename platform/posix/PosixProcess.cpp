#include "platform/posix/PosixProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zorv {

namespace {

class PosixProcess : public RunningProcess {
public:
    explicit PosixProcess(pid_t pid) : pid_(pid) {}
    ~PosixProcess() override {
        if (!ended_) {
            kill();
        }
    }
    bool waitFor(std::chrono::milliseconds timeout) override {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!ended_) {
            int status = 0;
            const pid_t r = ::waitpid(pid_, &status, WNOHANG);
            if (r == pid_ || (r < 0 && errno != EINTR)) {
                ended_ = true;
                break;
            }
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }
    void kill() override {
        if (ended_)
            return;
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        ended_ = true;
    }

private:
    pid_t pid_;
    bool ended_ = false;
};

} // namespace

std::unique_ptr<RunningProcess> PosixProcessRunner::start(const std::filesystem::path& program,
                                                          const std::vector<std::string>& args,
                                                          const std::filesystem::path& folder) {
    // The child reports a failed exec through this pipe; a clean exec closes it empty.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return nullptr;
    std::vector<std::string> argv0{program.string()};
    argv0.insert(argv0.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argv0)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return nullptr;
    }
    if (pid == 0) {
        int err = 0;
        if (::chdir(folder.c_str()) == 0)
            ::execv(argv[0], argv.data());
        err = errno;
        (void)!::write(report[1], &err, sizeof err);
        ::_exit(127);
    }
    ::close(report[1]);
    int err = 0;
    const ssize_t n = ::read(report[0], &err, sizeof err);
    ::close(report[0]);
    if (n > 0) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return nullptr;
    }
    return std::make_unique<PosixProcess>(pid);
}

} // namespace zorv

#pragma once
// One worker thread at a time, guarded by a busy value (0 idle, else the kind of transfer).

#include <atomic>
#include <functional>
#include <thread>

namespace zorv {

class TransferWorker {
public:
    ~TransferWorker() { wait(); }
    int busy() const { return busy_.load(); }
    // False (nothing started) while a transfer runs. The busy value returns to 0 when `work`
    // ends.
    bool start(int kind, std::function<void()> work) {
        int idle = 0;
        if (!busy_.compare_exchange_strong(idle, kind))
            return false;
        if (thread_.joinable())
            thread_.join();
        thread_ = std::thread([this, work = std::move(work)] {
            work();
            busy_.store(0);
        });
        return true;
    }
    void wait() {
        if (thread_.joinable())
            thread_.join();
    }

private:
    std::atomic<int> busy_{0};
    std::thread thread_;
};

} // namespace zorv

#pragma once
// A transfer observer for the terminal: status lines on standard output, a progress bar on a
// terminal's standard error, Yes/No questions asked on the terminal or answered by --yes/--no.

#include <optional>

#include "comm/TransferObserver.h"

namespace zorv::cli {

class TransferConsole : public TransferObserver {
public:
    explicit TransferConsole(std::optional<bool> answer) : answer_(answer) {}
    void status(const std::string& text) override;
    void progress(int percent) override;
    PromptAnswer ask(const std::string& text, PromptButtons buttons) override;
    void finished(bool success) override { succeeded_ = success; }
    bool succeeded() const { return succeeded_; }

private:
    std::optional<bool> answer_;
    bool barShown_ = false;
    bool succeeded_ = false;
};

} // namespace zorv::cli

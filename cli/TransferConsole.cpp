#include "cli/TransferConsole.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace zorv::cli {

void TransferConsole::status(const std::string& text) {
    if (barShown_) {
        std::fputs("\n", stderr);
        barShown_ = false;
    }
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}

void TransferConsole::progress(int percent) {
    if (!::isatty(STDERR_FILENO))
        return;
    const int filled = percent * 40 / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(std::size_t(filled), '#').c_str(),
                 std::string(std::size_t(40 - filled), ' ').c_str(), percent);
    barShown_ = true;
}

PromptAnswer TransferConsole::ask(const std::string& text, PromptButtons buttons) {
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
    if (buttons == PromptButtons::Ok)
        return PromptAnswer::Ok;
    if (answer_)
        return *answer_ ? PromptAnswer::Yes : PromptAnswer::No;
    std::printf("[y/n] ");
    std::fflush(stdout);
    std::string line;
    if (!std::getline(std::cin, line))
        return PromptAnswer::No;
    return !line.empty() && (line[0] == 'y' || line[0] == 'Y') ? PromptAnswer::Yes
                                                               : PromptAnswer::No;
}

} // namespace zorv::cli

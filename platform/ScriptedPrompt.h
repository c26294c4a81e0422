#pragma once
// A prompt for tests and batch runs: records every text, answers from a queue (Ok, or the
// fallback answer, once the queue is empty).

#include <deque>
#include <vector>

#include "platform/Prompt.h"

namespace zorv {

class ScriptedPrompt : public Prompt {
public:
    explicit ScriptedPrompt(std::deque<PromptAnswer> answers = {},
                            PromptAnswer fallback = PromptAnswer::Ok)
        : answers_(std::move(answers)), fallback_(fallback) {}

    PromptAnswer ask(const std::string& text, PromptButtons buttons) override {
        texts.push_back(text);
        if (buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        if (answers_.empty())
            return fallback_;
        PromptAnswer a = answers_.front();
        answers_.pop_front();
        return a;
    }

    std::vector<std::string> texts;

private:
    std::deque<PromptAnswer> answers_;
    PromptAnswer fallback_;
};

} // namespace zorv

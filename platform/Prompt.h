#pragma once
// Message boxes. The texts are the system's own and are passed unchanged.

#include <string>

namespace zorv {

enum class PromptButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual PromptAnswer ask(const std::string& text, PromptButtons buttons) = 0;

    void message(const std::string& text) { ask(text, PromptButtons::Ok); }
    bool yes(const std::string& text) {
        return ask(text, PromptButtons::YesNo) == PromptAnswer::Yes;
    }
    // A Yes/No question whose two buttons carry words of their own ("Reload", "Keep mine");
    // true for the first. Where a prompt shows no such words, the question is a plain Yes/No.
    virtual bool choose(const std::string& text, const std::string& yesLabel,
                        const std::string& noLabel) {
        (void)yesLabel;
        (void)noLabel;
        return yes(text);
    }
};

} // namespace zorv

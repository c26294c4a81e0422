#pragma once
// What a transfer worker tells its dialog: the status line, the progress bar, message boxes and
// Yes/No questions (the Prompt side; a question blocks the worker until it is answered).

#include <string>

#include "platform/Prompt.h"

namespace zorv {

class TransferObserver : public Prompt {
public:
    virtual void status(const std::string& text) = 0;
    virtual void progress(int percent) = 0;
    // The worker is about to end; `success` when every step it ran succeeded.
    virtual void finished(bool success) {}
};

} // namespace zorv

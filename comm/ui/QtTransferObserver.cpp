#include "comm/ui/QtTransferObserver.h"

#include <QThread>
#include <memory>
#include <optional>

namespace zorv {

namespace {

// The answer a dismissed message box gives.
PromptAnswer cancellingAnswer(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Cancel;
    }
}

} // namespace

QtTransferObserver::QtTransferObserver(Prompt& prompt, QObject* parent)
    : QObject(parent), prompt_(prompt) {}

// Emitted from the worker, these signals are queued to the dialog's thread in their order.
void QtTransferObserver::status(const std::string& text) {
    emit statusChanged(QString::fromStdString(text));
}

void QtTransferObserver::progress(int percent) {
    emit progressChanged(percent);
}

void QtTransferObserver::finished(bool success) {
    emit transferFinished(success);
}

PromptAnswer QtTransferObserver::ask(const std::string& text, PromptButtons buttons) {
    if (QThread::currentThread() == thread())
        return prompt_.ask(text, buttons);

    auto answer = std::make_shared<std::optional<PromptAnswer>>();
    {
        std::lock_guard lock(mutex_);
        if (abandoned_)
            return cancellingAnswer(buttons);
        waiting_ = true;
    }
    QMetaObject::invokeMethod(
        this,
        [this, answer, text, buttons] {
            {
                std::lock_guard lock(mutex_);
                if (abandoned_)
                    return;
            }
            const PromptAnswer given = prompt_.ask(text, buttons);
            std::lock_guard lock(mutex_);
            *answer = given;
            answered_.notify_all();
        },
        Qt::QueuedConnection);

    std::unique_lock lock(mutex_);
    answered_.wait(lock, [&] { return answer->has_value() || abandoned_; });
    waiting_ = false;
    return answer->value_or(cancellingAnswer(buttons));
}

void QtTransferObserver::abandon() {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    answered_.notify_all();
}

bool QtTransferObserver::questionPending() const {
    std::lock_guard lock(mutex_);
    return waiting_;
}

} // namespace zorv

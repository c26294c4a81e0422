#pragma once
// The device dialogs' transfer observer: status and progress reach the user-interface thread
// through queued signals; questions and message boxes are asked there, through the dialog's
// Prompt, while the worker waits. A call made on the user-interface thread itself (the opening
// and button checks) is answered directly.

#include <QObject>
#include <QString>
#include <condition_variable>
#include <mutex>

#include "comm/TransferObserver.h"

namespace zorv {

class QtTransferObserver : public QObject, public TransferObserver {
    Q_OBJECT
public:
    // Made on the user-interface thread; `prompt` is used only there.
    explicit QtTransferObserver(Prompt& prompt, QObject* parent = nullptr);

    void status(const std::string& text) override;
    void progress(int percent) override;
    void finished(bool success) override;
    PromptAnswer ask(const std::string& text, PromptButtons buttons) override;

    // The dialog goes: a question waiting for its turn, and every later one, gets the answer
    // that cancels (Ok, No, Cancel) without a window, so the worker ends and can be joined.
    void abandon();
    // A worker waits for the answer to a question.
    bool questionPending() const;

signals:
    void statusChanged(const QString& text);
    void progressChanged(int percent);
    void transferFinished(bool success);

private:
    Prompt& prompt_;
    mutable std::mutex mutex_;
    std::condition_variable answered_;
    bool abandoned_ = false;
    bool waiting_ = false;
};

} // namespace zorv

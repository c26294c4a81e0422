#pragma once
// A file chooser for tests: records every caption and answers each call from a queue (an empty
// text, as a cancelled chooser gives, once the queue is empty).

#include <QStringList>
#include <deque>

#include "platform/qt/FileChooser.h"

namespace zorv {

class ScriptedFileChooser : public FileChooser {
public:
    explicit ScriptedFileChooser(std::deque<QString> answers = {}) : answers(std::move(answers)) {}

    QString openFile(QWidget*, const QString& caption, const QString& start,
                     const QString& filter) override {
        return answer(caption, start, filter);
    }
    QString saveFile(QWidget*, const QString& caption, const QString& start,
                     const QString& filter) override {
        return answer(caption, start, filter);
    }
    QString folder(QWidget*, const QString& caption, const QString& start) override {
        return answer(caption, start, {});
    }

    std::deque<QString> answers;
    QStringList captions, starts, filters;

private:
    QString answer(const QString& caption, const QString& start, const QString& filter) {
        captions << caption;
        starts << start;
        filters << filter;
        if (answers.empty())
            return {};
        QString a = answers.front();
        answers.pop_front();
        return a;
    }
};

} // namespace zorv

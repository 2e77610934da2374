#pragma once

#include "data/Interaction.h"

#include <QList>
#include <QString>
#include <deque>
#include <functional>

// A scripted user, for tests and headless runs: it records every message and
// question, answers questions from a queue (or the default button when the queue
// is empty) and reports cancellation when a condition says so.
class ScriptedInteraction : public Interaction {
public:
    struct Said {
        QString text;
        QString caption;
        Icon icon = Icon::None;
        bool question = false;
    };

    void message(const QString &text, const QString &caption, Icon icon) override
    {
        said.push_back({text, caption, icon, false});
    }
    Button question(const QString &text, const QString &caption, int, Button defaultButton) override
    {
        said.push_back({text, caption, Icon::Question, true});
        if (answers.empty())
            return defaultButton;
        const Button b = answers.front();
        answers.pop_front();
        return b;
    }
    void progress(int value, int maximum, const QString &label) override
    {
        lastProgress = value;
        lastMaximum = maximum;
        if (!label.isEmpty())
            lastLabel = label;
    }
    bool cancelled() override { return cancelWhen && cancelWhen(); }

    QStringList texts() const
    {
        QStringList r;
        for (const auto &s : said)
            r << s.text;
        return r;
    }

    QList<Said> said;
    std::deque<Button> answers;
    std::function<bool()> cancelWhen;
    int lastProgress = 0;
    int lastMaximum = 0;
    QString lastLabel;
};

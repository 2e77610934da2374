#pragma once

#include "data/Interaction.h"

#include <QString>
#include <QtGlobal>
#include <stdexcept>

// Progress of writing the demo town, row by row over both databases, told to the
// user in steps; it also asks whether the user wants to stop.
class DemoProgress {
public:
    // Thrown when the user stops the generation.
    struct Cancelled : std::runtime_error {
        Cancelled() : std::runtime_error("cancelled") {}
    };

    DemoProgress(Interaction &ui, qint64 total) : m_ui(ui), m_total(std::max<qint64>(1, total)) {}

    void stage(const QString &label)
    {
        m_label = label;
        report();
    }
    void tick()
    {
        if (++m_done % 2000 == 0)
            report();
    }

private:
    void report()
    {
        m_ui.progress(int(m_done * 1000 / m_total), 1000, m_label);
        if (m_ui.cancelled())
            throw Cancelled();
    }

    Interaction &m_ui;
    qint64 m_total;
    qint64 m_done = 0;
    QString m_label;
};

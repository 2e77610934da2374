#pragma once

#include "data/Interaction.h"

// For work that has no one to talk to: messages are dropped, questions take their
// default, nothing is ever cancelled.
class SilentInteraction : public Interaction {
public:
    void message(const QString &, const QString &, Icon) override {}
    Button question(const QString &, const QString &, int, Button defaultButton) override { return defaultButton; }
    void progress(int, int, const QString &) override {}
    bool cancelled() override { return false; }
};

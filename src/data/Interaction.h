#pragma once

#include <QString>

// How the program's logic talks to the user. The windows, the command line and
// the tests each implement it; the logic never knows which one it talks to.
// Texts and captions come from the logic exactly as the user must read them.
class Interaction {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Button { None = 0, Ok = 1, Yes = 2, No = 4, Cancel = 8 };

    virtual ~Interaction() = default;

    virtual void message(const QString &text, const QString &caption, Icon icon) = 0;
    // `buttons` is an or-ed set of Button; returns the button chosen.
    virtual Button question(const QString &text, const QString &caption, int buttons, Button defaultButton) = 0;
    // Progress of long work; maximum 0 means unknown length. An empty label keeps
    // the current one.
    virtual void progress(int value, int maximum, const QString &label = {}) = 0;
    // Polled between steps of long work: true once the user asked to stop.
    virtual bool cancelled() = 0;
};

constexpr int operator|(Interaction::Button a, Interaction::Button b) { return int(a) | int(b); }
constexpr int operator|(int a, Interaction::Button b) { return a | int(b); }

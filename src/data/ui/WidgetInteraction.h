#pragma once

#include "data/Interaction.h"

#include <QPointer>
#include <functional>

class QProgressDialog;
class QWidget;

// The user as the windows meet him: message boxes with the caption, icon and
// buttons the logic asks for, and progress either in a small modal dialog with a
// "Cancelar" button or, when a window shows progress itself, through a callback.
//
// With the environment variable DIARIO_BOXES_TO_STDERR set, boxes are written to
// stderr as "[caption] (icon) text" and questions take their default button, so a
// script or a test can run the program end to end without anyone to click.
class WidgetInteraction : public Interaction {
public:
    using ProgressCallback = std::function<void(int value, int maximum, const QString &label)>;

    explicit WidgetInteraction(QWidget *parent = nullptr);
    ~WidgetInteraction() override;
    WidgetInteraction(const WidgetInteraction &) = delete;
    WidgetInteraction &operator=(const WidgetInteraction &) = delete;

    void message(const QString &text, const QString &caption, Icon icon) override;
    Button question(const QString &text, const QString &caption, int buttons, Button defaultButton) override;
    void progress(int value, int maximum, const QString &label = {}) override;
    bool cancelled() override;

    // Boxes are centred on this window (none: on the screen).
    void setParent(QWidget *parent);
    // Progress goes to the window's own bar instead of the dialog.
    void setProgressCallback(ProgressCallback callback);
    // For a window whose own cancel button or Escape stops the work.
    void requestCancel() { m_cancelRequested = true; }
    // Closes the progress dialog and forgets a cancel request, ready for new work.
    void finishProgress();

    // The logic writes line breaks as carriage returns; a label wants "\n".
    static QString displayText(const QString &text);
    static bool boxesToStderr();

private:
    QPointer<QWidget> m_parent;
    QPointer<QProgressDialog> m_dialog;
    ProgressCallback m_callback;
    bool m_cancelRequested = false;
};

#pragma once

class QWidget;

// The browse and edit states of a window that edits records. A window calls
// bloqueia_tela when it is shown and after saving or cancelling, libera_tela when
// the user starts an insertion or a change.
//
// Each control of the window is set by its kind:
//
// | Qt kind                                                        | browse (bloqueia_tela)      | edit (libera_tela)     |
// |----------------------------------------------------------------|-----------------------------|------------------------|
// | QComboBox, QDateTimeEdit (QDateEdit, QTimeEdit), QTextEdit     | disabled, button-face base  | enabled, window base   |
// | QLineEdit, QPlainTextEdit                                      | disabled, button-face base  | enabled, window base   |
// | QLineEdit with the dynamic property "tag" == 99                | unchanged                   | unchanged              |
// | QCheckBox                                                      | disabled                    | enabled                |
// | QToolButton with autoRaise (the flat speed button)             | disabled                    | enabled                |
// | any widget with the dynamic property "navigator" == true       | enabled                     | disabled               |
// | QPushButton named "btnok" or "btncancel" (any case)            | disabled                    | enabled                |
// | any other QPushButton                                          | enabled                     | disabled               |
// | anything else (labels, grids, spin boxes, radio buttons...)    | unchanged                   | unchanged              |
//
// "Button-face base" paints the control's background (QPalette::Base) in the
// QPalette::Button colour, "window base" gives it back the style's Base colour.
// The parts Qt builds inside a control (the line edit of a combo box or a date
// edit, the buttons of a navigator, the viewport of a text edit) follow their
// control and are not set on their own. Our windows are never embedded in the
// main window (they are its MDI children or dialogs), so the main window's menu
// is never touched.
namespace ScreenState {

void bloqueia_tela(QWidget *window);
void libera_tela(QWidget *window);

} // namespace ScreenState

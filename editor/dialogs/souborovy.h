#pragma once

#include <QDialog>
#include <QKeyEvent>

namespace vinula {

// The save and load dialogs: neither of their buttons is the window's cancel
// button, so Esc closes nothing (the window's close button still does).
class SouborovyDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override {
        if (!event->matches(QKeySequence::Cancel))
            QDialog::keyPressEvent(event);
    }
};

} // namespace vinula

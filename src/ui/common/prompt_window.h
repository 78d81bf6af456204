#pragma once
// The frame the borderless prompts share (the option choice and the value
// prompt): 480 × 275, the shared background picture, a bold title in the
// top band, one line of explanation, and "OK" (btnOK, the default button)
// and "Cancelar" (btnCancel) at the lower right. Centred on the parent's
// window (the main window), or on the screen without one; dragging the
// background moves it, as it has no title bar.
#include "ui/common/borderless_dialog.h"

class QLabel;
class QPushButton;

class PromptWindow : public BorderlessDialog {
    Q_OBJECT
public:
    PromptWindow(const QString &caption, const QString &title, const QString &line, QWidget *parent);

    QPushButton *okButton() const { return btnOK_; }
    QPushButton *cancelButton() const { return btnCancel_; }

protected:
    // Where the content goes: below the line, above the buttons.
    static constexpr int ContentLeft = 35;
    static constexpr int ContentWidth = 410;

private:
    QLabel *lblTitle_;
    QLabel *lblLine_;
    QPushButton *btnOK_;
    QPushButton *btnCancel_;
};

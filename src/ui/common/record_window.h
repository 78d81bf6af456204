#pragma once
// The frame every record window shares: the form on the left under its
// heading band, a panel of picture buttons on the right, one click handler
// that tells the buttons apart by name, and the required-field marks.
#include <QDialog>
#include <QList>

class QAbstractButton;
class QFrame;
class QLabel;
class QToolButton;
class QVBoxLayout;

class RecordWindow : public QDialog {
    Q_OBJECT
public:
    struct ButtonSpec {
        const char *name;
        const char *caption;
        const char *hint;
        bool enabled = true;
    };

    QToolButton *button(const QString &name) const;

protected:
    // objectName "fm…", caption, client size and the buttons of the panel.
    RecordWindow(const QString &objectName, const QString &caption, const QSize &clientSize,
                 const QList<ButtonSpec> &buttons, QWidget *parent);

    // The area left of the button panel, where the window lays out its form.
    QWidget *formArea() const { return form_; }
    // A heading band ("Informações Gerais") at the given top of the form.
    QLabel *addHeading(const QString &text, int top);
    // A required mark "*" 5 pixels right of the edit, at its top.
    QLabel *addRequiredMark(QWidget *edit);

    // Runs for every button of the panel with its name.
    virtual void buttonClicked(const QString &name) = 0;
    // Takes the focus after every button (also when its action failed).
    virtual void focusAfterButton() {}

private:
    QWidget *form_;
    QFrame *panel_;
};

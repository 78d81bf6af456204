#pragma once
// The data module's progress window for long operations: a caption, a text
// line and a bar, always on top, shown without blocking the caller, which
// writes its own text into the label and advances the bar between steps.
#include <QDialog>

class QLabel;
class QProgressBar;

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // centreOn: the window to centre on; the screen when null.
    ProgressWindow(const QString &caption, int maximum, QWidget *centreOn = nullptr);

    QLabel *label() const { return label_; }
    QProgressBar *bar() const { return bar_; }

    // Shows the window without blocking, paints it at once and lets pending
    // events run, so it is visible before the long work starts.
    void showNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *label_;
    QProgressBar *bar_;
};

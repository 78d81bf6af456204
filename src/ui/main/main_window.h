#pragma once
// The program's main window: navigation panel on the left, the tab area
// for list windows in the client area, the status bar with the version and
// the clock. Closing it asks first; the program then ends.
#include <QMainWindow>

class QLabel;
class QTabWidget;
class QTimer;
class QTreeWidget;
class TDMDB;

class TfmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmMain(TDMDB &dm, QWidget *parent = nullptr);

    // The clock text for a moment: weekday, day, month, year and time.
    static QString ClockText(const QDateTime &moment);

    // Closes without the question (the program was asked to end by the
    // system: logout, Ctrl+C, kill).
    void closeWithoutQuestion();

    QTabWidget *tabArea() const { return tabArea_; }
    QTreeWidget *tree() const { return tree_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void tick();

    TDMDB &dm_;
    QTreeWidget *tree_;
    QTabWidget *tabArea_;
    QLabel *panels_[3];
    QTimer *clock_;
    bool askOnClose_ = true;
};

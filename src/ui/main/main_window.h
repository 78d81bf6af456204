#pragma once
// The program's main window: the navigation tree on the left, the tab area
// for list windows in the client area, the main menu, the status bar with
// the version and the clock. It owns the window slots (one live window per
// class) behind OpenWindow and PrintReport. Closing it asks first; the
// program then ends.
#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class ReportWindow;
class TDMDB;
namespace ds {
class DataSet;
}

class TfmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmMain(TDMDB &dm, QWidget *parent = nullptr);
    ~TfmMain() override;

    // The one main window, or null.
    static TfmMain *instance();

    // The clock text for a moment: weekday, day, month, year and time.
    static QString ClockText(const QDateTime &moment);

    // Closes without the question (the program was asked to end by the
    // system: logout, Ctrl+C, kill).
    void closeWithoutQuestion();

    QTabWidget *tabArea() const { return tabArea_; }
    QTreeWidget *tree() const { return tree_; }
    QAction *action(const QString &name) const;

    // --- window services (see ui/common/window_services.h)
    void openWindow(const QString &className, bool modal);
    void printReport(const QString &className, ds::DataSet *check, ds::DataSet *data);
    // The live window of a class, or null.
    QWidget *windowInSlot(const QString &className) const { return slots_.value(className); }
    // Closes the active tab page with every window in it ("Fechar Aba").
    void closeActivePage();

    // Runs the entry of a navigation item or an action by its number.
    void runTreeItem(int number);
    void runAction(int number);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildNavigation();
    void buildActions();
    void showTabMenu(const QPoint &at);
    void tick();
    void firstUseChecks();
    // The list window as a tab page, a new row in table, then the record
    // window on it.
    void openListAndForm(const QString &list, ds::DataSet *table, const QString &form);
    void editLogin();

    TDMDB &dm_;
    QTreeWidget *tree_;
    QTabWidget *tabArea_;
    QLabel *panels_[3];
    QTimer *clock_;
    bool askOnClose_ = true;
    bool firstShown_ = false;
    QHash<QString, QPointer<QWidget>> slots_;
    QHash<QString, QPointer<ReportWindow>> reportSlots_;
    QHash<QString, QAction *> actions_;
};

// The focus highlight: every edit of a window turns light yellow while it
// has the focus and white when it loses it; the edits inside spin boxes and
// drop-down lists are left alone.
#include "ui/common/edit_highlight.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QColor Focused(255, 255, 206);

// Stands for the data-bound edits, which derive from the Qt edits.
class BoundEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
};

QColor baseOf(QWidget *w) { return w->palette().color(QPalette::Base); }

} // namespace

class TestEditHighlight : public QObject {
    Q_OBJECT
private slots:
    void focusedEditIsHighlighted()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *line = new QLineEdit(&window);
        auto *bound = new BoundEdit(&window);
        auto *plain = new QPlainTextEdit(&window);
        auto *rich = new QTextEdit(&window);
        auto *spin = new QSpinBox(&window);
        auto *combo = new QComboBox(&window);
        combo->setEditable(true);
        for (QWidget *w : QList<QWidget *>{line, bound, plain, rich, spin, combo})
            layout->addWidget(w);
        const QColor spinBase = baseOf(spin->findChild<QLineEdit *>());
        const QColor comboBase = baseOf(combo->lineEdit());

        HookEditHighlight(&window);
        HookEditHighlight(&window); // twice is harmless
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        const QList<QWidget *> edits{line, bound, plain, rich};
        for (QWidget *focused : edits) {
            focused->setFocus();
            QTRY_VERIFY(focused->hasFocus());
            for (QWidget *e : edits)
                QCOMPARE(baseOf(e), e == focused ? Focused : QColor(Qt::white));
        }
        spin->setFocus();
        QTRY_VERIFY(spin->hasFocus());
        for (QWidget *e : edits)
            QCOMPARE(baseOf(e), QColor(Qt::white));
        QCOMPARE(baseOf(spin->findChild<QLineEdit *>()), spinBase);
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());
        QCOMPARE(baseOf(combo->lineEdit()), comboBase);

        // An edit added later is hooked by hooking the window again.
        auto *later = new QLineEdit(&window);
        layout->addWidget(later);
        HookEditHighlight(&window);
        later->setFocus();
        QTRY_VERIFY(later->hasFocus());
        QCOMPARE(baseOf(later), Focused);
        QCOMPARE(window.findChildren<QObject *>("editHighlighter").size(), 1);
    }
};

QTEST_MAIN(TestEditHighlight)
#include "tst_edit_highlight.moc"

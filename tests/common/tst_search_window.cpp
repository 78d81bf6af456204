// The search window against the real server: the typed text is matched
// literally (quotes, backslashes, '%' and '_' included), and choosing a row
// moves the table object to it.
#include "platform/dataset/dataset.h"
#include "platform/globals.h"
#include "platform/prompt/prompt.h"
#include "support/module_fixture.h"
#include "support/test_installation.h"
#include "ui/common/grid_helpers.h"
#include "ui/common/search_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <functional>

namespace {

const QStringList Names{"Ana Maria", "O'Neil", "Back\\slash", "100% Sócio", "Sócio_Um", "Sócio Dois"};

QStringList listed(TfmSearch &w)
{
    QStringList out;
    QAbstractItemModel *m = w.grid()->model();
    for (int r = 0; r < m->rowCount(); ++r)
        out << m->data(m->index(r, 0)).toString();
    out.sort();
    return out;
}

// Runs OpenSearchWindow with the dialog handed to `act` once it is shown.
int searchWith(ds::DataSet *table, const std::function<void(TfmSearch &)> &act)
{
    prompt::SetDialogRunner([&](QDialog &d) {
        d.show();
        act(static_cast<TfmSearch &>(d));
        if (d.isVisible())
            d.reject();
        return d.result();
    });
    const int result = OpenSearchWindow(table, "nome", "Nome", "socio");
    prompt::SetDialogRunner({});
    return result;
}

// Types the text one character at a time (QTest types only ASCII), so the
// search runs after each.
void type(TfmSearch &w, const QString &text)
{
    w.searchEdit()->clear();
    w.searchEdit()->setFocus();
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(w.searchEdit(), c.toLatin1());
        else
            w.searchEdit()->insert(QString(c));
    }
    QCOMPARE(w.searchEdit()->text(), text);
}

// The grid row showing `name`.
int rowOf(TfmSearch &w, const QString &name)
{
    QAbstractItemModel *m = w.grid()->model();
    for (int r = 0; r < m->rowCount(); ++r)
        if (m->data(m->index(r, 0)).toString() == name)
            return r;
    return -1;
}

} // namespace

class TestSearchWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestInstallation::instance(); }
    void init() { SetLastError({}, {}); }

    void typedTextMatchesLiterally_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("apostrophe") << "'" << QStringList{"O'Neil"};
        QTest::newRow("name with apostrophe") << "O'N" << QStringList{"O'Neil"};
        QTest::newRow("backslash") << "\\" << QStringList{"Back\\slash"};
        QTest::newRow("percent") << "%" << QStringList{"100% Sócio"};
        QTest::newRow("underscore") << "_" << QStringList{"Sócio_Um"};
        QTest::newRow("underscore between") << "o_U" << QStringList{"Sócio_Um"};
        QTest::newRow("part of a word") << "Sócio" << QStringList{"100% Sócio", "Sócio Dois", "Sócio_Um"};
        QTest::newRow("nothing matches") << "Zacarias" << QStringList{};
        QTest::newRow("comment and quote") << "x' OR '1'='1" << QStringList{};
    }
    void typedTextMatchesLiterally()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        ModuleFixture f;
        for (const QString &n : Names)
            f.addMember(n);
        QStringList all = Names;
        all.sort();
        searchWith(f->ztSocio, [&](TfmSearch &w) {
            QCOMPARE(w.windowTitle(), QString("Formulário de Pesquisa"));
            QCOMPARE(w.size(), QSize(381, 442));
            QCOMPARE(w.grid()->geometry(), QRect(16, 44, 350, 345));
            QCOMPARE(w.grid()->model()->headerData(0, Qt::Horizontal).toString(), QString("Nome"));
            // The one column fills the grid, without a side scroll bar.
            QVERIFY(w.grid()->columnWidth(0) >= 330);
            QVERIFY(!w.grid()->horizontalScrollBar()->isVisible());
            QCOMPARE(listed(w), all);
            type(w, text);
            QCOMPARE(listed(w), found);
            // Clearing the text lists every row again.
            w.searchEdit()->clear();
            QCOMPARE(listed(w), all);
            // The search button runs the search for the text as it stands.
            w.searchEdit()->blockSignals(true);
            w.searchEdit()->setText(text);
            w.searchEdit()->blockSignals(false);
            QTest::mouseClick(w.findChild<QPushButton *>("btnSearchSmall"), Qt::LeftButton);
            QCOMPARE(listed(w), found);
        });
        QVERIFY2(LastErrorPlace.isEmpty(), qPrintable(LastErrorDetail));
    }

    void choosingMovesTheTableObject_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "ok";
        QTest::newRow("double click") << "double click";
        QTest::newRow("Enter in the grid") << "enter";
    }
    void choosingMovesTheTableObject()
    {
        QFETCH(QString, how);
        ModuleFixture f;
        for (const QString &n : Names)
            f.addMember(n);
        ds::DataSet &s = *f->ztSocio;
        s.first();
        int moves = 0;
        connect(&s, &ds::DataSet::currentChanged, this, [&] { ++moves; });
        const int result = searchWith(&s, [&](TfmSearch &w) {
            type(w, "Sócio");
            DataGrid *grid = w.grid();
            const int row = rowOf(w, "Sócio Dois");
            QVERIFY(row >= 0);
            grid->setCurrentIndex(grid->model()->index(row, 0));
            if (how == "ok") {
                QTest::mouseClick(w.findChild<QPushButton *>("btnOK"), Qt::LeftButton);
            } else if (how == "enter") {
                grid->setFocus();
                QTest::keyClick(grid, Qt::Key_Return);
            } else {
                const QPoint at = grid->visualRect(grid->model()->index(row, 0)).center();
                QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
            }
            QVERIFY(!w.isVisible());
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(s.value("nome").toString(), QString("Sócio Dois"));
        QCOMPARE(moves, 1); // controls suspended while it moved
        // The window is gone and so is its query.
        QVERIFY(!f->zQuery->isActive());
        QVERIFY(f->zQuery->sql().isEmpty());
    }

    void withoutAMatchTheTableKeepsItsRow_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("result");
        QTest::newRow("OK on an empty list ends like Cancel") << false << int(QDialog::Rejected);
        QTest::newRow("Cancelar") << true << int(QDialog::Rejected);
    }
    void withoutAMatchTheTableKeepsItsRow()
    {
        QFETCH(bool, cancel);
        QFETCH(int, result);
        ModuleFixture f;
        for (const QString &n : Names)
            f.addMember(n);
        ds::DataSet &s = *f->ztSocio;
        s.moveTo(2);
        const QString before = s.value("nome").toString();
        const int got = searchWith(&s, [&](TfmSearch &w) {
            type(w, cancel ? "Ana" : "Zacarias");
            if (!cancel) {
                // A double click on an empty list does nothing.
                QTest::mouseDClick(w.grid()->viewport(), Qt::LeftButton, {}, QPoint(40, 10));
                QCOMPARE(w.isVisible(), true);
            }
            QTest::mouseClick(w.findChild<QPushButton *>(cancel ? "btnCancel" : "btnOK"), Qt::LeftButton);
        });
        QCOMPARE(got, result);
        QCOMPARE(s.value("nome").toString(), before);
    }

    void aRowTheTableDoesNotShowLeavesItsRow()
    {
        ModuleFixture f;
        for (const QString &n : Names)
            f.addMember(n);
        ds::DataSet &s = *f->ztSocio;
        s.setFilter("nome LIKE 'Sócio*'");
        s.setFiltered(true);
        s.first();
        const QString before = s.value("nome").toString();
        const int got = searchWith(&s, [&](TfmSearch &w) {
            type(w, "Ana");
            QCOMPARE(listed(w), QStringList{"Ana Maria"});
            QTest::mouseClick(w.findChild<QPushButton *>("btnOK"), Qt::LeftButton);
        });
        QCOMPARE(got, int(QDialog::Rejected)); // nothing to act on
        QCOMPARE(s.value("nome").toString(), before);
    }

    void aFailingQueryLeavesAnEmptyListAndTheErrorContext()
    {
        ModuleFixture f;
        f.addMember("Ana");
        int rows = -1;
        prompt::SetDialogRunner([&rows](QDialog &d) {
            rows = static_cast<TfmSearch &>(d).grid()->model()->rowCount();
            return int(QDialog::Rejected);
        });
        // A table name the program got wrong.
        QCOMPARE(OpenSearchWindow(f->ztSocio, "nome", "Nome", "socios_inexistentes"), int(QDialog::Rejected));
        prompt::SetDialogRunner({});
        QCOMPARE(rows, 0);
        QCOMPARE(LastErrorPlace, QString("SearchForm"));
        QCOMPARE(LastErrorDetail, QString("Impossivel Activar zQuery SQL."));
    }
};

QTEST_MAIN(TestSearchWindow)
#include "tst_search_window.moc"

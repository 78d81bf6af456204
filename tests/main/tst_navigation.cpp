// The main window's services: the navigation tree, windows and reports by
// class name with their slots and tab pages, help files, the mouse wheel in
// grids, the first-use checks and the error report.
#include "app/window_classes.h"
#include "mail/error_report_window.h"
#include "platform/globals.h"
#include "platform/prompt/prompt.h"
#include "support/module_fixture.h"
#include "support/test_installation.h"
#include "ui/common/report_window.h"
#include "ui/common/search_window.h"
#include "ui/common/window_registry.h"
#include "ui/common/window_services.h"
#include "ui/main/main_window.h"
#include "ui/main/report_exception.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

namespace {

int created = 0;

// Windows and a report of the test's own, registered under the names the
// tree uses.
class TestDialog : public QDialog {
public:
    explicit TestDialog(const QString &name, QWidget *parent) : QDialog(parent)
    {
        setObjectName(name);
        setWindowTitle(name);
        ++created;
        auto *help = new QToolButton(this);
        help->setObjectName("btnHelp");
        help->setEnabled(false);
    }
};

class TestList : public QWidget {
public:
    explicit TestList(const QString &caption, QWidget *parent) : QWidget(parent)
    {
        setWindowTitle(caption);
        ++created;
    }
};

struct ReportLog {
    int previews = 0;
    bool dataFrozen = false;
    QString pageText;
    ds::DataSet *data = nullptr;
} reportLog;

class TestReport : public ReportWindow {
public:
    using ReportWindow::ReportWindow;
    bool hasPageCountLabel() const override { return true; }
    int preparePages() override { return 3; }
    void setPageCountText(const QString &text) override { reportLog.pageText = text; }
    void showPreview() override
    {
        ++reportLog.previews;
        reportLog.data = data();
        reportLog.dataFrozen = data() && data()->controlsDisabled();
    }
};

void registerDialog(const QString &name)
{
    RegisterWindowClass(name, [name](QWidget *p) { return new TestDialog("fm" + name.mid(3), p); });
}

void registerList(const QString &name, const QString &caption)
{
    RegisterWindowClass(name, [caption](QWidget *p) { return new TestList(caption, p); });
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

    QStringList modal; // class names of the dialogs run, in order
    std::function<int(QDialog &)> answer;

private slots:
    void initTestCase()
    {
        TestInstallation::instance();
        RegisterAllWindows();
        for (const char *n : {"TfmFormularioSocio", "TfmFormularioAssoc", "TfmFormularioModalidade", "TfmTesteAjuda"})
            registerDialog(n);
        registerList("TfmListaSocios", "Lista de Sócios");
        registerList("TfmListaModalidades", "Lista de Modalidades");
        RegisterReportClass("TfmQRFichaSocio", [](QWidget *p) { return new TestReport(p); });
        prompt::SetDialogRunner([this](QDialog &d) {
            modal << d.objectName();
            return answer ? answer(d) : int(QDialog::Rejected);
        });
    }
    void cleanupTestCase() { prompt::SetDialogRunner({}); }
    void init()
    {
        modal.clear();
        answer = {};
        created = 0;
        reportLog = {};
    }

    void treeHasFourGroupsInOrder()
    {
        ModuleFixture f;
        TfmMain main(f.dm());
        QTreeWidget *tree = main.tree();
        QCOMPARE(tree->topLevelItemCount(), 4);
        QStringList groups;
        for (int i = 0; i < 4; ++i)
            groups << tree->topLevelItem(i)->text(0);
        QCOMPARE(groups, QStringList({"Formulários", "Contabilidade", "Relatórios Impressão", "Configurações"}));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 11);
        QCOMPARE(tree->topLevelItem(0)->child(2)->text(0), "Sócios");
        QCOMPARE(tree->topLevelItem(0)->child(2)->data(0, Qt::UserRole).toInt(), 103);
        QCOMPARE(tree->topLevelItem(2)->child(7)->data(0, Qt::UserRole).toInt(), 208);
        QCOMPARE(tree->topLevelItem(3)->child(5)->text(0), "Donativos");
        QVERIFY(tree->topLevelItem(1)->isExpanded());
        QVERIFY(main.action("actSair"));
        QCOMPARE(main.action("actUtilizador")->text(), "Mudar Login/Password");
    }

    void modalWindowIsFreedWhenItCloses()
    {
        ModuleFixture f;
        TfmMain main(f.dm());
        prompt::Script script;
        main.openWindow("TfmTesteAjuda", true);
        QCOMPARE(modal, QStringList{"fmTesteAjuda"});
        QVERIFY(!main.windowInSlot("TfmTesteAjuda"));

        // A help file for the window's name enables its help button.
        QDir().mkpath(AppDir() + "AppData/pdf_help");
        QFile pdf(AppDir() + "AppData/pdf_help/TesteAjuda.pdf");
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();
        bool helpEnabled = false;
        answer = [&](QDialog &d) {
            helpEnabled = d.findChild<QAbstractButton *>("btnHelp")->isEnabled();
            return 0;
        };
        main.openWindow("TfmTesteAjuda", true);
        QVERIFY(helpEnabled);
        QFile::remove(pdf.fileName());

        main.openWindow("TfmNadaDisto", true);
        QCOMPARE(script.shown().size(), 1);
        QVERIFY(script.shown().first().text.contains("TfmNadaDisto"));
    }

    void tabPagesOnePerClassAndClosing()
    {
        ModuleFixture f;
        TfmMain main(f.dm());
        QTabWidget *tabs = main.tabArea();
        main.openWindow("TfmListaSocios", false);
        QWidget *first = main.windowInSlot("TfmListaSocios");
        QVERIFY(first);
        QVERIFY(!tabs->isHidden());
        main.openWindow("TfmListaModalidades", false);
        QCOMPARE(tabs->count(), 2);
        main.openWindow("TfmListaSocios", false);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(tabs->currentIndex()), "Lista de Sócios");
        QCOMPARE(created, 2);

        main.closeActivePage();
        QCOMPARE(tabs->count(), 1);
        QVERIFY(!main.windowInSlot("TfmListaSocios"));
        main.closeActivePage();
        QVERIFY(tabs->isHidden());
        main.openWindow("TfmListaSocios", false);
        QCOMPARE(created, 3); // a fresh list window
    }

    void treeItemOpensListAndFormOnANewRow()
    {
        ModuleFixture f;
        f.addAssociation();
        TfmMain main(f.dm());
        ds::DataSet::State seen = ds::DataSet::State::Inactive;
        answer = [&](QDialog &) {
            seen = f->ztSocio->state();
            f->ztSocio->cancel();
            return 0;
        };
        main.runTreeItem(103);
        QCOMPARE(seen, ds::DataSet::State::Insert);
        QCOMPARE(modal, QStringList{"fmFormularioSocio"});
        QVERIFY(main.windowInSlot("TfmListaSocios"));
        // Again with the list already open: the page is activated and the form
        // still opens on a new record.
        main.runTreeItem(103);
        QCOMPARE(main.tabArea()->count(), 1);
        QCOMPARE(modal.size(), 2);
    }

    void printReportChecksItsTable()
    {
        ModuleFixture f;
        TfmMain main(f.dm());
        prompt::Script script;
        main.printReport("TfmQRFichaSocio", f->ztSocio, nullptr);
        QCOMPARE(script.texts(), QStringList{"Não existem Registos a Imprimir!"});
        f.addAssociation();
        f.addMember("Ana");
        f.addMember("Rui");
        f->ztSocio->setValue("localidade", "Porto");
        main.printReport("TfmQRFichaSocio", f->ztSocio, nullptr);
        QCOMPARE(script.texts().last(), "Guarde primeiro os dados do Registo!");
        f->ztSocio->cancel();
        QCOMPARE(reportLog.previews, 0);

        // "Ficha de Sócio (Lista)": every member, the data frozen meanwhile.
        main.runTreeItem(205);
        QCOMPARE(reportLog.previews, 1);
        QCOMPARE(reportLog.pageText, " / 3");
        QCOMPARE(reportLog.data, f->ztSocio);
        QVERIFY(reportLog.dataFrozen);
        QVERIFY(!f->ztSocio->controlsDisabled());
        QCOMPARE(f->ztSocio->recNo(), 0);

        f->ztSocio->close();
        main.printReport("TfmQRFichaSocio", f->ztSocio, nullptr);
        QCOMPARE(reportLog.previews, 1);
        QCOMPARE(script.shown().size(), 2);
    }

    void cancelledSearchPrintsNothing()
    {
        ModuleFixture f;
        f.addAssociation();
        f.addMember("Ana");
        TfmMain main(f.dm());
        main.runTreeItem(204); // the runner cancels the search window
        QCOMPARE(modal.size(), 1);
        QCOMPARE(reportLog.previews, 0);
        answer = [](QDialog &) { return int(QDialog::Accepted); };
        main.runTreeItem(204);
        QCOMPARE(reportLog.previews, 1);
    }

    void wheelMovesAFocusedGridOneRowPerNotch()
    {
        ModuleFixture f;
        TfmMain main(f.dm());
        main.show();
        QStandardItemModel model(5, 1);
        QTableView grid;
        grid.setModel(&model);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setFocus();
        grid.activateWindow();
        QTRY_VERIFY(grid.hasFocus());
        grid.setCurrentIndex(model.index(1, 0));
        auto wheel = [&](int delta) {
            QWheelEvent e(QPointF(5, 5), grid.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(grid.viewport(), &e);
        };
        wheel(-120);
        QCOMPARE(grid.currentIndex().row(), 2);
        wheel(-240);
        QCOMPARE(grid.currentIndex().row(), 4);
        wheel(120);
        QCOMPARE(grid.currentIndex().row(), 3);
    }

    void firstRunOpensAssociationThenActivityThenTellsAboutMembers()
    {
        ModuleFixture f;
        f->FirstActivation = true;
        prompt::Script script;
        TfmMain main(f.dm());
        main.show();
        QTRY_COMPARE(script.shown().size(), 1);
        QCOMPARE(modal, QStringList({"fmFormularioAssoc", "fmFormularioModalidade"}));
        QCOMPARE(script.texts().first(),
                 "Introduza os Sócios, utilizando o \"Menu Principal\": \r\n\"Formulários\" e a opção: \"Sócios\".");
        QVERIFY(!f->FirstActivation);
    }

    void errorReportComposesItsText()
    {
        ModuleFixture f;
        TfmMain main(f.dm());
        SetLastError("LigarServidor", "Impossivel ligar servidor MySQL!");
        DecimalSep = ',';
        QString text;
        QStringList attachments;
        answer = [&](QDialog &d) {
            auto &report = static_cast<TfmMessageErrorReport &>(d);
            text = report.message()->toPlainText();
            attachments = report.attachments;
            return 0;
        };
        ReportException(ds::DbError("Table 'x' doesn't exist", 1146));
        QCOMPARE(modal, QStringList{"fmMessageErrorReport"});
        const QStringList expected{"Versão Software: 0.1.2.7",
                                   "Separador Decimal: ,",
                                   "",
                                   "[INFORMAÇÕES DO ERRO - TESSELMAR]",
                                   "Procedure Pointer: LigarServidor",
                                   "Detail Message: Impossivel ligar servidor MySQL!",
                                   "",
                                   "[INFORMAÇÕES DO ERRO - DEBUGGER]",
                                   "Exception (ClassName): EDatabaseError",
                                   "Exception (Message): Table 'x' doesn't exist",
                                   "",
                                   "[INFORMAÇÕES DO ERRO - UTILIZADOR]",
                                   "[b]Descreva o que estava a fazer:[b] "};
        QCOMPARE(text.split('\n'), expected);
        QCOMPARE(attachments, QStringList{AppDir() + "AppData/mysql_log.log"});
        QVERIFY(LastErrorPlace.isEmpty() && LastErrorDetail.isEmpty());
        ReportException(std::invalid_argument("bad"));
        QCOMPARE(text.split('\n')[8], "Exception (ClassName): std::invalid_argument");
    }

    void aboutBoxAndDonations()
    {
        ModuleFixture f;
        TfmMain main(f.dm());
        QString version;
        answer = [&](QDialog &d) {
            if (auto *label = d.findChild<QLabel *>("lblVersao"))
                version = label->text();
            return 0;
        };
        main.runAction(5);
        QCOMPARE(modal, QStringList{"fmAboutBox"});
        QCOMPARE(version, "0.1.2.7");
        main.runTreeItem(906);
        QCOMPARE(modal.last(), "fmFormularioDonativo");
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"

// The window services of the main window: windows and reports by class
// name in their slots, the tab pages, the help files.
#include "platform/globals.h"
#include "platform/memory.h"
#include "platform/prompt/prompt.h"
#include "ui/common/borderless_dialog.h"
#include "ui/common/edit_highlight.h"
#include "ui/common/pictures.h"
#include "ui/common/report_window.h"
#include "ui/common/system_services.h"
#include "ui/common/window_registry.h"
#include "ui/common/window_services.h"
#include "ui/main/main_window.h"

#include "platform/dataset/dataset.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A window that is not a dialog gets one around it to be shown modally.
QDialog *modalHost(QWidget *window, QWidget *parent, std::unique_ptr<QDialog> &owner)
{
    if (auto *dialog = qobject_cast<QDialog *>(window))
        return dialog;
    owner = std::make_unique<QDialog>(parent);
    owner->setWindowTitle(window->windowTitle());
    auto *layout = new QVBoxLayout(owner.get());
    layout->setContentsMargins(0, 0, 0, 0);
    window->setParent(owner.get());
    layout->addWidget(window);
    owner->resize(window->size());
    return owner.get();
}

} // namespace

void TfmMain::openWindow(const QString &className, bool modal)
{
    if (!IsWindowClassRegistered(className)) {
        ShowMessageDialog(QStringLiteral("Esta janela ainda não está disponível nesta versão do Tesselmar.\r\n(") +
                              className + QStringLiteral(")"),
                          MsgKind::Warning, mbOK);
        return;
    }
    QPointer<QWidget> &slot = slots_[className];
    if (modal && slot) {
        delete slot.data();
        slot = nullptr;
    }
    if (!slot) {
        slot = CreateWindowOfClass(className, this);
        if (!slot)
            return;
        slot->hide();
    }
    QWidget *window = slot;
    if (modal) {
        std::unique_ptr<QDialog> host;
        QDialog *dialog = modalHost(window, this, host);
        ApplyButtonGlyphs(window);
        HookEditHighlight(window);
        EnableHelpButton(window);
        CentreWindow(dialog, this);
        // Whatever happens inside, the window is freed when it closes.
        struct Free {
            QPointer<QWidget> &slot;
            QWidget *window;
            ~Free()
            {
                if (slot == window)
                    slot = nullptr;
                delete window;
            }
        } free{slot, host ? static_cast<QWidget *>(host.release()) : window};
        RunModal(*dialog);
    } else {
        const QString caption = window->windowTitle();
        for (int i = 0; i < tabArea_->count(); ++i)
            if (tabArea_->tabText(i) == caption) {
                tabArea_->setCurrentIndex(i);
                TrimMemory();
                return;
            }
        QFont font = tabArea_->font();
        font.setFamily(QStringLiteral("Tahoma"));
        tabArea_->setFont(font);
        tabArea_->show();
        window->setWindowFlags(Qt::Widget);
        ApplyButtonGlyphs(window);
        const int index = tabArea_->addTab(window, MenuPicture(MenuTabPage), caption);
        window->show();
        tabArea_->setCurrentIndex(index);
    }
    TrimMemory();
}

void TfmMain::closeActivePage()
{
    const int index = tabArea_->currentIndex();
    if (index < 0)
        return;
    QWidget *page = tabArea_->widget(index);
    tabArea_->removeTab(index);
    // Every window inside the page is freed and its slot emptied.
    for (auto it = slots_.begin(); it != slots_.end(); ++it)
        if (it.value() && (it.value() == page || page->isAncestorOf(it.value())))
            it.value() = nullptr;
    delete page;
    if (tabArea_->count() == 0)
        tabArea_->hide();
}

void TfmMain::showTabMenu(const QPoint &at)
{
    // Rebuilt each time: one entry per page, then "Fechar Aba".
    QMenu menu(this);
    for (int i = 0; i < tabArea_->count(); ++i)
        menu.addAction(MenuPicture(MenuTabPage), tabArea_->tabText(i), this, [this, i]() { tabArea_->setCurrentIndex(i); });
    menu.addSeparator();
    QAction *close = menu.addAction(MenuPicture(MenuCloseTab), QStringLiteral("Fechar Aba"), this, &TfmMain::closeActivePage);
    close->setObjectName(QStringLiteral("mnuFecharAba"));
    menu.exec(tabArea_->tabBar()->mapToGlobal(at));
}

void TfmMain::printReport(const QString &className, ds::DataSet *check, ds::DataSet *data)
{
    if (check) {
        if (check->isEditing()) {
            ShowMessageDialog(QStringLiteral("Guarde primeiro os dados do Registo!"), MsgKind::Information, mbOK);
            return;
        }
        if (!check->isActive())
            return;
        if (check->isEmpty()) {
            ShowMessageDialog(QStringLiteral("Não existem Registos a Imprimir!"), MsgKind::Information, mbOK);
            return;
        }
    }
    if (!IsReportClassRegistered(className)) {
        ShowMessageDialog(QStringLiteral("Este relatório ainda não está disponível nesta versão do Tesselmar.\r\n(") +
                              className + QStringLiteral(")"),
                          MsgKind::Warning, mbOK);
        return;
    }
    struct Trim {
        ~Trim() { TrimMemory(); }
    } trim;
    QPointer<ReportWindow> &slot = reportSlots_[className];
    delete slot.data();
    slot = CreateReportOfClass(className, this);
    ReportWindow *report = slot;
    if (!report)
        return;
    ds::DataSet *frozen = report->ownData();
    if (!frozen && data) {
        report->setData(data);
        data->first();
        frozen = data;
    }
    if (frozen)
        frozen->disableControls();
    struct Resume {
        ds::DataSet *frozen, *data;
        ReportWindow *report;
        ~Resume()
        {
            if (frozen)
                frozen->enableControls();
            if (data && data->isActive())
                data->first();
            report->releasePrinter();
        }
    } resume{frozen, data, report};
    if (report->hasPageCountLabel())
        report->setPageCountText(QStringLiteral(" / ") + QString::number(report->preparePages()));
    report->showPreview();
}

// ---------------------------------------------------------------- free functions

void OpenWindow(const QString &className, bool modal)
{
    if (TfmMain *main = TfmMain::instance())
        main->openWindow(className, modal);
}

void PrintReport(const QString &className, ds::DataSet *check, ds::DataSet *data)
{
    if (TfmMain *main = TfmMain::instance())
        main->printReport(className, check, data);
}

QString HelpFilePath(const QWidget *window)
{
    return AppDir() + QStringLiteral("AppData/pdf_help/") + window->objectName().mid(2) + QStringLiteral(".pdf");
}

void EnableHelpButton(QWidget *window)
{
    if (auto *help = window->findChild<QAbstractButton *>(QStringLiteral("btnHelp")))
        help->setEnabled(QFile::exists(HelpFilePath(window)));
}

void OpenHelpFile(const QWidget *window)
{
    const QString path = HelpFilePath(window);
    if (QFile::exists(path))
        OpenDocument(path);
}

int WarnAssociationFirst()
{
    return ShowMessageDialog(QStringLiteral("Antes de utilizar qualquer função do \"Tesselmar\",\r\ndeve introduzir os "
                                            "dados da Associação, e selecionar \"Guardar\"!"),
                             MsgKind::Warning, mbOK);
}

int WarnActivityFirst()
{
    return ShowMessageDialog(QStringLiteral("Deve introduzir pelo menos UMA Modalidade!\r\n\r\nSe não possuir nenhuma "
                                            "Modalidade, use um dos seguintes nomes:\r\n 1) Fantasma.\r\n 2) "
                                            "Nenhuma.\r\n 3) Inexistente.\r\n 4) MODALIDADE GERAL, etc."),
                             MsgKind::Warning, mbOK);
}

// The main window's navigation tree, actions and main menu, and what each
// of their entries does.
#include "data/data_module.h"
#include "platform/prompt/prompt.h"
#include "platform/web_addresses.h"
#include "ui/common/edit_highlight.h"
#include "ui/common/pictures.h"
#include "ui/common/search_window.h"
#include "ui/common/system_services.h"
#include "ui/common/window_registry.h"
#include "ui/common/window_services.h"
#include "ui/main/login_window.h"
#include "ui/main/main_window.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

struct Entry {
    int number;
    const char *caption;
};

struct Group {
    const char *caption;
    QList<Entry> entries;
};

const QList<Group> &treeGroups()
{
    static const QList<Group> groups{
        {"Formulários",
         {{101, "Associação"},
          {102, "Modalidades"},
          {103, "Sócios"},
          {104, "Tipo de Sócio"},
          {105, "Inscrição Sócios"},
          {106, "Forma de Pagamento"},
          {107, "Opção de Pagamento"},
          {108, "Contas Gmail"},
          {109, "Emails"},
          {110, "Entidades"},
          {111, "Tipo de Receita"}}},
        {"Contabilidade",
         {{301, "Recibos Emitidos"},
          {302, "Quotas Vencidas/Débito"},
          {303, "Despesas"},
          {304, "Receitas (Pag. Quotas)"},
          {305, "Outras Receitas"}}},
        {"Relatórios Impressão",
         {{201, "Ficha de Associação"},
          {202, "Lista de Cargos (Órgãos Sociais)"},
          {203, "Lista de Sócios por Modalidade"},
          {204, "Ficha de Sócio"},
          {205, "Ficha de Sócio (Lista)"},
          {206, "Lista de Sócios"},
          {207, "Quadro Pag. Quotas (Simples)"},
          {208, "Quadro Pag. Quotas (Normal)"}}},
        {"Configurações",
         {{901, "Editar Login/Password"},
          {902, "Feedback"},
          {903, "Exportar/Importar Dados"},
          {904, "Executar Scripts MySQL"},
          {905, "Backup e Restauro"},
          {906, "Donativos"}}},
    };
    return groups;
}

struct ActionDef {
    const char *name;
    const char *caption;
    int number;
    int picture;
};

const QList<ActionDef> &actionDefs()
{
    static const QList<ActionDef> defs{
        {"actConfiguracoes", "Configurações", 1, MenuSettings},
        {"actSair", "Sair", 2, MenuExit},
        {"actBackup", "Backup e Restauro", 3, MenuDatabase},
        {"actActualizacoes", "Actualizações", 4, MenuUpdate},
        {"actAboutBox", "Sobre...", 5, MenuInformation},
        {"actDonate", "Donativo", 6, MenuDonation},
        {"actFeedback", "Feedback e Ajuda", 7, MenuMail},
        {"actUtilizador", "Mudar Login/Password", 8, MenuUser},
        {"actExport", "Exportar Dados", 15, MenuExport},
        {"actExecScriptsMySQL", "Executar Scripts MySQL", 17, MenuScript},
    };
    return defs;
}

int pictureOfEntry(int number)
{
    if (number >= 900)
        return MenuSettings;
    if (number >= 300)
        return MenuDues;
    if (number >= 200)
        return MenuReport;
    return MenuForm;
}

} // namespace

void TfmMain::buildNavigation()
{
    for (const Group &g : treeGroups()) {
        auto *group = new QTreeWidgetItem(tree_, {QString::fromUtf8(g.caption)});
        group->setIcon(0, MenuPicture(MenuFolder));
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        for (const Entry &e : g.entries) {
            auto *item = new QTreeWidgetItem(group, {QString::fromUtf8(e.caption)});
            item->setData(0, Qt::UserRole, e.number);
            item->setIcon(0, MenuPicture(pictureOfEntry(e.number)));
            item->setToolTip(0, item->text(0));
        }
    }
    tree_->expandAll();
}

void TfmMain::buildActions()
{
    for (const ActionDef &d : actionDefs()) {
        auto *a = new QAction(MenuPicture(d.picture), QString::fromUtf8(d.caption), this);
        a->setObjectName(QString::fromLatin1(d.name));
        const int number = d.number;
        connect(a, &QAction::triggered, this, [this, number]() { runAction(number); });
        actions_.insert(a->objectName(), a);
    }
    QMenu *file = menuBar()->addMenu(QStringLiteral("Ficheiro"));
    file->addAction(action(QStringLiteral("actBackup")));
    file->addAction(action(QStringLiteral("actExport")));
    file->addSeparator();
    file->addAction(action(QStringLiteral("actSair")));
    QMenu *help = menuBar()->addMenu(QStringLiteral("Ajuda"));
    help->addAction(action(QStringLiteral("actDonate")));
    help->addAction(action(QStringLiteral("actActualizacoes")));
    help->addAction(action(QStringLiteral("actFeedback")));
    help->addSeparator();
    help->addAction(action(QStringLiteral("actAboutBox")));
}

QAction *TfmMain::action(const QString &name) const { return actions_.value(name); }

bool TfmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Releasing a mouse button over an item runs it; Enter does the same
    // for the keyboard. Groups and empty space do nothing.
    auto runItem = [this](QTreeWidgetItem *item) {
        if (item && item->data(0, Qt::UserRole).isValid())
            runTreeItem(item->data(0, Qt::UserRole).toInt());
    };
    if (watched == tree_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        runItem(tree_->itemAt(static_cast<QMouseEvent *>(event)->position().toPoint()));
    } else if (watched == tree_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            runItem(tree_->currentItem());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfmMain::openListAndForm(const QString &list, ds::DataSet *table, const QString &form)
{
    openWindow(list, false);
    if (!IsWindowClassRegistered(form)) {
        openWindow(form, true); // says the window is not available
        return;
    }
    if (table->isActive())
        table->append();
    openWindow(form, true);
}

void TfmMain::editLogin()
{
    // Logging in again is the gate to changing one's own login and password.
    TfmLogin login(*dm_.ztUtilizadores, BackgroundPicture(), this);
    if (RunModal(login) == QDialog::Accepted)
        openWindow(QStringLiteral("TfmFormularioUtilizador"), true);
}

void TfmMain::runTreeItem(int number)
{
    const QString nome = QStringLiteral("nome"), Nome = QStringLiteral("Nome");
    switch (number) {
    case 101: openWindow(QStringLiteral("TfmFormularioAssoc"), true); break;
    case 102: openListAndForm(QStringLiteral("TfmListaModalidades"), dm_.ztModalidade, QStringLiteral("TfmFormularioModalidade")); break;
    case 103: openListAndForm(QStringLiteral("TfmListaSocios"), dm_.ztSocio, QStringLiteral("TfmFormularioSocio")); break;
    case 104: openListAndForm(QStringLiteral("TfmListaTipoSocio"), dm_.ztSocio_Tipo, QStringLiteral("TfmFormularioTipoSocio")); break;
    case 105: openWindow(QStringLiteral("TfmFormularioInscSocios"), true); break;
    case 106: openListAndForm(QStringLiteral("TfmListaPagamentoTipo"), dm_.ztPagTipo, QStringLiteral("TfmFormularioPagamentoTipo")); break;
    case 107: openListAndForm(QStringLiteral("TfmListaPagamentoOpcao"), dm_.ztPagOpcao, QStringLiteral("TfmFormularioPagamentoOpcao")); break;
    case 108: openListAndForm(QStringLiteral("TfmListaGmails"), dm_.ztGmailAccount, QStringLiteral("TfmFormularioGmail")); break;
    case 109:
        openWindow(QStringLiteral("TfmListaEmails"), false);
        if (QWidget *mail = IsWindowClassRegistered(QStringLiteral("TfmSendFeedback"))
                                ? CreateWindowOfClass(QStringLiteral("TfmSendFeedback"), this)
                                : nullptr) {
            if (auto *to = mail->findChild<QLineEdit *>(QStringLiteral("edtToEmail")))
                to->clear();
            ApplyButtonGlyphs(mail);
            HookEditHighlight(mail);
            if (auto *dialog = qobject_cast<QDialog *>(mail))
                RunModal(*dialog);
            delete mail;
        } else {
            openWindow(QStringLiteral("TfmSendFeedback"), true);
        }
        break;
    case 110: openListAndForm(QStringLiteral("TfmListaEntidade"), dm_.ztEntidade, QStringLiteral("TfmFormularioEntidade")); break;
    case 111: openListAndForm(QStringLiteral("TfmListaTipoReceita"), dm_.ztReceitaTipo, QStringLiteral("TfmFormularioTipoReceita")); break;
    case 301: openWindow(QStringLiteral("TfmListaRecibo"), false); break;
    case 302: openWindow(QStringLiteral("TfmListaDeQuotas"), false); break;
    case 303: openListAndForm(QStringLiteral("TfmListaEntidadeDocs"), dm_.ztEntidade_Docs, QStringLiteral("TfmFormularioEntidadeDocs")); break;
    case 304: openWindow(QStringLiteral("TfmQuadroPag"), false); break;
    case 305: openListAndForm(QStringLiteral("TfmListaReceitas"), dm_.ztReceitaDetalhes, QStringLiteral("TfmFormularioReceita")); break;
    case 201: printReport(QStringLiteral("TfmQRFichaAssociacao"), dm_.ztAssociacao, nullptr); break;
    case 202: printReport(QStringLiteral("TfmQRListaCargos"), dm_.ztAssoc_Cargos, nullptr); break;
    case 203:
        if (OpenSearchWindow(dm_.ztModalidade, nome, Nome, QStringLiteral("modalidade")) == QDialog::Accepted)
            printReport(QStringLiteral("TfmQRListaSociosModalidades"), dm_.ztModalidade, nullptr);
        break;
    case 204:
        if (OpenSearchWindow(dm_.ztSocio, nome, Nome, QStringLiteral("socio")) == QDialog::Accepted)
            printReport(QStringLiteral("TfmQRFichaSocio"), dm_.ztSocio, nullptr);
        break;
    case 205: printReport(QStringLiteral("TfmQRFichaSocio"), dm_.ztSocio, dm_.ztSocio); break;
    case 206: printReport(QStringLiteral("TfmQRListaSocios"), dm_.ztSocio, nullptr); break;
    case 207: openWindow(QStringLiteral("TfmFichaConfigQuadroQuotas"), true); break;
    case 208:
        if (OpenSearchWindow(dm_.ztModalidade, nome, Nome, QStringLiteral("modalidade")) == QDialog::Accepted)
            printReport(QStringLiteral("TfmQRQuadroPagamentoQuotasSimples"), dm_.ztModalidade, nullptr);
        break;
    case 901: editLogin(); break;
    case 902: openWindow(QStringLiteral("TfmSendFeedback"), true); break;
    case 903: openWindow(QStringLiteral("TfmFormularioExport"), true); break;
    case 904: openWindow(QStringLiteral("TfmSQLScriptRunner"), true); break;
    case 905: openWindow(QStringLiteral("TfmBackup"), true); break;
    case 906: openWindow(QStringLiteral("TfmFormularioDonativo"), true); break;
    default: break;
    }
}

void TfmMain::runAction(int number)
{
    switch (number) {
    case 2: close(); break;
    case 3: openWindow(QStringLiteral("TfmBackup"), true); break;
    case 4: openWindow(QStringLiteral("TfmLiveUpdate"), true); break;
    case 5: openWindow(QStringLiteral("TfmAboutBox"), true); break;
    case 6: OpenDocument(DonationPage); break;
    case 7: openWindow(QStringLiteral("TfmSendFeedback"), true); break;
    case 8: editLogin(); break;
    case 15: openWindow(QStringLiteral("TfmFormularioExport"), true); break;
    case 17: openWindow(QStringLiteral("TfmSQLScriptRunner"), true); break;
    default: break; // 1 "Configurações" does nothing
    }
}

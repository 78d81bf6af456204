#include "app/startup.h"

#include "app/server_switch.h"
#include "app/splash_window.h"
#include "data/data_module.h"
#include "data/schema.h"
#include "platform/prompt/prompt.h"
#include "platform/web_addresses.h"
#include "ui/main/login_window.h"

#include <QApplication>
#include <QProgressBar>

StartUp::StartUp(TDMDB &dm, TfmSplash &splash, const QPixmap &background)
    : dm_(dm), splash_(splash), background_(background)
{
}

bool StartUp::run()
{
    QApplication::processEvents();
    splash_.setStatus(QStringLiteral("A ligar servidor MySQL..."), TfmSplash::statusGrey());
    if (!StartConnectionAttempts(dm_._db, Attempts)) {
        fail();
        return false;
    }
    try {
        dm_.DefineTableFields(dm_.ztUtilizadores, *FindTable(QStringLiteral("utilizadores")));
        dm_.ztUtilizadores->open();
        splash_.setStatus(QStringLiteral("Servidor MySQL Ligado!"), TfmSplash::statusGrey());
        if (!logIn()) {
            // The splash window has no border to close it by: leaving the
            // login ends the program.
            splash_.reject();
            return false;
        }
        openTables();
    } catch (const std::exception &e) {
        ShowMessageDialog(QString::fromUtf8(e.what()), MsgKind::Error, mbOK);
        splash_.reject();
        return false;
    }
    dm_.DebtRecalcSuspended = false;
    dm_.FirstActivation = true;
    splash_.accept();
    return true;
}

bool StartUp::logIn()
{
    // The default account with its default password logs in by itself.
    ds::DataSet &users = *dm_.ztUtilizadores;
    for (int row = 0; row < users.rowCount(); ++row)
        if (users.value(row, QStringLiteral("login")).toString() == QLatin1String("vorel") &&
            users.value(row, QStringLiteral("password")).toString() == QLatin1String("vorel"))
            return true;
    TfmLogin login(users, background_);
    return RunModal(login) == QDialog::Accepted;
}

void StartUp::openTables()
{
    splash_.setStatus(QStringLiteral("A ligar base de dados..."), TfmSplash::statusGrey());
    QProgressBar *bar = splash_.progressBar();
    bar->setMaximum(int(dm_.items().size()));
    bar->setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        dm_.OpenAllTables([&](int index, const QString &caption) {
            bar->setValue(index + 1);
            splash_.setTableCaption(caption);
            QApplication::processEvents();
        });
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    bar->setValue(bar->maximum());
    QApplication::restoreOverrideCursor();
}

void StartUp::fail()
{
    splash_.setStatus(QStringLiteral("Servidor MySQL Desligado!\r\nReinicie a aplicação."), QColor(255, 0, 0));
    QApplication::processEvents();
    ShowMessageDialog(QStringLiteral("Tesselmar não conseguiu ligar o servidor MySQL!\r\n\r\nSoluções: \r\n1 - ") +
                          ServerHelpPage + QStringLiteral("\r\n2 - Reinicie a aplicação."),
                      MsgKind::Information, mbOK);
    splash_.reject();
}

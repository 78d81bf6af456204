#include "ui/main/report_exception.h"

#include "mail/error_report_window.h"
#include "platform/dataset/connection.h"
#include "platform/globals.h"
#include "platform/prompt/prompt.h"
#include "ui/common/pictures.h"
#include "ui/main/main_window.h"

#include <QPlainTextEdit>

#include <cxxabi.h>
#include <memory>
#include <typeinfo>

QString ErrorReportText(const QString &className, const QString &message)
{
    const QStringList lines{QStringLiteral("Versão Software: ") + QString::fromLatin1(ProgramVersion),
                            QStringLiteral("Separador Decimal: ") + QString(DecimalSep),
                            QString(),
                            QStringLiteral("[INFORMAÇÕES DO ERRO - TESSELMAR]"),
                            QStringLiteral("Procedure Pointer: ") + LastErrorPlace,
                            QStringLiteral("Detail Message: ") + LastErrorDetail,
                            QString(),
                            QStringLiteral("[INFORMAÇÕES DO ERRO - DEBUGGER]"),
                            QStringLiteral("Exception (ClassName): ") + className,
                            QStringLiteral("Exception (Message): ") + message,
                            QString(),
                            QStringLiteral("[INFORMAÇÕES DO ERRO - UTILIZADOR]"),
                            QStringLiteral("[b]Descreva o que estava a fazer:[b] ")};
    return lines.join(QLatin1Char('\n'));
}

void ReportException(const QString &className, const QString &message)
{
    TfmMessageErrorReport report(TfmMain::instance());
    ApplyButtonGlyphs(&report);
    report.message()->setPlainText(ErrorReportText(className, message));
    report.attachments << AppDir() + QStringLiteral("AppData/mysql_log.log");
    RunModal(report);
    SetLastError(QString(), QString());
}

void ReportException(const std::exception &error)
{
    QString className;
    if (dynamic_cast<const ds::DbError *>(&error)) {
        className = ds::DbError::className();
    } else {
        int status = 0;
        std::unique_ptr<char, void (*)(void *)> name(
            abi::__cxa_demangle(typeid(error).name(), nullptr, nullptr, &status), std::free);
        className = QString::fromLatin1(status == 0 && name ? name.get() : typeid(error).name());
    }
    ReportException(className, QString::fromUtf8(error.what()));
}

// tesselmar-setup PROGRAM_FOLDER [--port N]: prepares a program folder with
// its private database server. Safe to run again: an existing database is
// left as it is.
#include "platform/server/server_paths.h"
#include "setup/provision.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString usage = QStringLiteral("Utilização: tesselmar-setup PASTA_DO_PROGRAMA [--port N]");

    ProvisionOptions options;
    options.port = PrivateServerPort();
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--port") && i + 1 < args.size()) {
            bool ok = false;
            options.port = args[++i].toInt(&ok);
            if (!ok || options.port <= 0 || options.port > 65535) {
                err << QStringLiteral("Porta inválida: %1").arg(args[i]) << Qt::endl;
                return 2;
            }
        } else if (args[i] == QLatin1String("-h") || args[i] == QLatin1String("--help")) {
            out << usage << Qt::endl;
            return 0;
        } else if (options.folder.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            options.folder = args[i];
        } else {
            err << usage << Qt::endl;
            return 2;
        }
    }
    if (options.folder.isEmpty()) {
        err << usage << Qt::endl;
        return 2;
    }
    options.log = [&out](const QString &line) { out << line << Qt::endl; };

    QString error;
    if (!ProvisionInstallation(options, &error)) {
        err << QStringLiteral("Erro: ") << error << Qt::endl;
        return 1;
    }
    out << QStringLiteral("Instalação pronta em %1").arg(options.folder) << Qt::endl;
    return 0;
}

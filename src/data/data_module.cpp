#include "data/data_module.h"

#include "data/progress_window.h"
#include "data/rules.h"
#include "data/schema.h"
#include "platform/globals.h"
#include "platform/memory.h"
#include "platform/server/server_paths.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>

using ds::DataSet;
using ds::Field;

namespace {

TDMDB *theModule = nullptr;

const QString DateMask = QStringLiteral("!99/99/0000;1;_");
const QString PhoneMask = QStringLiteral("999999999");
const QString PostalMask = QStringLiteral("0000-999");
const QString Euro = QStringLiteral("0.00 €");
const QString Amount = QStringLiteral("0.00");

void setMask(DataSet *t, std::initializer_list<const char *> fields, const QString &mask)
{
    for (const char *f : fields)
        t->field(QString::fromLatin1(f)).editMask = mask;
}

void setFormat(DataSet *t, const char *field, const QString &display, const QString &edit = {})
{
    Field &f = t->field(QString::fromLatin1(field));
    f.displayFormat = display;
    f.editFormat = edit;
}

} // namespace

TDMDB *DM() { return theModule; }

TDMDB::TDMDB(QObject *parent) : QObject(parent)
{
    theModule = this;

    // The trace log is cut by deletion once it passes 1 MiB.
    const QString log = AppDir() + QStringLiteral("AppData/mysql_log.log");
    const QFileInfo info(log);
    if (info.exists() && info.size() > 1048576)
        QFile::remove(log);
    _db.trace().setFile(log);
    _db.trace().setActive(true);

    ds::ConnectionParams params;
    params.port = PrivateServerPort();
    _db.setParams(params);

    BackupOnExit = true;
    DebtRecalcSuspended = true;

    ztAssociacao = make("ztAssociacao", "associacao", "Associação");
    ztSocio_Tipo = make("ztSocio_Tipo", "socio_tipo", "Tipo de Sócio");
    ztSocio = make("ztSocio", "socio", "Sócio");
    ztPagTipo = make("ztPagTipo", "pagamento_tipo", "Tipo de Pagamento");
    ztPagOpcao = make("ztPagOpcao", "pagamento_opcao", "Opção de Pagamento");
    ztUtilizadores = make("ztUtilizadores", "utilizadores", "Utilizadores");
    ztModalidade = make("ztModalidade", "modalidade", "Modalidade");
    ztEmails = make("ztEmails", "emails", "Emails");
    ztModalidade_Socio = make("ztModalidade_Socio", "modalidade_socio", "Lista de Inscrições (Modalidades)");
    ztSocio_Mod = make("ztSocio_Mod", "modalidade_socio", "Lista de Inscrições (Sócios)");
    ztRecibo = make("ztRecibo", "recibo_header", QString());
    ztQuotasSocios = make("ztQuotasSocios", "quotas_socios", "Quotas de Sócios");
    ztGmailAccount = make("ztGmailAccount", "gmail_account", "Contas Gmail");
    ztAssoc_Cargos = make("ztAssoc_Cargos", "associacao_cargos", "Cargos de Órgãos Sociais");
    ztEntidade = make("ztEntidade", "entidade", "Entidade");
    ztEntidade_Docs = make("ztEntidade_Docs", "entidade_documentos", "Entidade");
    ztSocio_Familiares = make("ztSocio_Familiares", "socio_familiares", "Familares de Sócio");
    ztSocio_Fam = make("ztSocio_Fam", "socio_familiares", QString());
    ztReceitaTipo = make("ztReceitaTipo", "receita_tipo", "Tipos de Receita");
    ztReceitaDetalhes = make("ztReceitaDetalhes", "receita_detalhes", QString());

    ztEmails->setOpenAtStart(false);
    ztRecibo->setOpenAtStart(false);

    const QStringList id{QStringLiteral("id")};
    const QStringList idAssoc{QStringLiteral("id_assoc")};
    ztModalidade->setMaster(ztAssociacao, id, idAssoc);
    ztModalidade_Socio->setMaster(ztModalidade, {QStringLiteral("id"), QStringLiteral("id_assoc")},
                                  {QStringLiteral("id_modalidade"), QStringLiteral("id_assoc")});
    ztSocio_Mod->setMaster(ztSocio, id, {QStringLiteral("id_socio")});
    ztRecibo->setMaster(ztAssociacao, id, idAssoc);
    const QStringList enrolmentKey{QStringLiteral("id_assoc"), QStringLiteral("id_modalidade"),
                                   QStringLiteral("id_socio")};
    ztQuotasSocios->setMaster(ztModalidade_Socio, enrolmentKey, enrolmentKey);
    ztQuotasSocios->setSort(QStringLiteral("mes_num"), DataSet::Order::Ascending);
    ztAssoc_Cargos->setMaster(ztAssociacao, id, idAssoc);
    ztEntidade_Docs->setMaster(ztAssociacao, id, idAssoc);
    ztSocio_Familiares->setMaster(ztSocio, id, {QStringLiteral("id_socio")});
    ztSocio_Fam->setMaster(ztSocio, id, {QStringLiteral("id_agregado")});
    ztReceitaDetalhes->setMaster(ztAssociacao, id, idAssoc);

    zQuery = new DataSet(QStringLiteral("zQuery"), this);
    zQuery->setConnection(&_db);
    zQuerySocios = new DataSet(QStringLiteral("zQuerySocios"), this);
    zQuerySocios->setConnection(&_db);
    zQuerySocios->setSql(QStringLiteral("SELECT id, nome, divida FROM socio"));

    RxQuadroContas = new DataSet(QStringLiteral("RxQuadroContas"), this);
    {
        QList<Field> fields;
        auto plain = [](const QString &name, ds::FieldType type, int size = 0) {
            Field f;
            f.name = name;
            f.type = type;
            f.size = size;
            return f;
        };
        fields << plain(QStringLiteral("socio_nome"), ds::FieldType::String, 80);
        static const char *months[] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                       "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
        auto amount = [&](const QString &name) {
            Field f = plain(name, ds::FieldType::Double);
            f.displayFormat = Euro;
            fields << f;
        };
        for (const char *m : months) {
            amount(QString::fromLatin1(m) + QStringLiteral("_divida"));
            amount(QString::fromLatin1(m) + QStringLiteral("_pago"));
        }
        amount(QStringLiteral("Total_divida"));
        amount(QStringLiteral("Total_pago"));
        fields << plain(QStringLiteral("ano"), ds::FieldType::Integer);
        RxQuadroContas->setFields(fields);
    }

    // The dues table object's fields and lookups are fixed here; start-up
    // only opens it.
    DefineTableFields(ztQuotasSocios, *FindTable(QStringLiteral("quotas_socios")));
    setFormat(ztQuotasSocios, "montante", Euro, Amount);
    setFormat(ztQuotasSocios, "total_pago", Euro, Amount);
    setFormat(ztQuotasSocios, "total_divida", Euro);
    setFormat(ztQuotasSocios, "desconto", QStringLiteral("0.0 %"), QStringLiteral("0.0"));
    setFormat(ztQuotasSocios, "total_total", Euro);
    setMask(ztQuotasSocios, {"data_pagamento"}, DateMask);
    AddLookupField(ztQuotasSocios, QStringLiteral("nome_pagtipo"), 80, QStringLiteral("id_pagamento_tipo"), ztPagTipo,
                   QStringLiteral("id"), QStringLiteral("nome"));
    AddLookupField(ztQuotasSocios, QStringLiteral("nome_pagopcao"), 80, QStringLiteral("id_pagamento_opcao"),
                   ztPagOpcao, QStringLiteral("id"), QStringLiteral("nome"));

    installRules();
}

TDMDB::~TDMDB()
{
    HideProgress();
    if (theModule == this)
        theModule = nullptr;
}

DataSet *TDMDB::make(const QString &name, const QString &table, const QString &caption)
{
    auto *t = new DataSet(name, this);
    t->setConnection(&_db);
    t->setTableName(table);
    t->setCaption(caption);
    items_ << t;
    return t;
}

DataSet *TDMDB::table(const QString &name) const
{
    for (DataSet *t : items_)
        if (t->name() == name)
            return t;
    for (DataSet *t : {zQuery, zQuerySocios, RxQuadroContas})
        if (t->name() == name)
            return t;
    return nullptr;
}

void TDMDB::installRules()
{
    InstallMemberRules(*this);
    InstallActivityRules(*this);
    InstallEnrolmentRules(*this);
    InstallDueRules(*this);
    InstallReceiptRules(*this);
    InstallOtherRules(*this);
}

// ---------------------------------------------------------------- set-up

void TDMDB::DefineTableFields(DataSet *table, const TableDef &def)
{
    QList<Field> fields;
    for (const ColumnDef &c : def.columns) {
        Field f;
        f.name = c.name;
        f.type = c.type;
        f.size = c.size;
        f.notNull = c.notNull;
        f.readOnly = c.name == QLatin1String("id");
        fields << f;
    }
    table->setFields(fields);
}

void TDMDB::AddLookupField(DataSet *table, const QString &name, int size, const QString &keyField, DataSet *source,
                           const QString &sourceKey, const QString &resultField)
{
    Field f;
    f.name = name;
    f.type = ds::FieldType::String;
    f.size = size;
    f.lookup = ds::LookupDef{source, keyField, sourceKey, resultField};
    table->addLookupField(f);
}

void TDMDB::AddLookupFloatField(DataSet *table, const QString &name, const QString &displayFormat,
                                const QString &keyField, DataSet *source, const QString &sourceKey,
                                const QString &resultField)
{
    Field f;
    f.name = name;
    f.type = ds::FieldType::Double;
    f.displayFormat = displayFormat;
    f.lookup = ds::LookupDef{source, keyField, sourceKey, resultField};
    table->addLookupField(f);
}

void TDMDB::OpenAllTables(const std::function<void(int, const QString &)> &onItem)
{
    auto define = [this](DataSet *t) { DefineTableFields(t, *FindTable(t->tableName())); };
    auto phones = [](DataSet *t) { setMask(t, {"telemovel", "telefone", "fax"}, PhoneMask); };
    auto enrolments = [this](DataSet *t) {
        setMask(t, {"data_adesao", "data_saida"}, DateMask);
        setFormat(t, "promocao", QStringLiteral("0.00 %"));
        setFormat(t, "divida", Euro);
        setFormat(t, "total_pago", Euro);
    };

    const QString id = QStringLiteral("id"), nome = QStringLiteral("nome"), divida = QStringLiteral("divida");
    for (int i = 0; i < items_.size(); ++i) {
        DataSet *t = items_[i];
        if (onItem)
            onItem(i, t->caption());
        if (!t->connection() || !t->openAtStart())
            continue;
        if (t == ztUtilizadores || t == ztQuotasSocios) {
            // Fields fixed elsewhere: only opened, and a failure is recorded
            // without stopping the start-up.
            try {
                t->open();
            } catch (const std::exception &) {
                SetLastError(QStringLiteral("LigarTabelas"),
                             QStringLiteral("Impossivel ligar tabela!\r\nNome: ") + t->name());
            }
            continue;
        }
        define(t);
        if (t == ztAssociacao) {
            phones(t);
            setMask(t, {"codigo_postal"}, PostalMask);
            setMask(t, {"nif"}, PhoneMask);
        } else if (t == ztSocio) {
            phones(t);
            setMask(t, {"codigo_postal"}, PostalMask);
            setMask(t, {"nif", "BICC"}, PhoneMask);
            setMask(t, {"NIB"}, QString(21, QLatin1Char('9')));
            setFormat(t, "divida", Euro);
            AddLookupField(t, QStringLiteral("socio_tipo_nome"), 80, QStringLiteral("tipo_socio"), ztSocio_Tipo, id,
                           nome);
        } else if (t == ztModalidade_Socio) {
            enrolments(t);
            AddLookupField(t, QStringLiteral("codigo_interno"), 11, QStringLiteral("id_socio"), ztSocio, id,
                           QStringLiteral("codigo_interno"));
            AddLookupField(t, QStringLiteral("socio_nome"), 80, QStringLiteral("id_socio"), ztSocio, id, nome);
        } else if (t == ztSocio_Mod) {
            enrolments(t);
            AddLookupField(t, QStringLiteral("nome_modalidade"), 80, QStringLiteral("id_modalidade"), ztModalidade,
                           id, nome);
        } else if (t == ztEntidade) {
            phones(t);
            setMask(t, {"codigo_postal"}, PostalMask);
            setMask(t, {"nif"}, PhoneMask);
        } else if (t == ztEntidade_Docs) {
            setFormat(t, "montante_documento", Euro, Amount);
            setMask(t, {"data_emissao", "prazo_pagamento", "data_pagamento"}, DateMask);
            AttachExpenseDocumentDateRule(*this);
            AddLookupField(t, QStringLiteral("nome_entidade"), 80, QStringLiteral("id_entidade"), ztEntidade, id,
                           nome);
            AddLookupField(t, QStringLiteral("tipo_pagamento"), 80, QStringLiteral("id_pagamento_tipo"), ztPagTipo,
                           id, nome);
        } else if (t == ztSocio_Familiares) {
            zQuerySocios->close();
            zQuerySocios->setFields({});
            zQuerySocios->open();
            setFormat(zQuerySocios, "divida", Euro);
            AddLookupField(t, nome, 80, QStringLiteral("id_agregado"), zQuerySocios, id, nome);
            AddLookupFloatField(t, divida, Euro, QStringLiteral("id_agregado"), zQuerySocios, id, divida);
        } else if (t == ztSocio_Fam) {
            AddLookupField(t, nome, 80, QStringLiteral("id_socio"), zQuerySocios, id, nome);
            AddLookupFloatField(t, divida, Euro, QStringLiteral("id_socio"), zQuerySocios, id, divida);
        } else if (t == ztReceitaDetalhes) {
            setFormat(t, "montante", Euro, Amount);
            setMask(t, {"data"}, DateMask);
            AddLookupField(t, QStringLiteral("nome_tipo_receita"), 80, QStringLiteral("id_receita_tipo"),
                           ztReceitaTipo, id, nome);
        }
        t->open();
    }
}

// ---------------------------------------------------------------- services

bool TDMDB::ExecSQL(const QString &sql)
{
    try {
        _db.exec(sql);
        return true;
    } catch (const std::exception &) {
        SetLastError(QStringLiteral("SQL_EXECUTE"), QStringLiteral("Impossivel executar Query!"));
        return false;
    }
}

void TDMDB::ShowProgress(const QString &caption, int maximum)
{
    HideProgress();
    progress_ = new ProgressWindow(caption, maximum, QApplication::activeWindow());
    progress_->show();
    progress_->repaint();
    QApplication::processEvents();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TDMDB::HideProgress()
{
    if (!progress_)
        return;
    QApplication::restoreOverrideCursor();
    progress_->close();
    delete progress_;
}

QLabel *TDMDB::progressLabel() const { return progress_ ? progress_->label() : nullptr; }
QProgressBar *TDMDB::progressBar() const { return progress_ ? progress_->bar() : nullptr; }

void TDMDB::RefreshAllTables()
{
    for (DataSet *t : items_) {
        if (!t->isActive())
            continue;
        t->disableControls();
        try {
            t->refresh();
        } catch (...) {
            t->enableControls();
            throw;
        }
        t->enableControls();
    }
}

void TDMDB::FlushAllTables()
{
    for (DataSet *t : items_) {
        if (!t->isActive())
            continue;
        t->setCachedUpdates(true);
        if (t->isEditing())
            t->post();
        t->applyUpdates();
        t->commitUpdates();
        t->setCachedUpdates(false);
    }
}

void TDMDB::RecalculateAllDebts()
{
    ShowProgress(QStringLiteral("Actualização de Dividas"), 3);
    if (progressLabel())
        progressLabel()->setText(QStringLiteral("Actualizando Dividas..."));
    QApplication::processEvents();

    const QDate today = QDate::currentDate();
    const QString M = QString::number(today.month()), Y = QString::number(today.year());
    const QString fallenDue = QStringLiteral(" AND ((mes_num<=") + M + QStringLiteral(" AND ano<=") + Y +
                              QStringLiteral(")") + QStringLiteral(" OR (mes_num>=") + M +
                              QStringLiteral(" AND ano<") + Y + QStringLiteral("))") + QStringLiteral("),0)");
    ExecSQL(QStringLiteral("UPDATE modalidade_socio SET divida= COALESCE((SELECT SUM(total_divida) AS tdivida FROM "
                           "quotas_socios  WHERE  quotas_socios.id_modalidade=modalidade_socio.id_modalidade AND  "
                           "quotas_socios.id_socio=modalidade_socio.id_socio") +
            fallenDue);
    ExecSQL(QStringLiteral("UPDATE modalidade_socio SET total_pago= COALESCE((SELECT SUM(total_pago) AS tpago FROM "
                           "quotas_socios  WHERE  quotas_socios.id_modalidade=modalidade_socio.id_modalidade AND  "
                           "quotas_socios.id_socio=modalidade_socio.id_socio") +
            fallenDue);

    const QList<DataSet *> frozen{ztModalidade_Socio, ztSocio_Mod, ztSocio};
    for (DataSet *t : frozen)
        t->disableControls();
    auto reread = [](DataSet *t) {
        if (t->isActive())
            t->refresh();
    };
    try {
        reread(ztModalidade_Socio);
        reread(ztSocio_Mod);
        if (progressBar())
            progressBar()->setValue(progressBar()->value() + 2);

        // Without an association there are no enrolments to add up.
        const QVariant assoc = ztAssociacao->isActive() ? ztAssociacao->value(QStringLiteral("id")) : QVariant();
        const QString assocId = assoc.isNull() ? QStringLiteral("0") : QString::number(assoc.toLongLong());
        ExecSQL(QStringLiteral("UPDATE socio SET divida =  COALESCE(( SELECT SUM(modalidade_socio.divida)  FROM "
                               "modalidade_socio  WHERE modalidade_socio.id_socio=socio.id  AND "
                               "modalidade_socio.id_assoc=") +
                assocId + QStringLiteral("),0)"));

        if (ztSocio->isActive()) {
            const bool wasFiltered = ztSocio->filtered();
            ztSocio->setFiltered(false);
            ztSocio->refresh();
            ztSocio->setFiltered(wasFiltered);
        }
        if (progressBar())
            progressBar()->setValue(progressBar()->value() + 1);
        reread(zQuerySocios);
        reread(ztSocio_Familiares);
        reread(ztSocio_Fam);
    } catch (...) {
        for (DataSet *t : frozen)
            t->enableControls();
        HideProgress();
        throw;
    }
    for (DataSet *t : frozen)
        t->enableControls();
    HideProgress();
    TrimMemory();
}

void TDMDB::Shutdown()
{
    if (_db.isOpen()) {
        RefreshAllTables();
        FlushAllTables();
        ExecSQL(QStringLiteral("OPTIMIZE TABLE associacao, associacao_cargos, emails,entidade, entidade_documentos, "
                               "gmail_account, modalidade,modalidade_socio, pagamento_opcao, pagamento_tipo,"
                               "quotas_socios, recibo_header, socio, socio_tipo, utilizadores"));
    }
    for (DataSet *t : items_)
        t->close();
    zQuery->close();
    zQuerySocios->close();
    _db.close();
}

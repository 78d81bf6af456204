#pragma once
// The data module: the one connection, every shared table object, the
// query objects, the in-memory payment-board table, the flags, the services
// and (through the rules_*.cpp files) the save and delete rules.
#include "platform/dataset/connection.h"
#include "platform/dataset/dataset.h"

#include <QObject>
#include <QPointer>

#include <functional>

class ProgressWindow;
class QLabel;
class QProgressBar;
struct TableDef;

class TDMDB : public QObject {
    Q_OBJECT
public:
    // Creation: cuts the trace log when above 1 MiB, starts the trace, sets
    // BackupOnExit and DebtRecalcSuspended.
    explicit TDMDB(QObject *parent = nullptr);
    ~TDMDB() override;

    static constexpr const char *GeneralActivity = "MODALIDADE GERAL";

    ds::Connection _db;

    // Table objects, in the module's order.
    ds::DataSet *ztAssociacao, *ztSocio_Tipo, *ztSocio, *ztPagTipo, *ztPagOpcao, *ztUtilizadores, *ztModalidade,
        *ztEmails, *ztModalidade_Socio, *ztSocio_Mod, *ztRecibo, *ztQuotasSocios, *ztGmailAccount, *ztAssoc_Cargos,
        *ztEntidade, *ztEntidade_Docs, *ztSocio_Familiares, *ztSocio_Fam, *ztReceitaTipo, *ztReceitaDetalhes;
    // Query objects and the in-memory table.
    ds::DataSet *zQuery, *zQuerySocios, *RxQuadroContas;

    // The table objects in the module's order (what start-up opens).
    const QList<ds::DataSet *> &items() const { return items_; }
    ds::DataSet *table(const QString &name) const;

    // Flags.
    bool DebtRecalcSuspended = true;
    bool BackupOnExit = true;
    bool FirstActivation = false;
    // While false, changing montante, total_pago or desconto of a due does
    // not recompute its totals (the dues windows detach it during bulk work).
    bool DueTotalsRuleAttached = true;
    // Name of the activity row when its edit began (protects the general
    // activity).
    QString RememberedActivityName;

    // --- set-up (start-up)
    // Defines the stored fields of a table object as the table's columns.
    void DefineTableFields(ds::DataSet *table, const TableDef &def);
    void AddLookupField(ds::DataSet *table, const QString &name, int size, const QString &keyField,
                        ds::DataSet *source, const QString &sourceKey, const QString &resultField);
    void AddLookupFloatField(ds::DataSet *table, const QString &name, const QString &displayFormat,
                             const QString &keyField, ds::DataSet *source, const QString &sourceKey,
                             const QString &resultField);
    // Sets up and opens every table object in order; `onItem` is told each
    // caption before its table object is opened (status line and progress).
    void OpenAllTables(const std::function<void(int index, const QString &caption)> &onItem = {});

    // --- services
    bool ExecSQL(const QString &sql);
    void ShowProgress(const QString &caption, int maximum);
    void HideProgress();
    QLabel *progressLabel() const;
    QProgressBar *progressBar() const;
    void RefreshAllTables();
    void FlushAllTables();
    void RecalculateAllDebts();
    void RecalculateEnrolmentDebt(ds::DataSet &dues);
    void RecalculateDueTotals(ds::DataSet &dues);

    // The data module's part of the program's end: re-read, store, optimise
    // and close. The exit backup and the server stop follow (app).
    void Shutdown();

private:
    ds::DataSet *make(const QString &name, const QString &table, const QString &caption);
    void installRules();

    QList<ds::DataSet *> items_;
    QPointer<ProgressWindow> progress_;
};

// The program's one data module (null before it is created).
TDMDB *DM();

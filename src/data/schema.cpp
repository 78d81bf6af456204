#include "data/schema.h"

using ds::FieldType;

namespace {

ColumnDef key() { return {"id", "INT(11) NOT NULL AUTO_INCREMENT", FieldType::Integer, 0, true}; }
ColumnDef integer(const char *name, const char *sql, bool notNull = false)
{
    return {name, sql, FieldType::Integer, 0, notNull};
}
ColumnDef text(const char *name, int size, bool notNull = false)
{
    return {name, QString("VARCHAR(%1)").arg(size), FieldType::String, size, notNull};
}
ColumnDef memo(const char *name) { return {name, "TEXT", FieldType::Memo, 0, false}; }
ColumnDef date(const char *name, bool notNull = false) { return {name, "DATE", FieldType::Date, 0, notNull}; }
ColumnDef amount(const char *name, bool notNull = false) { return {name, "DOUBLE", FieldType::Double, 0, notNull}; }

QList<TableDef> buildTables()
{
    return {
        {"associacao",
         {key(), text("nome", 80, true), integer("telemovel", "INT(9)"), integer("telefone", "INT(9)"),
          integer("fax", "INT(9)"), text("email", 80), memo("morada"), text("localidade", 80),
          text("codigo_postal", 8), memo("observacoes"), text("nif", 11)},
         {}},
        {"socio_tipo", {key(), text("nome", 80, true)}, {}},
        {"socio",
         {key(), text("codigo_interno", 11), text("nome", 80, true), integer("telefone", "INT(9)"),
          integer("telemovel", "INT(9)"), integer("fax", "INT(9)"), text("email", 80), memo("morada"),
          text("localidade", 80), text("codigo_postal", 8), memo("observacoes"), date("data_nascimento"),
          integer("nif", "INT(11)"), integer("BICC", "INT(10)"), text("sexo", 10), integer("tipo_socio", "INT(2)"),
          date("data_entrada"), date("data_saida"), text("NIB", 21), amount("divida"), integer("enabled", "INT(1)")},
         {{"nome"}}},
        {"pagamento_tipo", {key(), text("nome", 80, true)}, {}},
        {"pagamento_opcao", {key(), text("nome", 80, true)}, {}},
        {"utilizadores",
         {key(), text("login", 20, true), text("password", 20, true),
          integer("nivel_acesso", "SMALLINT(2) NOT NULL", true)},
         {}},
        {"modalidade",
         {key(), integer("id_assoc", "INT(11) NOT NULL", true), text("nome", 80, true), text("nome_responsavel", 80),
          memo("observacoes")},
         {{"id_assoc"}}},
        {"emails",
         {key(), text("email_destino", 80), text("assunto", 80), text("assunto_detalhe", 30), memo("mensagem"),
          date("data_envio"), integer("enabled", "SMALLINT(1)")},
         {}},
        {"modalidade_socio",
         {key(), integer("id_assoc", "INT(11) NOT NULL", true), integer("id_modalidade", "INT(11) NOT NULL", true),
          integer("id_socio", "INT(11) NOT NULL", true), date("data_adesao"), date("data_saida"), amount("promocao"),
          amount("divida"), amount("total_pago")},
         {{"id_socio"}, {"id_modalidade"}}},
        {"quotas_socios",
         {key(), integer("id_assoc", "INT(11) NOT NULL", true), integer("id_modalidade", "INT(11) NOT NULL", true),
          integer("id_socio", "INT(11)"), integer("id_pagamento_tipo", "SMALLINT"),
          integer("id_pagamento_opcao", "SMALLINT"), integer("ano", "INT"), text("mes", 50, true),
          integer("mes_num", "INT"), amount("montante"), amount("total_pago"), amount("total_divida"),
          amount("desconto"), amount("total_total"), date("data_pagamento"), integer("enabled", "SMALLINT")},
         {{"id_modalidade", "id_socio", "ano", "mes_num"}, {"id_socio"}}},
        {"recibo_header",
         {key(), integer("id_assoc", "INT(11) NOT NULL", true), integer("id_socio", "INT(11) NOT NULL", true),
          text("nome_socio", 80), date("data_emisao"), amount("montante"), amount("total_desconto"),
          amount("total_total"), memo("montante_extenso"), integer("ano", "SMALLINT(4)"),
          integer("mes", "SMALLINT(2)"), integer("dia", "SMALLINT(2)"), integer("enabled", "SMALLINT(1)")},
         {{"id_socio"}}},
        {"recibo_details",
         {key(), integer("id_recibo", "INT(11)"), integer("id_socio", "INT(11)"), integer("id_quota", "INT(11)")},
         {{"id_socio"}, {"id_recibo"}}},
        {"gmail_account",
         {key(), text("gmail", 255, true), text("password", 255, true), integer("enabled", "SMALLINT(1)")},
         {}},
        {"associacao_cargos",
         {key(), integer("id_assoc", "INT(11) NOT NULL", true), text("nome", 120, true),
          text("nome_pessoa", 80, true)},
         {{"id_assoc"}}},
        {"entidade",
         {key(), text("nome", 80, true), text("abreviatura", 20), integer("telefone", "INT(9)"),
          integer("telemovel", "INT(9)"), integer("fax", "INT(9)"), text("email", 100), text("localidade", 80),
          text("codigo_postal", 8), memo("morada"), integer("nif", "BIGINT(10)")},
         {}},
        {"entidade_documentos",
         {key(), integer("id_assoc", "INT(11) NOT NULL", true), integer("id_entidade", "INT(11) NOT NULL", true),
          integer("id_pagamento_tipo", "INT(11)"), text("numero_documento", 50, true), date("data_emissao", true),
          amount("montante_documento", true), date("prazo_pagamento", true), date("data_pagamento"),
          memo("observacoes"), integer("ano", "INT(4)"), integer("mes", "INT(2)"), integer("dia", "INT(2)")},
         {{"id_assoc"}}},
        {"socio_familiares",
         {key(), integer("id_socio", "INT(11) NOT NULL", true), integer("id_agregado", "INT(11)"),
          text("tipo_agregado", 40)},
         {{"id_socio"}, {"id_agregado"}}},
        {"receita_tipo", {key(), text("nome", 80, true)}, {}},
        {"receita_detalhes",
         {key(), integer("id_assoc", "INT(11) NOT NULL", true), integer("id_receita_tipo", "INT(11) NOT NULL", true),
          text("descricao", 80, true), amount("montante", true), date("data"), integer("ano", "INT(4)"),
          integer("mes", "INT(2)"), integer("dia", "INT(2)"), memo("observacoes")},
         {{"id_assoc"}}},
    };
}

} // namespace

const QList<TableDef> &SchemaTables()
{
    static const QList<TableDef> tables = buildTables();
    return tables;
}

const TableDef *FindTable(const QString &name)
{
    for (const TableDef &t : SchemaTables())
        if (t.name == name)
            return &t;
    return nullptr;
}

QString CreateTableSql(const TableDef &table)
{
    QStringList parts;
    for (const ColumnDef &c : table.columns) {
        QString sql = c.sqlType;
        if (c.notNull && !sql.contains("NOT NULL"))
            sql += " NOT NULL";
        parts << QString("`%1` %2").arg(c.name, sql);
    }
    parts << "PRIMARY KEY (`id`)";
    int n = 0;
    for (const QStringList &index : table.indexes) {
        QStringList cols;
        for (const QString &c : index)
            cols << QString("`%1`").arg(c);
        parts << QString("KEY `ix_%1_%2` (%3)").arg(table.name).arg(++n).arg(cols.join(", "));
    }
    return QString("CREATE TABLE `%1` (\n  %2\n) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci")
        .arg(table.name, parts.join(",\n  "));
}

#pragma once
// The tables of the database `tesselmar`, in column order. One description
// serves the provisioning (DDL) and the table objects' field lists.
#include "platform/dataset/field_type.h"

#include <QList>
#include <QString>
#include <QStringList>

struct ColumnDef {
    QString name;
    QString sqlType;     // as written in CREATE TABLE
    ds::FieldType type;  // as the table objects see it
    int size = 0;        // text width; 0 for other kinds
    bool notNull = false;
};

struct TableDef {
    QString name;
    QList<ColumnDef> columns;
    QList<QStringList> indexes; // secondary indexes, each a column list
};

// Every table, in the order they are created.
const QList<TableDef> &SchemaTables();
const TableDef *FindTable(const QString &name);

// CREATE TABLE statement of one table (InnoDB, utf8mb4, key on `id`).
QString CreateTableSql(const TableDef &table);

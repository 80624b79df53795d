#pragma once

#include "SqlText.h"

class Connection;

// A statement that returns no rows: text, named parameters, execute().
class Command {
public:
    Command(Connection *connection, const QString &name);

    const QString &name() const { return name_; }
    void setSql(const QString &sql);
    const QString &sql() const { return sql_; }
    void setParam(const QString &name, const QVariant &value) { params_.set(name, value); }

    // Runs the statement; returns the number of rows it touched. Throws DbError.
    int execute();

    // One statement with its parameters, for code that needs no named object.
    static int run(Connection *connection, const QString &sql,
                   const QList<QPair<QString, QVariant>> &params = {});

private:
    Connection *connection_;
    QString name_;
    QString sql_;
    Params params_;
};

#include "Command.h"

#include "Connection.h"

Command::Command(Connection *connection, const QString &name) : connection_(connection), name_(name) {}

void Command::setSql(const QString &sql)
{
    sql_ = sql;
    params_.setSql(sql);
}

int Command::execute()
{
    QSqlQuery query(connection_->db());
    runStatement(query, params_);
    return query.numRowsAffected();
}

int Command::run(Connection *connection, const QString &sql, const QList<QPair<QString, QVariant>> &params)
{
    Command cmd(connection, QString());
    cmd.setSql(sql);
    for (const auto &p : params)
        cmd.setParam(p.first, p.second);
    return cmd.execute();
}

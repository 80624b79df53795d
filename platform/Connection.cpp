#include "Connection.h"

#include "DbError.h"

#include <QSqlError>
#include <QSqlQuery>

ConnectionParams parseConnectionString(const QString &text)
{
    QMap<QString, QString> values;
    for (const QString &part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int eq = part.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        values.insert(part.left(eq).trimmed().toUpper(), part.mid(eq + 1).trimmed());
    }
    ConnectionParams p;
    p.database = values.value(QStringLiteral("DATABASE"));
    p.server = values.value(QStringLiteral("SERVER"));
    bool ok = false;
    const int port = values.value(QStringLiteral("PORT")).toInt(&ok);
    if (ok && port > 0)
        p.port = port;
    p.user = values.value(QStringLiteral("UID"));
    p.password = values.value(QStringLiteral("PWD"));
    p.sslmode = values.value(QStringLiteral("SSLMODE"));
    return p;
}

Connection::Connection(const QString &name) : name_(name) {}

Connection::~Connection()
{
    close();
    QSqlDatabase::removeDatabase(name_);
}

void Connection::open()
{
    const ConnectionParams p = parseConnectionString(connectionString_);
    QSqlDatabase db = QSqlDatabase::contains(name_) ? QSqlDatabase::database(name_, false)
                                                    : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    if (!db.isValid())
        throw DbError(QStringLiteral("Драйвер PostgreSQL (QPSQL) не установлен."));
    db.close();
    db.setDatabaseName(p.database);
    db.setHostName(p.server);
    db.setPort(p.port);
    db.setUserName(p.user);
    db.setPassword(p.password);
    QString options = QStringLiteral("connect_timeout=10");
    if (!p.sslmode.isEmpty())
        options += QStringLiteral(";sslmode=") + p.sslmode.toLower();
    db.setConnectOptions(options);
    if (!db.open())
        throw DbError::fromSql(db.lastError());
    // Day-first literals and the server's messages must read the same on every server.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("set DateStyle to 'ISO, DMY'")))
        throw DbError::fromSql(q.lastError());
    transactionDepth = 0;
    wanted_ = true;
}

void Connection::close()
{
    if (QSqlDatabase::contains(name_)) {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    transactionDepth = 0;
    wanted_ = false;
}

QSqlDatabase Connection::db()
{
    QSqlDatabase d = QSqlDatabase::database(name_, false);
    if (!d.isOpen() && wanted_ && transactionDepth == 0) {
        try {
            open();
        } catch (const DbError &) {
            // The statement itself reports the missing connection.
        }
        d = QSqlDatabase::database(name_, false);
    }
    return d;
}

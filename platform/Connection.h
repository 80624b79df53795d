#pragma once

#include <QMap>
#include <QSqlDatabase>
#include <QString>

// What a connection string of the form "KEY=value;KEY=value;" tells the
// PostgreSQL driver. Keys are matched without regard to case.
struct ConnectionParams {
    QString database;
    QString server;
    int port = 5432;
    QString user;
    QString password;
    QString sslmode;
};

ConnectionParams parseConnectionString(const QString &text);

// The program's one database connection. Datasets and commands take their
// QSqlDatabase from it at execution time, so it can be reopened elsewhere.
class Connection {
public:
    explicit Connection(const QString &name);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    const QString &name() const { return name_; }
    void setConnectionString(const QString &text) { connectionString_ = text; }
    const QString &connectionString() const { return connectionString_; }

    // Opens with the current connection string; throws DbError on failure.
    void open();
    void close();
    // The driver's connection. One the server dropped is opened again here,
    // outside a transaction, so the next command works once the server is back.
    QSqlDatabase db();

    // Nesting depth of Transaction guards; only the outermost one talks to the server.
    int transactionDepth = 0;

private:
    QString name_;
    QString connectionString_;
    bool wanted_ = false; // opened by the program and not closed since
};

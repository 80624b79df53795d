#include "TestSupport.h"

#include "Command.h"
#include "Dataset.h"
#include "DbError.h"
#include "Unit6.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUuid>
#include <QWidget>

bool MessageRecorder::show(const MessageRequest &r)
{
    entries.push_back({r.text, r.caption, r.icon, r.yesNo});
    if (!r.yesNo)
        return true;
    if (!answers.isEmpty())
        return answers.takeFirst();
    return defaultAnswer;
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const Entry &e : entries)
        out << e.text;
    return out;
}

MessageRecorder *recordMessages()
{
    auto recorder = std::make_unique<MessageRecorder>();
    MessageRecorder *raw = recorder.get();
    Messages::setSink(std::move(recorder));
    return raw;
}

namespace {
QString g_current;

QSqlDatabase admin()
{
    const QString name = QStringLiteral("test_admin");
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(TestDb::host());
    db.setDatabaseName(QStringLiteral("postgres"));
    // The cluster's superuser (set by scripts/pgcluster), so a drop can end any
    // session on the copy, autovacuum's included.
    db.setUserName(QStringLiteral("postgres"));
    db.setPassword(QStringLiteral("tabel-admin"));
    if (!db.open())
        qFatal("test cluster unreachable: %s", qPrintable(db.lastError().text()));
    return db;
}

void adminExec(const QString &sql)
{
    QSqlQuery q(admin());
    if (!q.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

int g_modalTimeouts = 0;
} // namespace

namespace TestDb {
QString host()
{
    const QString h = qEnvironmentVariable("TABEL_TEST_PGHOST");
    if (h.isEmpty())
        qFatal("TABEL_TEST_PGHOST is not set: run the tests through ctest");
    return h;
}

QString connectionString(const QString &database, const QString &password)
{
    return QStringLiteral("DATABASE=%1;SERVER=%2;PORT=5432;UID=sys;PWD=%3;SSLmode=allow;").arg(database, host(), password);
}

QString createCopy(const QString &templateName)
{
    dropCurrent();
    g_current = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128).left(16);
    adminExec(QStringLiteral("create database %1 template %2").arg(g_current, templateName));
    return g_current;
}

QString create(const QString &templateName)
{
    createCopy(templateName);
    DataModule6->ADO_DB.close();
    DataModule6->ADO_DB.setConnectionString(connectionString(g_current));
    DataModule6->ADO_DB.open();
    return g_current;
}

void allowConnections(bool allow)
{
    adminExec(QStringLiteral("alter database %1 allow_connections %2").arg(g_current, allow ? "true" : "false"));
}

void dropCurrent()
{
    if (g_current.isEmpty())
        return;
    if (DataModule6)
        DataModule6->ADO_DB.close();
    adminExec(QStringLiteral("drop database if exists %1 with (force)").arg(g_current));
    g_current.clear();
}
} // namespace TestDb

QVariant scalar(const QString &sql, const QList<QPair<QString, QVariant>> &binds)
{
    Dataset ds(&DataModule6->ADO_DB, QStringLiteral("check"));
    ds.setSql(sql);
    for (const auto &b : binds)
        ds.setParam(b.first, b.second);
    ds.open();
    return ds.fieldCount() > 0 ? ds.valueAt(0, 0) : QVariant();
}

int exec(const QString &sql, const QList<QPair<QString, QVariant>> &binds)
{
    return Command::run(&DataModule6->ADO_DB, sql, binds);
}

QList<QVariantList> rows(const QString &sql, const QList<QPair<QString, QVariant>> &binds)
{
    Dataset ds(&DataModule6->ADO_DB, QStringLiteral("check"));
    ds.setSql(sql);
    for (const auto &b : binds)
        ds.setParam(b.first, b.second);
    ds.open();
    QList<QVariantList> out;
    for (int r = 0; r < ds.recordCount(); ++r) {
        QVariantList row;
        for (int c = 0; c < ds.fieldCount(); ++c)
            row << ds.valueAt(r, c);
        out << row;
    }
    return out;
}

void whenModal(std::function<void(QWidget *)> action)
{
    QWidget *before = QApplication::activeModalWidget();
    auto *timer = new QTimer(qApp);
    auto *clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, qApp, [=] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w != before && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            action(w);
            return;
        }
        if (clock->elapsed() > 10000) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            ++g_modalTimeouts;
            if (auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dlg->done(2);
        }
    });
    timer->start();
}

int modalTimeouts()
{
    return g_modalTimeouts;
}

void withModal(const std::function<void()> &open, const std::function<void(QWidget *)> &body)
{
    whenModal([&body](QWidget *w) {
        body(w);
        if (w->isVisible())
            if (auto *dlg = qobject_cast<QDialog *>(w))
                dlg->done(2);
    });
    open();
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

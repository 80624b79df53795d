#pragma once

#include "Command.h"
#include "Connection.h"
#include "Dataset.h"

#include <QDate>
#include <QObject>

// The program's one connection and the datasets and commands that more than
// one screen uses.
class TDataModule6 : public QObject {
    Q_OBJECT
public:
    explicit TDataModule6(QObject *parent = nullptr);

    Connection ADO_DB{QStringLiteral("ADO_DB")};

    Dataset *Workers;
    Dataset *Izdel;
    Dataset *Oper;
    Dataset *Vid_oper;
    Dataset *Smena1;
    Dataset *Smena2;
    Dataset *Smena3;
    Dataset *Smena4;
    Dataset *H_Tabel_1;
    Dataset *H_Tabel_2;
    Dataset *H_Tabel_3;
    Dataset *Control;

    Command *DelSmena;
    Command *H_Tabel_ins;
    Command *SQL_exec;
    Command *Oper_ins;
    Command *Oper_ed;
    Command *Oper_del;

    // Decimal separator for numbers in SQL text, read from accounts_dep.ver.
    QString DbDelim;

    using Binds = QList<QPair<QString, QVariant>>;

    // Runs a count query (column "cnt"); above 0 shows `message` and answers true.
    bool IsDuplicate(const QString &sql, const QString &message = QString(), const Binds &binds = {});
    // Like IsDuplicate for typed names: counts the rows of `sql` whose `field`,
    // trimmed, equals `text` without regard to letter case (Cyrillic too, on any
    // server locale, because the comparison is made here).
    bool IsDuplicateName(const QString &sql, const QString &field, const QString &text,
                         const QString &message, const Binds &binds = {});
    // Puts DbDelim in place of the first "," (or, without one, the first ".").
    QString DbDecimal(const QString &text);

    // One value through the scratch query: clear, add the statement, open, read, close.
    QVariant ControlValue(const QString &sql, const QString &field, const Binds &binds = {});

    // The shift list of shift 1..4.
    Dataset *ShiftList(int shift) const;
    // Sets the day's cell of the worker's shift time-sheet row to the hours of
    // his output rows of that shift and day (empty when none are left),
    // creating the month's row when hours appear and it has none.
    void SetShiftDayHours(int workerId, int shift, const QDate &day);

    // Inside a transaction: waits until no other copy of the program is saving
    // rows of this worker, shift and day, and keeps them out until the commit,
    // so duplicate checks and day totals see every row.
    void LockShiftDay(int workerId, int shift, const QDate &day);

    static QString smenaSql(int shift);
    static QString hTabelSql(int shift);
};

extern TDataModule6 *DataModule6;

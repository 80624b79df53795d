#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

class QSqlError;

// The one exception type a failing statement throws. It carries the server's
// own text and its SQLSTATE so the screens can tell the user what went wrong.
class DbError : public std::runtime_error {
public:
    DbError(const QString &message, const QString &sqlState = QString(),
            const QString &constraint = QString());
    static DbError fromSql(const QSqlError &error);

    const QString &message() const { return message_; }
    const QString &sqlState() const { return sqlState_; }
    // Name of the constraint the statement ran into, when the server names one.
    const QString &constraint() const { return constraint_; }

    // What the user reads: a Russian explanation for the failures a clerk can
    // cause (a row still referred to, a lost connection), then the server's text.
    QString userText() const;

    // The data layer knows what each constraint protects and can phrase it.
    using ConstraintExplainer = std::function<QString(const QString &constraint)>;
    static void setConstraintExplainer(ConstraintExplainer explainer);

private:
    QString message_;
    QString sqlState_;
    QString constraint_;
};

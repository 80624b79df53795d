#include "DbError.h"

#include <QRegularExpression>
#include <QSqlError>

namespace {
DbError::ConstraintExplainer &explainer()
{
    static DbError::ConstraintExplainer fn;
    return fn;
}

// The server prefixes its text with the severity and the driver appends the
// SQLSTATE in brackets; neither helps a reader.
QString cleanServerText(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\n?\\(\\w{5}\\)\\s*$")));
    text.remove(QRegularExpression(QStringLiteral("^(ERROR|FATAL|ОШИБКА|ВАЖНО):\\s*")));
    return text.trimmed();
}

QString constraintOf(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("constraint \"([^\"]+)\""));
    const auto m = re.match(text);
    return m.hasMatch() ? m.captured(1) : QString();
}
} // namespace

DbError::DbError(const QString &message, const QString &sqlState, const QString &constraint)
    : std::runtime_error(message.toStdString()), message_(message), sqlState_(sqlState),
      constraint_(constraint.isEmpty() ? constraintOf(message) : constraint)
{
}

DbError DbError::fromSql(const QSqlError &error)
{
    QString text = error.databaseText();
    if (text.trimmed().isEmpty())
        text = error.driverText();
    if (text.trimmed().isEmpty())
        text = error.text();
    QString state = error.nativeErrorCode();
    // A dropped connection comes back from the driver without an SQLSTATE.
    static const QRegularExpression lost(
        QStringLiteral("server closed the connection|no connection to the server|could not connect|"
                       "connection to server .* failed|terminating connection"),
        QRegularExpression::CaseInsensitiveOption);
    if (state.isEmpty() && (error.type() == QSqlError::ConnectionError || lost.match(text).hasMatch()))
        state = QStringLiteral("08006");
    return DbError(cleanServerText(text), state);
}

void DbError::setConstraintExplainer(ConstraintExplainer fn)
{
    explainer() = std::move(fn);
}

QString DbError::userText() const
{
    QString reason;
    if (!constraint_.isEmpty() && explainer())
        reason = explainer()(constraint_);
    if (reason.isEmpty()) {
        if (sqlState_ == QLatin1String("23503"))
            reason = QStringLiteral("Действие невозможно: на эту запись ссылаются другие данные.");
        else if (sqlState_ == QLatin1String("23505"))
            reason = QStringLiteral("Такая запись уже есть в базе данных.");
        else if (sqlState_.startsWith(QLatin1String("08")) || sqlState_ == QLatin1String("57P01"))
            reason = QStringLiteral("Нет связи с базой данных.");
        else if (sqlState_ == QLatin1String("22P02") || sqlState_ == QLatin1String("22003"))
            reason = QStringLiteral("Недопустимое значение числа.");
        else if (sqlState_ == QLatin1String("22001"))
            reason = QStringLiteral("Слишком длинный текст.");
    }
    if (reason.isEmpty())
        return message_;
    return reason + QStringLiteral("\n\n") + message_;
}

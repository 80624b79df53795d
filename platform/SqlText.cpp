#include "SqlText.h"

#include "DbError.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <stdexcept>

namespace {
bool isNameStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }
} // namespace

ParsedSql parseNamedParams(const QString &sql)
{
    ParsedSql out;
    QString chunk;
    chunk.reserve(sql.size());
    const int n = sql.size();
    int i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Copy the quoted text as it is; a doubled quote stays inside it.
            int j = i + 1;
            while (j < n) {
                if (sql.at(j) == c) {
                    if (j + 1 < n && sql.at(j + 1) == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            chunk += sql.mid(i, j - i + 1);
            i = j + 1;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && sql.at(i + 1) == QLatin1Char(':')) {
            chunk += QLatin1String("::");
            i += 2;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && isNameStart(sql.at(i + 1))) {
            int j = i + 1;
            while (j < n && isNameChar(sql.at(j)))
                ++j;
            out.names << sql.mid(i + 1, j - i - 1).toLower();
            out.chunks << chunk;
            chunk.clear();
            i = j;
            continue;
        }
        chunk += c;
        ++i;
    }
    out.chunks << chunk;
    return out;
}

void Params::setSql(const QString &sql)
{
    parsed_ = parseNamedParams(sql);
    QHash<QString, QVariant> kept;
    for (const QString &name : parsed_.names)
        if (values_.contains(name))
            kept.insert(name, values_.value(name));
    values_ = kept;
}

void Params::set(const QString &name, const QVariant &value)
{
    const QString key = name.toLower();
    if (!parsed_.names.contains(key))
        throw std::logic_error("unknown parameter: " + name.toStdString());
    values_.insert(key, value);
}

QVariant Params::value(const QString &name) const
{
    return values_.value(name.toLower());
}

bool Params::has(const QString &name) const
{
    return parsed_.names.contains(name.toLower());
}

void runStatement(QSqlQuery &query, const Params &params)
{
    const ParsedSql &p = params.parsed();
    QString text = p.chunks.value(0);
    const QSqlDriver *driver = query.driver();
    if (!driver || !driver->isOpen())
        throw DbError(QStringLiteral("no connection to the server"), QStringLiteral("08003"));
    for (int i = 0; i < p.names.size(); ++i) {
        const QVariant v = params.value(p.names[i]);
        QSqlField field(QString(), v.isValid() ? v.metaType() : QMetaType::fromType<QString>());
        field.setValue(v);
        text += driver->formatValue(field);
        text += p.chunks.value(i + 1);
    }
    if (!query.exec(text))
        throw DbError::fromSql(query.lastError());
}

#include "SqlText.h"

#include "DbError.h"

#include <QSqlError>
#include <stdexcept>

namespace {
bool isNameStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }
} // namespace

ParsedSql parseNamedParams(const QString &sql)
{
    ParsedSql out;
    out.positional.reserve(sql.size());
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
            out.positional += sql.mid(i, j - i + 1);
            i = j + 1;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && sql.at(i + 1) == QLatin1Char(':')) {
            out.positional += QLatin1String("::");
            i += 2;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && isNameStart(sql.at(i + 1))) {
            int j = i + 1;
            while (j < n && isNameChar(sql.at(j)))
                ++j;
            out.names << sql.mid(i + 1, j - i - 1).toLower();
            out.positional += QLatin1Char('?');
            i = j;
            continue;
        }
        out.positional += c;
        ++i;
    }
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
    bool ok;
    if (p.names.isEmpty()) {
        ok = query.exec(p.positional);
    } else {
        if (!query.prepare(p.positional))
            throw DbError::fromSql(query.lastError());
        for (const QString &name : p.names)
            query.addBindValue(params.value(name));
        ok = query.exec();
    }
    if (!ok)
        throw DbError::fromSql(query.lastError());
}

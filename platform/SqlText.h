#pragma once

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

class Connection;

// A statement's named parameters (":data"), found outside quotes and apart
// from "::" casts, and turned into positional ones for the driver.
struct ParsedSql {
    QStringList chunks;  // the text around the parameters: one more than names
    QStringList names;   // lower-case names in order of appearance, repeats kept
    QString positional() const { return chunks.join(QLatin1Char('?')); }
};
ParsedSql parseNamedParams(const QString &sql);

// Parameter values by name, without regard to case ("DATA" sets ":data").
class Params {
public:
    void setSql(const QString &sql);
    // Throws std::logic_error for a name the statement does not have.
    void set(const QString &name, const QVariant &value);
    QVariant value(const QString &name) const;
    bool has(const QString &name) const;
    const ParsedSql &parsed() const { return parsed_; }

private:
    ParsedSql parsed_;
    QHash<QString, QVariant> values_;
};

// Runs a statement with its parameters bound; throws DbError when the server refuses it.
// Each value reaches the server as one literal escaped by the driver, so no
// typed text can change the statement.
void runStatement(QSqlQuery &query, const Params &params);

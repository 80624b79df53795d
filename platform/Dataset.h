#pragma once

#include "SqlText.h"

#include <QMetaType>
#include <QObject>
#include <QSet>
#include <QVector>
#include <functional>

class Connection;

// A query with a static client cursor: open() fetches every row into memory,
// and navigation, filtering and locating work on those rows without another
// round trip. Record numbers are 1-based and count the rows the filter lets
// through. A dataset with an update table can also insert, edit, post and
// delete its rows.
class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Predicate = std::function<bool(const Dataset &ds, int row)>;

    Dataset(Connection *connection, const QString &name, QObject *parent = nullptr);

    // Statement text.
    void setSql(const QString &sql);
    const QString &sql() const { return sql_; }
    void clearSql() { setSql(QString()); }
    void addSql(const QString &line);
    // Whole-table dataset: "select * from <table> [order by <order>]", writable by key.
    void setTable(const QString &table, const QString &orderBy = QString(), const QString &key = QStringLiteral("id"));
    void setUpdateTable(const QString &table, const QString &key = QStringLiteral("id"));

    void setParam(const QString &name, const QVariant &value) { params_.set(name, value); }
    QVariant param(const QString &name) const { return params_.value(name); }

    // Fetches the rows; throws DbError and then stays as it was.
    void open();
    void close();
    bool active() const { return state_ != State::Inactive; }
    // Fetches anew and, only when that worked, replaces the rows; the cursor
    // goes to record `recNo` when the list still has that many rows, else to the first.
    void reopen(int recNo = 1);
    // Stores pending changes and fetches anew, keeping the current row by key.
    void refresh();

    int recordCount() const { return visible_.size(); }
    // 1-based; -1 when there is no current row (empty, or a row being appended).
    int recNo() const;
    void setRecNo(int recNo);
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool isEmpty() const { return visible_.isEmpty(); }

    int fieldCount() const { return fields_.size(); }
    int fieldIndex(const QString &name) const;
    QMetaType fieldType(int index) const { return fields_.value(index).type; }
    // Value of the current row (or of the row being edited); null without one.
    QVariant value(const QString &field) const;
    QString text(const QString &field) const;
    int intValue(const QString &field) const;
    double number(const QString &field) const;
    // Value of a visible row, by field position.
    QVariant valueAt(int visibleRow, int field) const;
    QVariant rowValue(int row, int field) const { return rows_.value(row).value(field); }
    QVariant rowValue(int row, const QString &field) const { return rowValue(row, fieldIndex(field)); }

    // Client-side filter over the fetched rows.
    void setFilter(Predicate predicate);
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }
    static Predicate beginsWith(const QString &field, const QString &text);
    static Predicate contains(const QString &field, const QString &text);
    static Predicate equals(const QString &field, const QVariant &value);

    // Moves to the first visible row whose field equals value.
    bool locate(const QString &field, const QVariant &value);

    // Editing, for datasets with an update table.
    State state() const { return state_; }
    bool modified() const { return !modifiedFields_.isEmpty(); }
    void append();
    void edit();
    void setValue(const QString &field, const QVariant &value);
    void post();
    void cancel();
    void remove();
    // Runs at the start of every post, while the row may still be changed.
    void setBeforePost(std::function<void()> hook) { beforePost_ = std::move(hook); }

signals:
    void reset();               // rows, filter or open state changed
    void currentChanged();      // the cursor moved
    void rowChanged(int visibleRow);

private:
    struct Field {
        QString name;
        QMetaType type;
    };
    struct Fetched {
        QVector<Field> fields;
        QVector<QVector<QVariant>> rows;
    };
    Fetched fetch() const;
    void install(Fetched &&data);
    void rebuildVisible();
    void moveTo(int index);
    void browseMode();
    static bool sameValue(const QVariant &a, const QVariant &b);

    Connection *connection_;
    QString sql_;
    Params params_;
    QString updateTable_;
    QString key_;

    QVector<Field> fields_;
    QHash<QString, int> fieldIndex_;
    QVector<QVector<QVariant>> rows_;
    QVector<int> visible_;
    int cur_ = -1;
    bool eof_ = true;

    Predicate filter_;
    bool filtered_ = false;

    State state_ = State::Inactive;
    QVector<QVariant> buffer_;
    QSet<int> modifiedFields_;
    std::function<void()> beforePost_;
};

#include "Dataset.h"

#include "Connection.h"
#include "DbError.h"

#include <QSqlError>
#include <algorithm>
#include <QSqlField>
#include <QSqlRecord>
#include <stdexcept>

Dataset::Dataset(Connection *connection, const QString &name, QObject *parent)
    : QObject(parent), connection_(connection)
{
    setObjectName(name);
}

void Dataset::setSql(const QString &sql)
{
    sql_ = sql;
    params_.setSql(sql);
}

void Dataset::addSql(const QString &line)
{
    setSql(sql_.isEmpty() ? line : sql_ + QLatin1Char('\n') + line);
}

void Dataset::setTable(const QString &table, const QString &orderBy, const QString &key)
{
    QString sql = QStringLiteral("select * from ") + table;
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" order by ") + orderBy;
    setSql(sql);
    setUpdateTable(table, key);
}

void Dataset::setUpdateTable(const QString &table, const QString &key)
{
    updateTable_ = table;
    key_ = key.toLower();
}

Dataset::Fetched Dataset::fetch() const
{
    QSqlQuery query(connection_->db());
    query.setForwardOnly(true);
    runStatement(query, params_);
    Fetched data;
    const QSqlRecord rec = query.record();
    data.fields.reserve(rec.count());
    for (int i = 0; i < rec.count(); ++i)
        data.fields.push_back({rec.fieldName(i), rec.field(i).metaType()});
    const int n = rec.count();
    while (query.next()) {
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i)
            row[i] = query.value(i);
        data.rows.push_back(std::move(row));
    }
    return data;
}

void Dataset::install(Fetched &&data)
{
    fields_ = std::move(data.fields);
    fieldIndex_.clear();
    for (int i = 0; i < fields_.size(); ++i) {
        const QString key = fields_[i].name.toLower();
        if (!fieldIndex_.contains(key))
            fieldIndex_.insert(key, i);
    }
    rows_ = std::move(data.rows);
    state_ = State::Browse;
    buffer_.clear();
    modifiedFields_.clear();
    rebuildVisible();
    cur_ = visible_.isEmpty() ? -1 : 0;
    eof_ = visible_.isEmpty();
}

void Dataset::open()
{
    if (active())
        return;
    install(fetch());
    emit reset();
    emit currentChanged();
}

void Dataset::close()
{
    if (!active())
        return;
    state_ = State::Inactive;
    rows_.clear();
    visible_.clear();
    buffer_.clear();
    modifiedFields_.clear();
    cur_ = -1;
    eof_ = true;
    emit reset();
    emit currentChanged();
}

void Dataset::reopen(int recNo)
{
    Fetched data = fetch();
    install(std::move(data));
    if (recNo >= 1 && recNo <= visible_.size())
        cur_ = recNo - 1;
    emit reset();
    emit currentChanged();
}

void Dataset::refresh()
{
    if (!active())
        return;
    browseMode();
    const int keyField = fieldIndex(key_);
    const QVariant key = keyField >= 0 && cur_ >= 0 ? rows_[visible_[cur_]][keyField] : QVariant();
    const int at = recNo();
    reopen(at);
    if (key.isValid() && !key.isNull())
        locate(key_, key);
}

int Dataset::recNo() const
{
    if (state_ == State::Insert || cur_ < 0)
        return -1;
    return cur_ + 1;
}

void Dataset::setRecNo(int recNo)
{
    if (recNo >= 1 && recNo <= visible_.size())
        moveTo(recNo - 1);
}

void Dataset::moveTo(int index)
{
    browseMode();
    const int old = cur_;
    cur_ = index;
    eof_ = visible_.isEmpty();
    if (old != cur_)
        emit currentChanged();
}

void Dataset::first()
{
    if (visible_.isEmpty()) {
        browseMode();
        eof_ = true;
        return;
    }
    moveTo(0);
}

void Dataset::last()
{
    if (!visible_.isEmpty())
        moveTo(visible_.size() - 1);
}

void Dataset::next()
{
    if (cur_ + 1 < visible_.size()) {
        moveTo(cur_ + 1);
    } else {
        browseMode();
        eof_ = true;
    }
}

void Dataset::prior()
{
    if (cur_ > 0)
        moveTo(cur_ - 1);
}

int Dataset::fieldIndex(const QString &name) const
{
    return fieldIndex_.value(name.toLower(), -1);
}

QVariant Dataset::value(const QString &field) const
{
    const int i = fieldIndex(field);
    if (i < 0)
        return QVariant();
    if (state_ == State::Edit || state_ == State::Insert)
        return buffer_.value(i);
    if (cur_ < 0)
        return QVariant();
    return rows_[visible_[cur_]][i];
}

QString Dataset::text(const QString &field) const
{
    return value(field).toString();
}

int Dataset::intValue(const QString &field) const
{
    const QVariant v = value(field);
    if (v.typeId() == QMetaType::Double)
        return qRound(v.toDouble());
    return v.toInt();
}

double Dataset::number(const QString &field) const
{
    return value(field).toDouble();
}

QVariant Dataset::valueAt(int visibleRow, int field) const
{
    if (visibleRow == visible_.size() && state_ == State::Insert)
        return buffer_.value(field);
    if (visibleRow < 0 || visibleRow >= visible_.size())
        return QVariant();
    if (visibleRow == cur_ && state_ == State::Edit)
        return buffer_.value(field);
    return rows_[visible_[visibleRow]].value(field);
}

void Dataset::rebuildVisible()
{
    visible_.clear();
    visible_.reserve(rows_.size());
    for (int i = 0; i < rows_.size(); ++i)
        if (!filtered_ || !filter_ || filter_(*this, i))
            visible_.push_back(i);
}

void Dataset::setFilter(Predicate predicate)
{
    filter_ = std::move(predicate);
    if (filtered_ && active()) {
        browseMode();
        rebuildVisible();
        cur_ = visible_.isEmpty() ? -1 : 0;
        eof_ = visible_.isEmpty();
        emit reset();
        emit currentChanged();
    }
}

void Dataset::setFiltered(bool on)
{
    if (filtered_ == on)
        return;
    filtered_ = on;
    if (active()) {
        browseMode();
        rebuildVisible();
        cur_ = visible_.isEmpty() ? -1 : 0;
        eof_ = visible_.isEmpty();
        emit reset();
        emit currentChanged();
    }
}

Dataset::Predicate Dataset::beginsWith(const QString &field, const QString &text)
{
    return [field, text](const Dataset &ds, int row) {
        return ds.rowValue(row, field).toString().startsWith(text, Qt::CaseInsensitive);
    };
}

Dataset::Predicate Dataset::contains(const QString &field, const QString &text)
{
    return [field, text](const Dataset &ds, int row) {
        return ds.rowValue(row, field).toString().contains(text, Qt::CaseInsensitive);
    };
}

Dataset::Predicate Dataset::equals(const QString &field, const QVariant &value)
{
    return [field, value](const Dataset &ds, int row) { return sameValue(ds.rowValue(row, field), value); };
}

bool Dataset::sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    bool okA = false;
    bool okB = false;
    const double da = a.toDouble(&okA);
    const double db = b.toDouble(&okB);
    if (okA && okB)
        return da == db;
    return a.toString() == b.toString();
}

bool Dataset::locate(const QString &field, const QVariant &value)
{
    const int f = fieldIndex(field);
    if (f < 0)
        return false;
    for (int i = 0; i < visible_.size(); ++i) {
        if (sameValue(rows_[visible_[i]][f], value)) {
            moveTo(i);
            return true;
        }
    }
    return false;
}

void Dataset::browseMode()
{
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    if (modified())
        post();
    else
        cancel();
}

void Dataset::append()
{
    if (updateTable_.isEmpty())
        throw std::logic_error("dataset is not editable: " + objectName().toStdString());
    if (!active())
        throw std::logic_error("dataset is closed: " + objectName().toStdString());
    browseMode();
    state_ = State::Insert;
    buffer_ = QVector<QVariant>(fields_.size());
    modifiedFields_.clear();
    emit reset();
    emit currentChanged();
}

void Dataset::edit()
{
    if (updateTable_.isEmpty())
        throw std::logic_error("dataset is not editable: " + objectName().toStdString());
    if (state_ == State::Edit || state_ == State::Insert)
        return;
    if (cur_ < 0) {
        append();
        return;
    }
    state_ = State::Edit;
    buffer_ = rows_[visible_[cur_]];
    modifiedFields_.clear();
}

void Dataset::setValue(const QString &field, const QVariant &value)
{
    const int i = fieldIndex(field);
    if (i < 0)
        throw std::logic_error("unknown field: " + field.toStdString());
    if (state_ != State::Edit && state_ != State::Insert)
        edit();
    buffer_[i] = value;
    modifiedFields_.insert(i);
    emit rowChanged(state_ == State::Insert ? visible_.size() : cur_);
}

void Dataset::post()
{
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    if (modifiedFields_.isEmpty()) {
        cancel();
        return;
    }
    if (beforePost_)
        beforePost_();
    QStringList names;
    QList<int> order(modifiedFields_.begin(), modifiedFields_.end());
    std::sort(order.begin(), order.end());
    for (int i : order)
        names << fields_[i].name;

    QString sql;
    QStringList marks;
    for (int k = 0; k < names.size(); ++k)
        marks << QStringLiteral(":p%1").arg(k);
    if (state_ == State::Insert) {
        sql = QStringLiteral("insert into %1 (%2) values (%3) returning *")
                  .arg(updateTable_, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    } else {
        QStringList sets;
        for (int k = 0; k < names.size(); ++k)
            sets << names[k] + QStringLiteral(" = ") + marks[k];
        sql = QStringLiteral("update %1 set %2 where %3 = :row_key returning *")
                  .arg(updateTable_, sets.join(QStringLiteral(", ")), key_);
    }
    Params params;
    params.setSql(sql);
    for (int k = 0; k < order.size(); ++k)
        params.set(marks[k].mid(1), buffer_[order[k]]);
    if (state_ == State::Edit)
        params.set(QStringLiteral("row_key"), rows_[visible_[cur_]][fieldIndex(key_)]);
    QSqlQuery query(connection_->db());
    runStatement(query, params);

    QVector<QVariant> stored = buffer_;
    if (query.next()) {
        const QSqlRecord rec = query.record();
        for (int c = 0; c < rec.count(); ++c) {
            const int f = fieldIndex(rec.fieldName(c));
            if (f >= 0)
                stored[f] = query.value(c);
        }
    }
    if (state_ == State::Insert) {
        rows_.push_back(stored);
        state_ = State::Browse;
        buffer_.clear();
        modifiedFields_.clear();
        rebuildVisible();
        cur_ = visible_.indexOf(rows_.size() - 1);
        if (cur_ < 0)
            cur_ = visible_.isEmpty() ? -1 : 0;
        eof_ = visible_.isEmpty();
        emit reset();
        emit currentChanged();
    } else {
        rows_[visible_[cur_]] = stored;
        state_ = State::Browse;
        buffer_.clear();
        modifiedFields_.clear();
        emit rowChanged(cur_);
    }
}

void Dataset::cancel()
{
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    const bool wasInsert = state_ == State::Insert;
    state_ = State::Browse;
    buffer_.clear();
    modifiedFields_.clear();
    if (wasInsert) {
        emit reset();
        emit currentChanged();
    } else {
        emit rowChanged(cur_);
    }
}

void Dataset::remove()
{
    if (updateTable_.isEmpty())
        throw std::logic_error("dataset is not editable: " + objectName().toStdString());
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (cur_ < 0)
        return;
    cancel();
    Params params;
    params.setSql(QStringLiteral("delete from %1 where %2 = :row_key").arg(updateTable_, key_));
    params.set(QStringLiteral("row_key"), rows_[visible_[cur_]][fieldIndex(key_)]);
    QSqlQuery query(connection_->db());
    runStatement(query, params);
    rows_.removeAt(visible_[cur_]);
    const int keep = cur_;
    rebuildVisible();
    cur_ = visible_.isEmpty() ? -1 : qMin(keep, visible_.size() - 1);
    eof_ = visible_.isEmpty();
    emit reset();
    emit currentChanged();
}

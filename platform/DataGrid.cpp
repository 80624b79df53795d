#include "DataGrid.h"

#include "Dataset.h"
#include "Format.h"
#include "Messages.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {
// Keeps a cell's own colours on the selected row too, so marks stay readable.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant fg = index.data(Qt::ForegroundRole);
        if (fg.isValid() && (option->state & QStyle::State_Selected))
            option->palette.setColor(QPalette::HighlightedText, fg.value<QColor>());
    }
};

bool convertForField(const QString &text, QMetaType type, QVariant *out)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        *out = QVariant();
        return true;
    }
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short: {
        bool ok = false;
        const qlonglong v = t.toLongLong(&ok);
        if (!ok)
            return false;
        *out = v;
        return true;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        double v = 0;
        if (!parseNumber(t, &v))
            return false;
        *out = v;
        return true;
    }
    default:
        *out = t;
        return true;
    }
}
} // namespace

DatasetModel::DatasetModel(DataGrid *grid) : QAbstractTableModel(grid), grid_(grid) {}

void DatasetModel::setDataset(Dataset *dataset)
{
    beginResetModel();
    disconnect(resetConn_);
    disconnect(rowConn_);
    dataset_ = dataset;
    if (dataset_) {
        resetConn_ = connect(dataset_, &Dataset::reset, this, &DatasetModel::resetAll);
        rowConn_ = connect(dataset_, &Dataset::rowChanged, this, [this](int row) {
            if (row >= 0 && row < rowCount())
                emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        });
    }
    endResetModel();
}

void DatasetModel::resetAll()
{
    beginResetModel();
    endResetModel();
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !dataset_ || !dataset_->active())
        return 0;
    return dataset_->recordCount() + (dataset_->state() == Dataset::State::Insert ? 1 : 0);
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : grid_->columns().size();
}

CellStyle DatasetModel::styleOf(const QModelIndex &index) const
{
    const GridColumn &col = grid_->columns().at(index.column());
    CellStyle style{grid_->font(), QColor(), col.background};
    if (grid_->styler())
        grid_->styler()(index.row(), col, style);
    return style;
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !dataset_)
        return QVariant();
    const GridColumn &col = grid_->columns().at(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const QVariant v = dataset_->valueAt(index.row(), dataset_->fieldIndex(col.field));
        return displayText(v, role == Qt::DisplayRole ? col.mask : QString());
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(col.alignment);
    case Qt::FontRole:
        return styleOf(index).font;
    case Qt::ForegroundRole: {
        const QColor c = styleOf(index).foreground;
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::BackgroundRole: {
        const QColor c = styleOf(index).background;
        return c.isValid() ? QVariant(c) : QVariant();
    }
    default:
        return QVariant();
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= grid_->columns().size())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return grid_->columns().at(section).title;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::FontRole: {
        QFont f = grid_->font();
        f.setBold(true);
        return f;
    }
    default:
        return QVariant();
    }
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && grid_->editable() && !grid_->columns().at(index.column()).readOnly)
        f |= Qt::ItemIsEditable;
    return f;
}

bool DatasetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !dataset_ || !index.isValid())
        return false;
    const GridColumn &col = grid_->columns().at(index.column());
    const int field = dataset_->fieldIndex(col.field);
    if (field < 0)
        return false;
    if (displayText(dataset_->valueAt(index.row(), field)) == value.toString())
        return false;
    QVariant converted;
    if (!convertForField(value.toString(), dataset_->fieldType(field), &converted)) {
        Messages::error(QStringLiteral("В поле «%1» нужно ввести число.").arg(col.title.trimmed()));
        return false;
    }
    dataset_->setValue(col.field, converted);
    return true;
}

DataGrid::DataGrid(QWidget *parent, const QString &name) : QTableView(parent), model_(new DatasetModel(this))
{
    setObjectName(name);
    setModel(model_);
    setItemDelegate(new CellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(model_, &QAbstractItemModel::modelReset, this, &DataGrid::followDataset);
}

void DataGrid::setDataset(Dataset *dataset)
{
    disconnect(currentConn_);
    model_->setDataset(dataset);
    if (dataset)
        currentConn_ = connect(dataset, &Dataset::currentChanged, this, &DataGrid::followDataset);
    applyColumns();
    followDataset();
}

Dataset *DataGrid::dataset() const
{
    return model_->dataset();
}

void DataGrid::setColumns(const QList<GridColumn> &columns)
{
    model_->resetAll();
    columns_ = columns;
    model_->resetAll();
    applyColumns();
}

void DataGrid::applyColumns()
{
    for (int i = 0; i < columns_.size(); ++i) {
        setColumnWidth(i, columns_[i].width);
        setColumnHidden(i, !columns_[i].visible);
    }
}

void DataGrid::setColumnVisible(int column, bool visible)
{
    if (column < 0 || column >= columns_.size())
        return;
    columns_[column].visible = visible;
    setColumnHidden(column, !visible);
}

void DataGrid::followDataset()
{
    Dataset *ds = dataset();
    if (!ds || syncing_)
        return;
    syncing_ = true;
    int row = -1;
    if (ds->state() == Dataset::State::Insert)
        row = ds->recordCount();
    else if (ds->recNo() > 0)
        row = ds->recNo() - 1;
    if (row >= 0) {
        const int col = currentIndex().isValid() ? currentIndex().column() : 0;
        const QModelIndex idx = model_->index(row, col);
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(idx);
    } else {
        selectionModel()->clearSelection();
    }
    syncing_ = false;
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (syncing_)
        return;
    Dataset *ds = dataset();
    const bool columnMoved = previous.isValid() && current.isValid() && previous.column() != current.column();
    if (columnMoved)
        emit colExit();
    if (ds && current.isValid() && current.row() != previous.row() && current.row() < ds->recordCount()) {
        syncing_ = true;
        ds->setRecNo(current.row() + 1);
        syncing_ = false;
    }
    if (columnMoved || (current.isValid() && !previous.isValid()))
        emit colEnter();
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (editable_) {
        QTableView::mouseDoubleClickEvent(event);
        return;
    }
    emit dblClick();
    event->accept();
}

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    Dataset *ds = dataset();
    if (editable_ && ds && ds->active() && state() != QAbstractItemView::EditingState) {
        const bool onLast = currentIndex().row() == ds->recordCount() - 1 || ds->isEmpty();
        if (event->key() == Qt::Key_Insert || (event->key() == Qt::Key_Down && onLast &&
                                               ds->state() != Dataset::State::Insert)) {
            ds->append();
            emit colEnter();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

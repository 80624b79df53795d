#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QList>
#include <QPointer>
#include <QTableView>
#include <functional>

class Dataset;

struct GridColumn {
    QString field;
    QString title;
    int width = 64;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool visible = true;
    QColor background;   // empty: the grid's own
    QString mask;        // display mask for numbers, e.g. "#0.00#"
    bool readOnly = false;
};

// How one cell is drawn; the grid's styler may change it per row.
struct CellStyle {
    QFont font;
    QColor foreground;
    QColor background;
};

class DataGrid;

// The rows a dataset lets through, as the grid's columns show them.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetModel(DataGrid *grid);
    void setDataset(Dataset *dataset);
    Dataset *dataset() const { return dataset_; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    void resetAll();

private:
    CellStyle styleOf(const QModelIndex &index) const;
    DataGrid *grid_;
    QPointer<Dataset> dataset_;
    QMetaObject::Connection resetConn_, rowConn_;
};

// A data-aware grid: shows a dataset through its columns, keeps its current
// row and the dataset's cursor together, and edits in place when allowed.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    DataGrid(QWidget *parent, const QString &name);

    void setDataset(Dataset *dataset);
    Dataset *dataset() const;

    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const { return columns_; }
    void setColumnVisible(int column, bool visible);

    void setEditable(bool editable) { editable_ = editable; }
    bool editable() const { return editable_; }

    using Styler = std::function<void(int row, const GridColumn &column, CellStyle &style)>;
    void setStyler(Styler styler) { styler_ = std::move(styler); }
    const Styler &styler() const { return styler_; }


signals:
    void dblClick();
    void colEnter();
    void colExit();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void followDataset();
    void applyColumns();

    DatasetModel *model_;
    QList<GridColumn> columns_;
    Styler styler_;
    bool editable_ = false;
    bool syncing_ = false;
    QMetaObject::Connection currentConn_;
};

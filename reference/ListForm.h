#pragma once

#include "Form.h"

#include <QList>
#include <functional>

class Dataset;
class DataGrid;
class QHBoxLayout;
class QLineEdit;

// What the reference lists share: a grid on a shared dataset, a filter box,
// "Добавить", "Изменить"/"Выбрать", "Удалить" and "Выход", and the two ways of
// opening them: as a reference screen (Tag 0) or as a chooser whose opener
// says through HandOver what to do with the picked row.
// The ids of the rows the lists never change, hand over or delete.
bool IsReservedId(int id);

class TListForm : public TForm {
    Q_OBJECT
public:
    enum class Match { Prefix, Anywhere };

    TListForm(QWidget *parent, const QString &name, const QString &caption, Dataset *dataset,
              const QString &filterField, Match match, bool caretKeysToo);

    DataGrid *DBGrid1;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;

    // A chooser's hand-over of the current row into its opener; answers
    // whether the choice is complete, so the list closes.
    std::function<bool()> HandOver;

    void PrepareReference();
    // The menu's opening: the reference screen on the freshly read list.
    void ShowAsReference();
    void PrepareChooser(int tag, bool hideAdd = true);
    // What a chooser opener restores after the list has closed.
    virtual void RestoreAfterChooser();

    void Edit1Change();
    virtual void Button1Click() = 0;
    virtual void Button2Click() = 0;
    virtual void Button3Click() = 0;
    // A double click does what "Изменить"/"Выбрать" does.
    virtual void DBGrid1DblClick() { Button2Click(); }

protected:
    void FormActivate() override;
    // No current row, or one of the reserved rows the lists never touch.
    bool NothingToActOn() const;
    // The chooser's part of "Выбрать": hands the row over; true when the list closed.
    bool HandOverAndClose();
    // The buttons' row: `left` from the left, "Выход" at the right edge.
    QHBoxLayout *buttonPanel(const QList<QWidget *> &left);

    Dataset *dataset_;

private:
    QString filterField_;
    Match match_;
};

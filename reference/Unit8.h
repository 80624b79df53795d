#pragma once

#include "Form.h"

#include <functional>

class DataGrid;
class QLineEdit;

// The operation kinds list "Виды операций (8)": reference screen of
// accounts_dep.vid_oper (Tag 0) and the kind chooser of the price editor.
class TForm8 : public TForm {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent);

    DataGrid *DBGrid1;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;

    // A chooser's hand-over of the current kind into its opener.
    std::function<void()> HandOver;

    void Edit1Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    void PrepareReference();
    void PrepareChooser(int tag);
    // What a chooser opener restores after the list has closed.
    void RestoreAfterChooser();

protected:
    void FormActivate() override;
};

extern TForm8 *Form8;

// The ids of the rows the lists never change, hand over or delete.
bool IsReservedId(int id);

#pragma once

#include "Form.h"

#include <functional>

class Dataset;
class DataGrid;
class QLineEdit;

// The nomenclature groups "Номенклатура (26)": the level-2 items of the
// classifier; reference screen (Tag 0) and the group chooser of the works entry.
class TForm26 : public TForm {
    Q_OBJECT
public:
    explicit TForm26(QWidget *parent);

    Dataset *item;
    Dataset *item_gds;
    DataGrid *DBGrid1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button1;
    QLineEdit *Edit1;
    QPushButton *Button4;

    std::function<void()> HandOver;

    void Edit1Change();
    void Button2Click();
    void DBGrid1DblClick();
    void Button1Click();

    void PrepareReference();
    // The works entry's chooser: groups in use only, no add or delete.
    void PrepareChooser(int tag);
    void RestoreAfterChooser();
};

extern TForm26 *Form26;

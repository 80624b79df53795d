#pragma once

#include "Form.h"

#include <functional>

class DataGrid;
class FilterBoxKeys;
class QLineEdit;

// The workers list "Список рабочих": the reference screen of
// accounts_dep.person, and the chooser other screens open to pick a worker.
// Tag 0 = reference; any other Tag = chooser, whose opener sets HandOver.
class TForm5 : public TForm {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent);

    DataGrid *DBGrid1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QLineEdit *Edit1;
    QPushButton *Button4;

    // 1 when the last "Изменить"/"Выбрать" finished its work and closed the list.
    int Chosen = 0;
    // A chooser's hand-over of the current row of Workers into its opener;
    // answers whether the choice is complete (the list then closes).
    std::function<bool()> HandOver;

    void Edit1Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // The menu's preparation of the reference screen.
    void PrepareReference();
    // A chooser opener's preparation: "Выбрать" as the default button, the
    // filter box shown and cleared.
    void PrepareChooser(int tag, bool hideAdd);

protected:
    void FormActivate() override;

private:
    FilterBoxKeys *keys_;
};

extern TForm5 *Form5;

#pragma once

#include "ListForm.h"

// The workers list "Список рабочих": the reference screen of
// accounts_dep.person, and the chooser other screens open to pick a worker
// (Tag 1: output position editor, 11: brigade split, 24: works entry).
class TForm5 : public TListForm {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent);

    // 1 when the last "Изменить"/"Выбрать" finished its work and closed the list.
    int Chosen = 0;

    void Button1Click() override;
    void Button2Click() override;
    void Button3Click() override;

protected:
    void FormActivate() override;
};

extern TForm5 *Form5;

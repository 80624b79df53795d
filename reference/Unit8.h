#pragma once

#include "ListForm.h"

// The operation kinds list "Виды операций (8)": reference screen of
// accounts_dep.vid_oper (Tag 0) and the kind chooser of the price editor.
class TForm8 : public TListForm {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent);

    void Button1Click() override;
    void Button2Click() override;
    void Button3Click() override;
};

extern TForm8 *Form8;

#pragma once

#include "ListForm.h"

#include <QDate>

// The products list "Изделия (3)": the products of accounts_dep.izdel;
// reference screen (Tag 0) and the product chooser of the price editor.
class TForm3 : public TListForm {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent);

    Dataset *Izdel_Smena;
    Dataset *ii_oper;

    void Button1Click() override;
    void Button2Click() override;
    void Button3Click() override;

    // The first day of the previous month, in the year 2000: output rows dated
    // on or after it count as recent for the delete question.
    static QDate DeleteThreshold(const QDate &today);
};

extern TForm3 *Form3;

#pragma once

#include "ListForm.h"

class QCheckBox;

// The price list "Цены (4)": every priced operation with a norm, with its
// lowest price; reference screen (Tag 0) and the operation chooser of the
// output position editor.
class TForm4 : public TListForm {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent);

    QPushButton *Button5;
    QCheckBox *CheckBox1;
    Dataset *XLS_Rep;

    // With "Цены" checked in the reference screen, opens the norms instead.
    void DBGrid1DblClick() override;
    void Button1Click() override;
    void Button2Click() override;
    void Button3Click() override;
    void Button5Click();

    // The filter box stays; the list is left open and unfiltered.
    void RestoreAfterChooser() override;
};

extern TForm4 *Form4;

// The price an output row gets for an operation: the norm price, doubled on a
// day off, then times 1.2 in shift 3 or 1.5 in overtime (shift 4).
double OperationPrice(double normPrice, bool dayOff, int shift);
// The operation text the output position editor shows: "mark; kind; product kind".
QString OperationText(const QString &mark, const QString &kind, int productKind);
// "Готовая продукция" for product kind 0, "Заготовки" otherwise.
QString ProductKindText(int productKind);

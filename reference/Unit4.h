#pragma once

#include "Form.h"

#include <functional>

class Dataset;
class DataGrid;
class QCheckBox;
class QLineEdit;

// The price list "Цены (4)": every priced operation with a norm, with its
// lowest price; reference screen (Tag 0) and the operation chooser of the
// output position editor.
class TForm4 : public TForm {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent);

    DataGrid *DBGrid1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button5;
    QCheckBox *CheckBox1;
    QLineEdit *Edit1;
    QPushButton *Button4;
    Dataset *XLS_Rep;

    std::function<void()> HandOver;

    void Edit1Change();
    void DBGrid1DblClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button5Click();

    void PrepareReference();
    void PrepareChooser(int tag);
    void RestoreAfterChooser();

protected:
    void FormActivate() override;
};

extern TForm4 *Form4;

// The price an output row gets for an operation: the norm price, doubled on a
// day off, then times 1.2 in shift 3 or 1.5 in overtime (shift 4).
double OperationPrice(double normPrice, bool dayOff, int shift);
// The operation text the output position editor shows: "mark; kind; product kind".
QString OperationText(const QString &mark, const QString &kind, int productKind);
// "Готовая продукция" for product kind 0, "Заготовки" otherwise.
QString ProductKindText(int productKind);

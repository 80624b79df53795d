#pragma once

#include "Form.h"

#include <QDate>
#include <functional>

class Dataset;
class DataGrid;
class QLineEdit;

// The products list "Изделия (3)": the products of accounts_dep.izdel;
// reference screen (Tag 0) and the product chooser of the price editor.
class TForm3 : public TForm {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent);

    DataGrid *DBGrid1;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;
    Dataset *Izdel_Smena;
    Dataset *ii_oper;

    std::function<void()> HandOver;

    void Edit1Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    void PrepareReference();
    void PrepareChooser(int tag);
    void RestoreAfterChooser();

    // The first day of the previous month, in the year 2000: output rows dated
    // on or after it count as recent for the delete question.
    static QDate DeleteThreshold(const QDate &today);

protected:
    void FormActivate() override;
};

extern TForm3 *Form3;

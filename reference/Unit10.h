#pragma once

#include "Form.h"

class QComboBox;
class QLabel;
class QLineEdit;

// The operation price editor: adds a priced operation (Tag 1) or changes the
// product, kind and product kind of the current one (Tag 2).
class TForm10 : public TForm {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent);

    QLineEdit *Edit1;
    QPushButton *Button3;
    QLineEdit *Edit2;
    QPushButton *Button4;
    QComboBox *ComboBox1;
    QLineEdit *Edit3;
    QLabel *Label3;
    QPushButton *Button1;
    QPushButton *Button2;

    int OpProductId = 0;
    int OpKindId = 0;

    void Button1Click();
    void Button3Click();
    void Button4Click();

protected:
    void FormActivate() override;
};

extern TForm10 *Form10;

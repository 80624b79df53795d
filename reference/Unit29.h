#pragma once

#include "Form.h"

class QCheckBox;
class QLineEdit;

// The group editor "Ведение групп (29)": adds a group (Tag 1) or changes the current one (Tag 2).
class TForm29 : public TForm {
    Q_OBJECT
public:
    explicit TForm29(QWidget *parent);

    QLineEdit *Edit1;
    QCheckBox *CheckBox1;
    QPushButton *Button1;
    QPushButton *Button6;

    void Button1Click();
};

extern TForm29 *Form29;

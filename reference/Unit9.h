#pragma once

#include "Form.h"

class QLineEdit;

// The operation kind editor: adds a kind (Tag 1) or renames the current one (Tag 2).
class TForm9 : public TForm {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent);

    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;

    void Button1Click();

protected:
    void FormActivate() override;
};

extern TForm9 *Form9;

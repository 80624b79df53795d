#pragma once

#include "Form.h"

class QLabel;
class QLineEdit;

// "Ввод данных (132)": the hours an assisting worker worked.
class TForm132 : public TForm {
    Q_OBJECT
public:
    explicit TForm132(QWidget *parent);

    QLabel *Label1;
    QLabel *Label2;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;

    void Button1Click();

protected:
    void FormActivate() override;
};

extern TForm132 *Form132;

#pragma once

#include "Form.h"

class Dataset;
class LookupBox;
class QLineEdit;

// The product editor: adds a product (Tag 1) or changes the current one (Tag 2).
class TForm7 : public TForm {
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent);

    QLineEdit *Edit1;
    QLineEdit *Edit2;
    LookupBox *cb_item;
    QPushButton *Button1;
    QPushButton *Button2;
    Dataset *item;

    void Button1Click();

    // The typed "Расценка" as a number text with a point, or empty when it is
    // not one (digits with at most one separator).
    static QString NormalisedNumber(const QString &typed);

protected:
    void FormActivate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern TForm7 *Form7;

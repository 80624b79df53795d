#pragma once

#include "Form.h"

class Command;
class Dataset;
class LookupBox;
class QLineEdit;

// The worker editor: adds a worker (Tag 1) or changes one (Tag 2).
class TForm2 : public TForm {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent);

    QLineEdit *Edit1;
    LookupBox *LCB_department;
    LookupBox *LCB_staffpos;
    LookupBox *LCB_roles;
    QPushButton *Button1;
    QPushButton *Button2;
    Dataset *department;
    Dataset *staffpos;
    Dataset *roles;
    Command *cmd_person;

    int EditedId = 0;

    void Button1Click();
    // Re-reads the three lookup tables, keeping each box's choice.
    void ReloadLookups();

protected:
    void FormActivate() override;
    void wheelEvent(QWheelEvent *event) override;
};

extern TForm2 *Form2;

#pragma once

#include "Form.h"
#include "Startup.h"

class QLineEdit;
class QTimer;

// The login "Авторизация": the access word chooses what the user may do.
class TForm23 : public TForm {
    Q_OBJECT
public:
    TForm23();

    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;
    QTimer *Timer1;

    // The summary-reports screen, once the program has one; the login's
    // restrictions reach it through here.
    QWidget *ReportsScreen = nullptr;

    void Button1Click();
    void Button2Click();
    void Timer1Timer();

    // Disables what the mode forbids, on the main window and the reports screen.
    void ApplyMode(AccessMode mode);

protected:
    void FormActivate() override;
};

extern TForm23 *Form23;

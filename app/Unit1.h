#pragma once

#include "ShiftRegister.h"

#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;
class QTimer;

// The main window "Табель": the shift register with the main menu, the
// 30-second version watchdog and the exit.
class TForm1 : public TShiftRegister {
    Q_OBJECT
public:
    // Creates the data module, connects with the command-line arguments and
    // creates the login dialog. `compileDate`/`compileTime` are the build's
    // __DATE__ and __TIME__.
    TForm1(const QStringList &args, const QString &compileDate, const QString &compileTime);
    ~TForm1() override;

    bool Connected = false;
    int BuildDate = 0;
    int BuildTime = 0;

    QMenuBar *MainMenu1;
    QAction *N2, *N1, *N3, *N4, *N6, *N8;
    QAction *N11, *N9, *N13, *N14, *N20, *N22, *N15, *N18, *N19, *N17, *N23;
    QAction *N7, *N10;
    QAction *N5;
    QMenu *PopupMenu1;
    QAction *N21;
    QTimer *Timer1;
    Dataset *ver = nullptr;
    QPushButton *Button4;

    // The watchdog: records this build in accounts_dep.ver when it is newer,
    // and ends the program when a newer build has connected since.
    void CheckVersion();
    // The stamp the watchdog compares (the build's, or one a test injects).
    void SetCompileStamp(const QString &compileDate, const QString &compileTime);

    // Connects the menu items to the screens that exist once they are created.
    void EnableBuiltScreens();
    void N1Click();
    void N3Click();
    void N4Click();
    void N6Click();
    void N8Click();
    void N21Click();

protected:
    void FormActivate() override;

private:
    void FormCreate(const QStringList &args);
    void BuildMenu();

    QString compileDate_;
    QString compileTime_;
};

extern TForm1 *Form1;

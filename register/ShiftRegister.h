#pragma once

#include "Form.h"

#include <QDate>

class Command;
class DataGrid;
class Dataset;
class DatePicker;
class QCheckBox;
class QHBoxLayout;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// The working area of the main window: the output rows of one date and one
// shift, with the controls that choose them, accept and delete rows. The main
// window (menu, watchdog, exit) derives from it.
class TShiftRegister : public TForm {
    Q_OBJECT
public:
    explicit TShiftRegister(QWidget *parent = nullptr);

    int CurShift = 1;
    QString UserRole;
    Dataset *CurQuery = nullptr;

    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QRadioButton *RadioButton4;
    DatePicker *DateT;
    QCheckBox *CBox1;
    DataGrid *DBGrid2;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button8;
    QPushButton *Button5;
    Command *updtOK = nullptr;

    // The shift lists of DataModule6, one per shift; bound once the module exists.
    Dataset *DataSource1 = nullptr;
    Dataset *DataSource2 = nullptr;
    Dataset *DataSource3 = nullptr;
    Dataset *DataSource4 = nullptr;
    void BindDataSources();
    Dataset *DataSource(int shift) const;

    void RadioButtonClick(int shift);
    void DateTChange();
    void CBox1Click();
    void DBGrid2DblClick();
    void Button8Click();
    void Button3Click();
    // "Добавить": the output position editor for a new row.
    void Button1Click();
    // "Изменить": the editor on the current row; with the editor's Tag 3 set
    // beforehand, a copy of it as a new row.
    void Button2Click();

    // Closes the four lists and opens them again for the register date.
    void ReloadShiftLists();

    static bool IsWeekend(const QDate &date);
    static bool IsAccepted(const QString &mark);

protected:
    QVBoxLayout *MainLayout;
    QHBoxLayout *BottomRow;
};

extern TShiftRegister *ShiftRegister;

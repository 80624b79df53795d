#pragma once

#include "Form.h"

#include <QDate>

class Command;
class DataGrid;
class Dataset;
class DatePicker;
class QCheckBox;
class QLabel;
class QLineEdit;
class RadioGroup;

// The output position editor: one output row of the register, new (Tag 1),
// changed (Tag 2) or copied as a new row (Tag 3). After a save the row is
// locked and its earnings can be shared with assisting workers.
class TForm11 : public TForm {
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent);

    int WorkerId = 0;
    int ProductId = 0;
    int OperId = 0;
    int ProductKind = 0;
    double Price = 0;
    int ColorCode = 0;
    int NewRowId = 0;
    QString OkMark;
    int AssistId = 0;
    double AssistHours = 0;
    double AssistRate = 0;

    QLineEdit *Edit1;
    QPushButton *Button3;
    QLineEdit *Edit2;
    QPushButton *Button4;
    QLineEdit *Edit3;
    QLineEdit *Edit6;
    QLineEdit *Edit5;
    QLabel *Label6;
    DatePicker *DTimeP;
    QLineEdit *Edit4;
    QLineEdit *Edit8;
    QLineEdit *Edit7;
    QLineEdit *Edit9;
    QPushButton *Button1;
    QPushButton *Button2;
    QCheckBox *CheckBox1;
    RadioGroup *RadioGroup1;
    DataGrid *DBGrid1;
    QPushButton *Button5;
    QPushButton *Button7;
    QPushButton *Button6;

    Command *SmenaIU;
    Dataset *ins_smena;
    Dataset *person;
    Command *ins_person;

    void Button3Click();
    void Button4Click();
    void Edit6Exit();
    void Button1Click();
    void CheckBox1Click();
    void Button5Click();
    void Button7Click();
    void Button6Click();

    // The opening for a new row of the register date.
    void PrepareNew(const QDate &day);
    // Fills the fields from the register's current row (change and copy).
    void LoadRow(Dataset *row);

    // An operation whose text names paint ("КРАСКА" in any case) needs a colour.
    static bool IsPainting(const QString &operationText);
    // An assisting worker's pay per hour: the main worker's earnings per hour
    // on the row times the factor, rounded to kopecks (ties to even).
    static double AssistRateOf(double factor, double price, double goodPieces, double rowHours);

protected:
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setRowFieldsEnabled(bool on);
    void setSplitEnabled(bool on);
    void refreshRegisterList();
    bool isAssistRow_ = false;
};

extern TForm11 *Form11;

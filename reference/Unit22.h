#pragma once

#include "Form.h"

class Dataset;
class DataGrid;

// The norms editor "Норматив": the norms of one priced operation in an
// editable grid; each cell edit is stored when the cursor leaves its column.
class TForm22 : public TForm {
    Q_OBJECT
public:
    explicit TForm22(QWidget *parent);

    Dataset *norm;
    DataGrid *DBGrid1;
    QPushButton *Button1;
    QPushButton *Button2;

    // 1 while the row being edited was started as a new row.
    int NewRow = 0;

    // Filters the norms to the operation and shows the editor.
    void ShowNorms(int operationId);

    void DBGrid1ColEnter();
    void DBGrid1ColExit();
    void Button1Click();
    void Button2Click();

private:
    int operationId_ = 0;
};

extern TForm22 *Form22;

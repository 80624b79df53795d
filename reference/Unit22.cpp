#include "Unit22.h"

#include "DataGrid.h"
#include "Dataset.h"
#include "Unit6.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TForm22 *Form22 = nullptr;

TForm22::TForm22(QWidget *parent) : TForm(parent, QStringLiteral("Form22"))
{
    Form22 = this;
    setWindowTitle(QStringLiteral("Норматив"));
    norm = new Dataset(&DataModule6->ADO_DB, QStringLiteral("norm"), this);
    norm->setTable(QStringLiteral("accounts_dep.norm"), QStringLiteral("norma"));
    // An appended norm belongs to the operation on show, whatever posts it.
    norm->setBeforePost([this] {
        if (norm->state() == Dataset::State::Insert)
            norm->setValue(QStringLiteral("o_id"), operationId_);
    });
    DBGrid1 = new DataGrid(this, QStringLiteral("DBGrid1"));
    DBGrid1->setEditable(true);
    DBGrid1->setColumns({{QStringLiteral("norma"), QStringLiteral("Норматив"), 133},
                         {QStringLiteral("price"), QStringLiteral("Цена"), 105, Qt::AlignRight | Qt::AlignVCenter, true,
                          QColor(), QStringLiteral("#0.00#")},
                         {QStringLiteral("prize"), QStringLiteral("Премия, %"), 82}});
    DBGrid1->setDataset(norm);
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Сохранить"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Удалить"));
    Button1->setDefault(true);
    setCancelButton(Button1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);
    fixSize(365, 278);

    connect(DBGrid1, &DataGrid::colEnter, this, &TForm22::DBGrid1ColEnter);
    connect(DBGrid1, &DataGrid::colExit, this, &TForm22::DBGrid1ColExit);
    connect(Button1, &QPushButton::clicked, this, &TForm22::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm22::Button2Click);
}

void TForm22::ShowNorms(int operationId)
{
    operationId_ = operationId;
    norm->close();
    norm->setFilter(Dataset::equals(QStringLiteral("o_id"), operationId));
    norm->setFiltered(true);
    norm->open();
    ShowModal();
}

void TForm22::DBGrid1ColEnter()
{
    if (norm->recNo() < 0 && norm->state() != Dataset::State::Insert) {
        norm->append();
        NewRow = 1;
    } else {
        NewRow = norm->state() == Dataset::State::Insert ? 1 : 0;
    }
}

void TForm22::DBGrid1ColExit()
{
    if (norm->modified())
        norm->refresh();
}

void TForm22::Button1Click()
{
    DBGrid1->setFocus(); // ends an open cell editor, which hands its text to the row
    norm->post();
    Dataset *oper = DataModule6->Oper;
    oper->reopen(oper->recNo());
    ModalClose(2);
}

void TForm22::Button2Click()
{
    if (norm->recordCount() > 1)
        norm->remove();
    norm->refresh();
}

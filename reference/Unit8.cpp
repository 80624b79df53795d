#include "Unit8.h"

#include "DataGrid.h"
#include "Lookup.h"
#include "Messages.h"
#include "Unit6.h"
#include "Unit9.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm8 *Form8 = nullptr;

bool IsReservedId(int id)
{
    return id == 7777 || id == 7778;
}

TForm8::TForm8(QWidget *parent) : TForm(parent, QStringLiteral("Form8"))
{
    Form8 = this;
    setWindowTitle(QStringLiteral("Виды операций (8)"));
    DBGrid1 = new DataGrid(this, QStringLiteral("DBGrid1"));
    DBGrid1->setColumns({{QStringLiteral("vid"), QStringLiteral("Операции"), 309}});
    DBGrid1->setDataset(DataModule6->Vid_oper);
    Edit1 = make<QLineEdit>(this, "Edit1");
    Edit1->setVisible(false);
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Добавить"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Изменить"));
    Button3 = make<QPushButton>(this, "Button3", QStringLiteral("Удалить"));
    Button4 = make<QPushButton>(this, "Button4", QStringLiteral("Выход"));
    Button1->setDefault(true);
    setCancelButton(Button4);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {Button1, Button2, Button3})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Button4);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);
    fixSize(345, 576);

    new FilterBoxKeys(Edit1, DataModule6->Vid_oper, true);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm8::Edit1Change);
    connect(DBGrid1, &DataGrid::dblClick, this, &TForm8::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm8::Button3Click);
    connect(Button4, &QPushButton::clicked, this, [this] { ModalClose(2); });
}

void TForm8::PrepareReference()
{
    Tag = 0;
    HandOver = nullptr;
    Button2->setText(QStringLiteral("Изменить"));
    Button1->setDefault(true);
    Button1->setVisible(true);
    Button3->setVisible(true);
}

void TForm8::PrepareChooser(int tag)
{
    Tag = tag;
    Button2->setText(QStringLiteral("Выбрать"));
    Button1->setVisible(false);
    Button3->setVisible(false);
    Button2->setDefault(true);
    Edit1->setVisible(true);
    Edit1->clear();
}

void TForm8::RestoreAfterChooser()
{
    Button2->setDefault(false);
    Edit1->setVisible(false);
}

void TForm8::FormActivate()
{
    if (Edit1->isVisible())
        Edit1->setFocus();
}

void TForm8::Edit1Change()
{
    setTextFilter(DataModule6->Vid_oper, QStringLiteral("vid"), Edit1->text());
}

void TForm8::Button1Click()
{
    Form9->Edit1->clear();
    Form9->setWindowTitle(QStringLiteral("Заведение нового вида операций"));
    Form9->Tag = 1;
    Form9->ShowModal();
}

void TForm8::Button2Click()
{
    Dataset *kinds = DataModule6->Vid_oper;
    if (kinds->isEmpty() || IsReservedId(kinds->intValue(QStringLiteral("id"))))
        return;
    if (Tag != 0) {
        if (HandOver)
            HandOver();
        ModalClose(2);
        return;
    }
    Form9->setWindowTitle(QStringLiteral("Изменение данных вида операции"));
    Form9->Tag = 2;
    Form9->Edit1->setText(kinds->text(QStringLiteral("vid")).trimmed());
    Form9->ShowModal();
}

void TForm8::Button3Click()
{
    Dataset *kinds = DataModule6->Vid_oper;
    if (kinds->isEmpty() || IsReservedId(kinds->intValue(QStringLiteral("id"))))
        return;
    if (!Messages::question(QStringLiteral("Удалить вид операции?")))
        return;
    kinds->remove();
    kinds->reopen(kinds->recNo());
}

#include "Unit5.h"

#include "DataGrid.h"
#include "Lookup.h"
#include "Messages.h"
#include "Unit2.h"
#include "Unit6.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent) : TForm(parent, QStringLiteral("Form5"))
{
    Form5 = this;
    setWindowTitle(QStringLiteral("Список рабочих"));
    DBGrid1 = new DataGrid(this, QStringLiteral("DBGrid1"));
    DBGrid1->setColumns({{QStringLiteral("fio"), QStringLiteral("ФИО"), 300},
                         {QStringLiteral("s_staffpos_hl"), QStringLiteral("Должность"), 300}});
    DBGrid1->setDataset(DataModule6->Workers);
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Добавить"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Изменить"));
    Button3 = make<QPushButton>(this, "Button3", QStringLiteral("Удалить"));
    Edit1 = make<QLineEdit>(this, "Edit1");
    Edit1->setFixedWidth(241);
    Button4 = make<QPushButton>(this, "Button4", QStringLiteral("Выход"));
    Button1->setDefault(true);
    setCancelButton(Button4);

    auto *panel = new QHBoxLayout;
    panel->setContentsMargins(4, 4, 4, 4);
    for (QWidget *w : {static_cast<QWidget *>(Button1), static_cast<QWidget *>(Button2),
                       static_cast<QWidget *>(Button3), static_cast<QWidget *>(Edit1)})
        panel->addWidget(w);
    panel->addStretch();
    panel->addWidget(Button4);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(panel);
    fixSize(641, 550);

    keys_ = new FilterBoxKeys(Edit1, DataModule6->Workers, true);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm5::Edit1Change);
    connect(DBGrid1, &DataGrid::dblClick, this, &TForm5::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm5::Button3Click);
    connect(Button4, &QPushButton::clicked, this, [this] { ModalClose(2); });
}

void TForm5::PrepareReference()
{
    Tag = 0;
    HandOver = nullptr;
    Button2->setText(QStringLiteral("Изменить"));
    Button1->setDefault(true);
    Button1->setVisible(true);
    Button3->setVisible(true);
}

void TForm5::PrepareChooser(int tag, bool hideAdd)
{
    Tag = tag;
    Button2->setText(QStringLiteral("Выбрать"));
    Button2->setVisible(true);
    Button2->setDefault(true);
    Button3->setVisible(false);
    if (hideAdd)
        Button1->setVisible(false);
    Edit1->setVisible(true);
    Edit1->clear();
}

void TForm5::FormActivate()
{
    Chosen = 0;
    if (Edit1->isVisible())
        Edit1->setFocus();
}

void TForm5::Edit1Change()
{
    setTextFilter(DataModule6->Workers, QStringLiteral("fio"), Edit1->text());
}

void TForm5::Button1Click()
{
    Form2->Edit1->clear();
    Form2->setWindowTitle(QStringLiteral("Заведение данных нового работника"));
    Form2->Tag = 1;
    Form2->ReloadLookups();
    Form2->ShowModal();
    DataModule6->Workers->reopen();
}

void TForm5::Button2Click()
{
    Dataset *workers = DataModule6->Workers;
    Chosen = 1;
    if (workers->isEmpty())
        return;
    const int at = workers->recNo();
    if (Tag == 0) {
        Form2->setWindowTitle(QStringLiteral("Изменение данных работника"));
        Form2->Tag = 2;
        Form2->ReloadLookups();
        Form2->Edit1->setText(workers->text(QStringLiteral("fio")).trimmed());
        Form2->EditedId = workers->intValue(QStringLiteral("id"));
        Form2->ShowModal();
        workers->reopen(at);
    } else if (HandOver) {
        Chosen = HandOver() ? 1 : 0;
    }
    if (Chosen == 1)
        ModalClose(2);
}

void TForm5::Button3Click()
{
    Dataset *workers = DataModule6->Workers;
    if (workers->isEmpty())
        return;
    if (!Messages::question(QStringLiteral("Удалить работника?")))
        return;
    const int at = workers->recNo();
    Form2->cmd_person->setSql(QStringLiteral("delete from accounts_dep.person where id =:id"));
    Form2->cmd_person->setParam(QStringLiteral("id"), workers->intValue(QStringLiteral("id")));
    Form2->cmd_person->execute();
    workers->reopen(at);
}

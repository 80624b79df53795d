#include "Unit5.h"

#include "DataGrid.h"
#include "Messages.h"
#include "Unit2.h"
#include "Unit6.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent)
    : TListForm(parent, QStringLiteral("Form5"), QStringLiteral("Список рабочих"), DataModule6->Workers,
                QStringLiteral("fio"), Match::Prefix, true)
{
    Form5 = this;
    DBGrid1->setColumns({{QStringLiteral("fio"), QStringLiteral("ФИО"), 300},
                         {QStringLiteral("s_staffpos_hl"), QStringLiteral("Должность"), 300}});
    Edit1->setFixedWidth(241);
    QHBoxLayout *panel = buttonPanel({Button1, Button2, Button3, Edit1});
    panel->setContentsMargins(4, 4, 4, 4);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(panel);
    fixSize(641, 550);
}

void TForm5::FormActivate()
{
    Chosen = 0;
    TListForm::FormActivate();
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
    if (Tag != 0) {
        Chosen = HandOverAndClose() ? 1 : 0;
        return;
    }
    const int at = workers->recNo();
    Form2->setWindowTitle(QStringLiteral("Изменение данных работника"));
    Form2->Tag = 2;
    Form2->ReloadLookups();
    Form2->Edit1->setText(workers->text(QStringLiteral("fio")).trimmed());
    Form2->EditedId = workers->intValue(QStringLiteral("id"));
    Form2->ShowModal();
    workers->reopen(at);
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

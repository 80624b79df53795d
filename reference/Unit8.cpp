#include "Unit8.h"

#include "DataGrid.h"
#include "Dataset.h"
#include "Messages.h"
#include "Unit6.h"
#include "Unit9.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm8 *Form8 = nullptr;

TForm8::TForm8(QWidget *parent)
    : TListForm(parent, QStringLiteral("Form8"), QStringLiteral("Виды операций (8)"), DataModule6->Vid_oper,
                QStringLiteral("vid"), Match::Prefix, true)
{
    Form8 = this;
    DBGrid1->setColumns({{QStringLiteral("vid"), QStringLiteral("Операции"), 309}});
    Edit1->setVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Edit1);
    layout->addLayout(buttonPanel({Button1, Button2, Button3}));
    fixSize(345, 576);
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
    if (NothingToActOn())
        return;
    if (Tag != 0) {
        HandOverAndClose();
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
    if (NothingToActOn())
        return;
    if (!Messages::question(QStringLiteral("Удалить вид операции?")))
        return;
    kinds->remove();
    kinds->reopen(kinds->recNo());
}

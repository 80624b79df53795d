#include "Unit132.h"

#include "Messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm132 *Form132 = nullptr;

TForm132::TForm132(QWidget *parent) : TForm(parent, QStringLiteral("Form132"))
{
    Form132 = this;
    setWindowTitle(QStringLiteral("Ввод данных (132)"));
    Label1 = make<QLabel>(this, "Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = make<QLabel>(this, "Label2", QStringLiteral("Отработано (ч.)"));
    Edit1 = make<QLineEdit>(this, "Edit1");
    digitsOnly(Edit1);
    Edit1->setMaxLength(2);
    Edit1->setFixedWidth(60);
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Запись"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Отмена"));
    auto *value = new QHBoxLayout;
    value->addWidget(Label2);
    value->addWidget(Edit1);
    value->addStretch();
    QHBoxLayout *buttons = okCancelRow(Button1, Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(value);
    layout->addLayout(buttons);
    setMinimumWidth(300);
    fixSize();
    connect(Button1, &QPushButton::clicked, this, &TForm132::Button1Click);
}

void TForm132::FormActivate()
{
    Edit1->setFocus();
}

void TForm132::Button1Click()
{
    bool ok = false;
    const int hours = Edit1->text().trimmed().toInt(&ok);
    if (!ok) {
        Messages::error(QStringLiteral("Введите количество отработанных часов!"));
        Edit1->setFocus();
        return;
    }
    if (hours <= 0) {
        Messages::error(QStringLiteral("Значение должно быть больше 0!"));
        ModalClose(2);
        return;
    }
    ModalClose(1);
}

#include "Unit9.h"

#include "Dataset.h"
#include "Messages.h"
#include "Unit6.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm9 *Form9 = nullptr;

TForm9::TForm9(QWidget *parent) : TForm(parent, QStringLiteral("Form9"))
{
    Form9 = this;
    auto *group = boldFrame(this, "GroupBox1", QStringLiteral("Вид операции"));
    Edit1 = make<QLineEdit>(group, "Edit1");
    Edit1->setMaxLength(50);
    Edit1->setMinimumWidth(300);
    auto *fields = new QFormLayout(group);
    fields->addRow(QStringLiteral("Операция"), Edit1);
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Записать"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Отмена"));
    editorLayout(group, Button1, Button2);
    fixSize();

    connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
}

void TForm9::FormActivate()
{
    Edit1->setFocus();
}

void TForm9::Button1Click()
{
    const QString name = Edit1->text().trimmed();
    if (name.isEmpty()) {
        Messages::error(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    Dataset *kinds = DataModule6->Vid_oper;
    const bool adding = Tag == 1;
    const int current = kinds->intValue(QStringLiteral("id"));
    const QString others = adding ? QStringLiteral("select id, vid from accounts_dep.vid_oper")
                                  : QStringLiteral("select id, vid from accounts_dep.vid_oper where id<>:id");
    TDataModule6::Binds binds;
    if (!adding)
        binds << qMakePair(QStringLiteral("id"), QVariant(current));
    if (DataModule6->IsDuplicateName(others, QStringLiteral("vid"), name, QStringLiteral("Такая операция уже заведена!"),
                                     binds))
        return;
    if (adding)
        kinds->append();
    else
        kinds->edit();
    kinds->setValue(QStringLiteral("vid"), name);
    try {
        kinds->post();
    } catch (...) {
        kinds->cancel();
        throw;
    }
    kinds->refresh();
    ModalClose(2);
}

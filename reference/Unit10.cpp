#include "Unit10.h"

#include "Command.h"
#include "Dataset.h"
#include "Messages.h"
#include "Transaction.h"
#include "Unit3.h"
#include "Unit6.h"
#include "Unit8.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm10 *Form10 = nullptr;

TForm10::TForm10(QWidget *parent) : TForm(parent, QStringLiteral("Form10"))
{
    Form10 = this;
    auto *group = boldFrame(this, "GroupBox1", QStringLiteral("Цена операции"));
    Edit1 = make<QLineEdit>(group, "Edit1");
    Edit1->setReadOnly(true);
    Edit1->setFocusPolicy(Qt::ClickFocus);
    Edit1->setMinimumWidth(320);
    Button3 = make<QPushButton>(group, "Button3", QStringLiteral("..."));
    Edit2 = make<QLineEdit>(group, "Edit2");
    Edit2->setReadOnly(true);
    Edit2->setFocusPolicy(Qt::ClickFocus);
    Button4 = make<QPushButton>(group, "Button4", QStringLiteral("..."));
    for (QPushButton *b : {Button3, Button4})
        b->setFixedWidth(28);
    ComboBox1 = make<QComboBox>(group, "ComboBox1");
    ComboBox1->addItems({QStringLiteral("Готовая продукция"), QStringLiteral("Заготовки")});
    Edit3 = make<QLineEdit>(group, "Edit3");
    Label3 = make<QLabel>(group, "Label3", QStringLiteral("min Цена"));
    Edit3->setVisible(false);
    Label3->setVisible(false);
    auto row = [](QWidget *edit, QWidget *button) {
        auto *h = new QHBoxLayout;
        h->addWidget(edit, 1);
        h->addWidget(button);
        return h;
    };
    auto *fields = new QFormLayout(group);
    fields->addRow(QStringLiteral("Марка изделия"), row(Edit1, Button3));
    fields->addRow(QStringLiteral("Операция"), row(Edit2, Button4));
    fields->addRow(QStringLiteral("Вид"), ComboBox1);
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Записать"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Отмена"));
    editorLayout(group, Button1, Button2);
    fixSize();

    connect(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TForm10::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm10::Button4Click);
}

void TForm10::FormActivate()
{
    Button3->setFocus();
}

void TForm10::Button3Click()
{
    Form3->PrepareChooser(1);
    Form3->HandOver = [this] {
        Edit1->setText(DataModule6->Izdel->text(QStringLiteral("marka")).trimmed());
        OpProductId = DataModule6->Izdel->intValue(QStringLiteral("id"));
        return true;
    };
    DataModule6->Izdel->open();
    Form3->ShowModal();
    Form3->RestoreAfterChooser();
    DataModule6->Izdel->close();
}

void TForm10::Button4Click()
{
    DataModule6->Vid_oper->open();
    Form8->PrepareChooser(1);
    Form8->HandOver = [this] {
        Edit2->setText(DataModule6->Vid_oper->text(QStringLiteral("vid")).trimmed());
        OpKindId = DataModule6->Vid_oper->intValue(QStringLiteral("id"));
        return true;
    };
    Form8->ShowModal();
    Form8->RestoreAfterChooser();
    DataModule6->Vid_oper->close();
}

void TForm10::Button1Click()
{
    const int kind = ComboBox1->currentIndex();
    if (Edit1->text().trimmed().isEmpty() || Edit2->text().trimmed().isEmpty()) {
        Messages::error(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    const bool adding = Tag == 1;
    Dataset *oper = DataModule6->Oper;
    const int current = oper->intValue(QStringLiteral("id"));
    TDataModule6::Binds key{{QStringLiteral("vid"), OpKindId}, {QStringLiteral("naimen"), kind},
                            {QStringLiteral("i_id"), OpProductId}};
    if (!adding)
        key << qMakePair(QStringLiteral("id"), QVariant(current));
    const QString duplicates = QStringLiteral("select count(*) as cnt from accounts_dep.OPER where vid=:vid and "
                                              "naimen=:naimen and i_id=:i_id") +
                               (adding ? QString() : QStringLiteral(" and id<>:id"));
    if (DataModule6->IsDuplicate(duplicates, QStringLiteral("Операция с такими параметрами уже заведена!"), key))
        return;
    Transaction tx(&DataModule6->ADO_DB);
    if (adding) {
        Command *ins = DataModule6->Oper_ins;
        ins->setSql(QStringLiteral("insert into accounts_dep.oper(vid, naimen, i_id, cena_new)values (:oper_vid, :naimen, "
                                   ":i_id, 0)"));
        ins->setParam(QStringLiteral("oper_vid"), OpKindId);
        ins->setParam(QStringLiteral("naimen"), kind);
        ins->setParam(QStringLiteral("i_id"), OpProductId);
        ins->execute();
        // Its first norm, so the operation is listed and can be priced in the norms editor.
        const int id = DataModule6->ControlValue(
            QStringLiteral("select currval(pg_get_serial_sequence('accounts_dep.oper', 'id')) as id"),
            QStringLiteral("id")).toInt();
        Command norm_ins(&DataModule6->ADO_DB, QStringLiteral("norm_ins"));
        norm_ins.setSql(QStringLiteral("insert into accounts_dep.norm(o_id, price) values (:o_id, :price)"));
        norm_ins.setParam(QStringLiteral("o_id"), id);
        norm_ins.setParam(QStringLiteral("price"), 0.0);
        norm_ins.execute();
    } else {
        Command *ed = DataModule6->Oper_ed;
        ed->setSql(QStringLiteral("update accounts_dep.oper set vid=:oper_vid, naimen=:naimen,  i_id=:i_id where id=:id"));
        ed->setParam(QStringLiteral("oper_vid"), OpKindId);
        ed->setParam(QStringLiteral("naimen"), kind);
        ed->setParam(QStringLiteral("i_id"), OpProductId);
        ed->setParam(QStringLiteral("id"), current);
        ed->execute();
    }
    tx.commit();
    oper->reopen();
    ModalClose(2);
}

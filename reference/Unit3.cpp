#include "Unit3.h"

#include "DataGrid.h"
#include "Dataset.h"
#include "Lookup.h"
#include "Messages.h"
#include "Transaction.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm3 *Form3 = nullptr;

TForm3::TForm3(QWidget *parent)
    : TListForm(parent, QStringLiteral("Form3"), QStringLiteral("Изделия (3)"), DataModule6->Izdel,
                QStringLiteral("marka"), Match::Prefix, false)
{
    Form3 = this;
    DBGrid1->setColumns({{QStringLiteral("marka"), QStringLiteral("Марка изделия"), 315},
                         {QStringLiteral("nom"), QStringLiteral("Номенклатурная группа"), 162},
                         {QStringLiteral("massa"), QStringLiteral("Коробки"), 67}});
    Izdel_Smena = new Dataset(&DataModule6->ADO_DB, QStringLiteral("Izdel_Smena"), this);
    Izdel_Smena->setSql(QStringLiteral("select count(*) as cnt from accounts_dep.smena s where s.i_id =:id_ii and "
                                       "s.\"data\">=:dt"));
    ii_oper = new Dataset(&DataModule6->ADO_DB, QStringLiteral("ii_oper"), this);
    ii_oper->setSql(QStringLiteral("select count(*) as cnt from accounts_dep.oper o where o.i_id =:id_ii"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Edit1);
    layout->addLayout(buttonPanel({Button1, Button2, Button3}));
    fixSize(577, 574);
}

QDate TForm3::DeleteThreshold(const QDate &today)
{
    const int month = today.month() == 1 ? 13 : today.month();
    return QDate(2000, month - 1, 1);
}

void TForm3::Button1Click()
{
    Dataset *products = DataModule6->Izdel;
    const int at = products->recNo();
    Form7->Edit1->clear();
    Form7->Edit2->clear();
    Form7->setWindowTitle(QStringLiteral("Заведение нового изделия (7)"));
    Form7->Tag = 1;
    Form7->item->open();
    Form7->cb_item->reload();
    Form7->ShowModal();
    Form7->item->close();
    products->setRecNo(at);
}

void TForm3::Button2Click()
{
    Dataset *products = DataModule6->Izdel;
    if (NothingToActOn())
        return;
    const int at = products->recNo();
    if (Tag == 0) {
        Form7->setWindowTitle(QStringLiteral("Изменение данных изделия (7)"));
        Form7->Tag = 2;
        Form7->Edit1->setText(products->text(QStringLiteral("marka")).trimmed());
        const QVariant massa = products->value(QStringLiteral("massa"));
        Form7->Edit2->setText(massa.isNull() ? QString() : QString::number(massa.toDouble(), 'g', 15));
        Form7->item->open();
        Form7->cb_item->reload();
        Form7->cb_item->setKeyValue(products->value(QStringLiteral("id_class_item")));
        Form7->ShowModal();
    } else {
        HandOverAndClose();
    }
    Form7->item->close();
    products->setRecNo(at);
}

void TForm3::Button3Click()
{
    if (NothingToActOn())
        return;
    Dataset *products = DataModule6->Izdel;
    const int id = products->intValue(QStringLiteral("id"));
    Izdel_Smena->close();
    Izdel_Smena->setParam(QStringLiteral("id_ii"), id);
    Izdel_Smena->setParam(QStringLiteral("dt"), DeleteThreshold(QDate::currentDate()));
    Izdel_Smena->open();
    const int outputRows = Izdel_Smena->intValue(QStringLiteral("cnt"));
    Izdel_Smena->close();
    ii_oper->close();
    ii_oper->setParam(QStringLiteral("id_ii"), id);
    ii_oper->open();
    const int operations = ii_oper->intValue(QStringLiteral("cnt"));
    ii_oper->close();

    // Every question first; then what was agreed runs as one transaction.
    const bool dropOperations =
        operations > 0 && Messages::question(QStringLiteral("По изделию есть расценки они будут удалены!!!"));
    bool dropOutput = false;
    bool dropProduct = false;
    if (outputRows > 0) {
        dropOutput = dropProduct = Messages::question(QStringLiteral(
            "По изделию есть операции в текущем, предыдущем месяцах и ранее, они будут удалены. Удалить изделие? "));
    } else {
        dropProduct = Messages::question(QStringLiteral("Удалить изделие? "));
    }
    if (dropOperations || dropProduct) {
        Command *cmd = DataModule6->DelSmena;
        auto run = [cmd, id](const QString &sql) {
            cmd->setSql(sql);
            cmd->setParam(QStringLiteral("id"), id);
            cmd->execute();
        };
        Transaction tx(&DataModule6->ADO_DB);
        if (dropOperations)
            run(QStringLiteral("delete from accounts_dep.oper o where o.i_id =:id"));
        if (dropOutput)
            run(QStringLiteral("delete from accounts_dep.smena s where s.i_id =:id"));
        if (dropProduct)
            run(QStringLiteral("delete from cmn_gds_and_srv.gds_and_srv  where id=:id"));
        tx.commit();
    }
    products->reopen();
}

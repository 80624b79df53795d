#include "Unit26.h"

#include "DataGrid.h"
#include "Dataset.h"
#include "Lookup.h"
#include "Messages.h"
#include "Unit29.h"
#include "Unit6.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm26 *Form26 = nullptr;

TForm26::TForm26(QWidget *parent) : TForm(parent, QStringLiteral("Form26"))
{
    Form26 = this;
    setWindowTitle(QStringLiteral("Номенклатура (26)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    item = new Dataset(&DataModule6->ADO_DB, QStringLiteral("item"), this);
    item->setSql(QStringLiteral("select *, case when b_excluded=1  then 'V' else '' end as s_excl from "
                                "cmn_classifier.item where id_level=2 order by s_caption"));
    item_gds = new Dataset(&DataModule6->ADO_DB, QStringLiteral("item_gds"), this);
    item_gds->setSql(QStringLiteral(
        "select (select count(gds.*) cnt_gds from cmn_gds_and_srv.gds_and_srv gds where gds.id_class_item = :id_nom3),\n"
        "(select count(f.*) cnt_f from accounts_dep.fatigue f where f.id_nom = :id_nom1),\n"
        "(select count(s.*) cnt_s from accounts_dep.smena s,cmn_gds_and_srv.gds_and_srv gds where gds.id = s.i_id and "
        "gds.id_class_item = :id_nom2)"));

    DBGrid1 = new DataGrid(this, QStringLiteral("DBGrid1"));
    DBGrid1->setColumns({{QStringLiteral("s_caption"), QStringLiteral("Наименование"), 407},
                         {QStringLiteral("s_excl"), QStringLiteral("Не используется"), 125, Qt::AlignCenter}});
    DBGrid1->setDataset(item);
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Добавить"));
    Button3 = make<QPushButton>(this, "Button3", QStringLiteral("Изменить"));
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Удалить"));
    Edit1 = make<QLineEdit>(this, "Edit1");
    Button4 = make<QPushButton>(this, "Button4", QStringLiteral("Выход"));
    for (QPushButton *b : {Button2, Button3, Button1, Button4})
        b->setAutoDefault(false);
    setCancelButton(Button4);

    auto *panel = new QHBoxLayout;
    panel->setContentsMargins(4, 4, 4, 4);
    for (QWidget *w : {static_cast<QWidget *>(Button2), static_cast<QWidget *>(Button3),
                       static_cast<QWidget *>(Button1), static_cast<QWidget *>(Edit1)})
        panel->addWidget(w);
    panel->addStretch();
    panel->addWidget(Button4);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(panel);
    fixSize(569, 318);

    new FilterBoxKeys(Edit1, item, true);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm26::Edit1Change);
    connect(DBGrid1, &DataGrid::dblClick, this, &TForm26::DBGrid1DblClick);
    connect(Button2, &QPushButton::clicked, this, &TForm26::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm26::DBGrid1DblClick);
    connect(Button1, &QPushButton::clicked, this, &TForm26::Button1Click);
    connect(Button4, &QPushButton::clicked, this, [this] { ModalClose(2); });
}

void TForm26::PrepareReference()
{
    Tag = 0;
    HandOver = nullptr;
    Button3->setText(QStringLiteral("Изменить"));
    Button1->setVisible(true);
    Button2->setVisible(true);
}

void TForm26::PrepareChooser(int tag)
{
    Tag = tag;
    item->setFilter(Dataset::equals(QStringLiteral("b_excluded"), 0));
    item->setFiltered(true);
    Button3->setText(QStringLiteral("Выбрать"));
    Button1->setVisible(false);
    Button2->setVisible(false);
    DBGrid1->setColumnVisible(1, false);
    setFixedWidth(460);
}

void TForm26::RestoreAfterChooser()
{
    Button1->setVisible(true);
    Button2->setVisible(true);
    DBGrid1->setColumnVisible(1, true);
    setFixedWidth(585);
    item->setFiltered(false);
}

void TForm26::Edit1Change()
{
    setTextFilter(item, QStringLiteral("s_caption"), Edit1->text());
}

void TForm26::Button2Click()
{
    const int at = item->recNo();
    Form29->Edit1->clear();
    Form29->Tag = 1;
    Form29->ShowModal();
    item->setRecNo(at);
}

void TForm26::DBGrid1DblClick()
{
    if (item->isEmpty())
        return;
    const int at = item->recNo();
    if (Tag == 0) {
        Form29->Tag = 2;
        Form29->Edit1->setText(item->text(QStringLiteral("s_caption")).trimmed());
        Form29->CheckBox1->setChecked(item->intValue(QStringLiteral("b_excluded")) != 0);
        Form29->ShowModal();
    } else {
        if (HandOver)
            HandOver();
        ModalClose(2);
    }
    item->setRecNo(at);
}

void TForm26::Button1Click()
{
    if (item->isEmpty())
        return;
    const int id = item->intValue(QStringLiteral("id"));
    item_gds->close();
    for (const char *p : {"id_nom3", "id_nom1", "id_nom2"})
        item_gds->setParam(QString::fromLatin1(p), id);
    item_gds->open();
    const int products = item_gds->intValue(QStringLiteral("cnt_gds"));
    const int works = item_gds->intValue(QStringLiteral("cnt_f"));
    const int output = item_gds->intValue(QStringLiteral("cnt_s"));
    item_gds->close();
    if (products > 0) {
        Messages::error(QStringLiteral("В номенклатурной группе есть изделия."), QStringLiteral("Удаление"));
        return;
    }
    if (works > 0 || output > 0) {
        Messages::error(QStringLiteral("В номенклатурной группе есть операции."), QStringLiteral("Удаление"));
        return;
    }
    if (Messages::question(QStringLiteral("Удалить позицию из списка?"))) {
        DataModule6->DelSmena->setSql(QStringLiteral("DELETE FROM cmn_classifier.item WHERE id=:id"));
        DataModule6->DelSmena->setParam(QStringLiteral("id"), id);
        DataModule6->DelSmena->execute();
    }
    item->reopen(item->recNo());
}

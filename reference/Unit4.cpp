#include "Unit4.h"

#include "DataGrid.h"
#include "DatePicker.h"
#include "Dataset.h"
#include "ExcelLink.h"
#include "Format.h"
#include "Messages.h"
#include "Unit10.h"
#include "Unit22.h"
#include "Unit6.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm4 *Form4 = nullptr;

double OperationPrice(double normPrice, bool dayOff, int shift)
{
    double price = dayOff ? normPrice * 2 : normPrice;
    if (shift == 3)
        price *= 1.2;
    else if (shift == 4)
        price *= 1.5;
    return price;
}

QString ProductKindText(int productKind)
{
    return productKind == 0 ? QStringLiteral("Готовая продукция") : QStringLiteral("Заготовки");
}

QString OperationText(const QString &mark, const QString &kind, int productKind)
{
    return mark.trimmed() + QStringLiteral("; ") + kind.trimmed() + QStringLiteral("; ") + ProductKindText(productKind);
}

TForm4::TForm4(QWidget *parent)
    : TListForm(parent, QStringLiteral("Form4"), QStringLiteral("Цены (4)"), DataModule6->Oper, QStringLiteral("marka"),
                Match::Anywhere, true)
{
    Form4 = this;
    DBGrid1->setColumns({
        {QStringLiteral("marka"), QStringLiteral("Марка"), 300},
        {QStringLiteral("s_caption"), QStringLiteral("Ном. гр. "), 300},
        {QStringLiteral("vid"), QStringLiteral("Опреция"), 243},
        {QStringLiteral("cena"), QStringLiteral("Цена (min)"), 74},
        {QStringLiteral("nmn"), QStringLiteral("Вид"), 139},
        {QStringLiteral("id"), QStringLiteral("id"), 64, Qt::AlignLeft | Qt::AlignVCenter, false},
        {QStringLiteral("i_id"), QStringLiteral("i_id"), 64, Qt::AlignLeft | Qt::AlignVCenter, false},
        {QStringLiteral("oper_vid"), QStringLiteral("oper_vid"), 64, Qt::AlignLeft | Qt::AlignVCenter, false},
        {QStringLiteral("norma"), QStringLiteral("Нормы (шт.)"), 76},
    });
    Button5 = make<QPushButton>(this, "Button5", QStringLiteral("Excel"));
    CheckBox1 = make<QCheckBox>(this, "CheckBox1", QStringLiteral("Цены"));
    QFont bold = CheckBox1->font();
    bold.setBold(true);
    CheckBox1->setFont(bold);
    Edit1->setFixedWidth(241);
    XLS_Rep = new Dataset(&DataModule6->ADO_DB, QStringLiteral("XLS_Rep"), this);
    XLS_Rep->setSql(QStringLiteral(
        "select izdel.MARKA, vid_oper.VID, oper.NAIMEN,(SELECT (CASE naimen WHEN 0 THEN 'Готовая продукция' ELSE "
        "'Заготовки' END)) as nmn, oper.CENA_new as cena, oper.id, oper.i_id,\n"
        " oper.VID as oper_vid from accounts_dep.OPER,accounts_dep.IZDEL,accounts_dep.VID_OPER where OPER.i_id=IZDEL.id \n"
        "and oper.vid=vid_oper.id order by izdel.marka, vid_oper.vid, oper.naimen"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttonPanel({Button1, Button2, Button3, Button5, CheckBox1, Edit1}));
    fixSize(1169, 480);
    connect(Button5, &QPushButton::clicked, this, &TForm4::Button5Click);
}

void TForm4::RestoreAfterChooser()
{
    Button2->setDefault(false);
    DataModule6->Oper->setFiltered(false);
}

void TForm4::DBGrid1DblClick()
{
    Dataset *oper = DataModule6->Oper;
    if (CheckBox1->isChecked() && Tag == 0) {
        if (oper->isEmpty())
            return;
        Form22->ShowNorms(oper->intValue(QStringLiteral("id")));
        return;
    }
    Button2Click();
}

void TForm4::Button1Click()
{
    Form10->Edit1->clear();
    Form10->Edit2->clear();
    Form10->Edit3->clear();
    Form10->ComboBox1->setCurrentIndex(0);
    Form10->Edit3->setEnabled(true);
    Form10->setWindowTitle(QStringLiteral("Заведение новой цены за операцию"));
    Form10->Tag = 1;
    Form10->ShowModal();
}

void TForm4::Button2Click()
{
    Dataset *oper = DataModule6->Oper;
    if (NothingToActOn())
        return;
    if (Tag != 0) {
        HandOverAndClose();
        return;
    }
    Form10->setWindowTitle(QStringLiteral("Изменение данных о цене за операцию"));
    Form10->Tag = 2;
    Form10->Edit1->setText(oper->text(QStringLiteral("marka")).trimmed());
    Form10->Edit2->setText(oper->text(QStringLiteral("vid")).trimmed());
    Form10->ComboBox1->setCurrentIndex(oper->intValue(QStringLiteral("naimen")));
    Form10->Edit3->setEnabled(true);
    Form10->Edit3->setText(FloatToStr(oper->number(QStringLiteral("cena"))));
    Form10->OpProductId = oper->intValue(QStringLiteral("i_id"));
    Form10->OpKindId = oper->intValue(QStringLiteral("oper_vid"));
    Form10->ShowModal();
}

void TForm4::Button3Click()
{
    Dataset *oper = DataModule6->Oper;
    if (NothingToActOn())
        return;
    if (!Messages::question(QStringLiteral("Удалить операцию?")))
        return;
    DataModule6->Oper_del->setParam(QStringLiteral("id"), oper->intValue(QStringLiteral("id")));
    DataModule6->Oper_del->execute();
    oper->reopen();
}

void TForm4::Button5Click()
{
    WaitCursor wait;
    XLS_Rep->reopen();
    ExcelLink &excel = SharedExcelLink();
    if (excel.ExcelOpen(QString()) == -1) {
        XLS_Rep->close();
        return;
    }
    const QStringList headings{QStringLiteral("Марка"), QStringLiteral("Операция"), QStringLiteral("Цена"),
                               QStringLiteral("Вид")};
    for (int c = 0; c < headings.size(); ++c)
        excel.ExcelWriteCell(1, c + 1, 1, headings[c]);
    int row = 2;
    for (XLS_Rep->first(); !XLS_Rep->eof(); XLS_Rep->next(), ++row) {
        excel.ExcelWriteCell(1, 1, row, XLS_Rep->text(QStringLiteral("marka")));
        excel.ExcelWriteCell(1, 2, row, XLS_Rep->text(QStringLiteral("vid")));
        excel.ExcelWriteCell(1, 3, row, FloatToStr(XLS_Rep->number(QStringLiteral("cena"))));
        excel.ExcelWriteCell(1, 4, row, ProductKindText(XLS_Rep->intValue(QStringLiteral("naimen"))));
    }
    excel.ExcelSetVisible(true);
    XLS_Rep->close();
}

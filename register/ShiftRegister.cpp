#include "ShiftRegister.h"

#include "Command.h"
#include "DataGrid.h"
#include "DatePicker.h"
#include "Messages.h"
#include "Transaction.h"
#include "Unit11.h"
#include "Unit6.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TShiftRegister *ShiftRegister = nullptr;

namespace {
const QColor clGreen(0, 128, 0);
const QColor clRed(255, 0, 0);
} // namespace

TShiftRegister::TShiftRegister(QWidget *parent) : TForm(parent, QStringLiteral("Form1"))
{
    ShiftRegister = this;
    setWindowTitle(QStringLiteral("Табель"));
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    RadioButton1 = make<QRadioButton>(this, "RadioButton1", QStringLiteral("Смена №1"));
    RadioButton2 = make<QRadioButton>(this, "RadioButton2", QStringLiteral("Смена №2"));
    RadioButton3 = make<QRadioButton>(this, "RadioButton3", QStringLiteral("Смена №3"));
    RadioButton4 = make<QRadioButton>(this, "RadioButton4", QStringLiteral("Переработка"));
    DateT = new DatePicker(this, QStringLiteral("DateT"));
    CBox1 = make<QCheckBox>(this, "CBox1", QStringLiteral("Выходной"));
    DBGrid2 = new DataGrid(this, QStringLiteral("DBGrid2"));
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Добавить"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Изменить"));
    Button3 = make<QPushButton>(this, "Button3", QStringLiteral("Удалить"));
    Button8 = make<QPushButton>(this, "Button8", QStringLiteral("Обновить"));
    Button5 = make<QPushButton>(this, "Button5", QStringLiteral("Ср.сд./хоз. работы"));

    auto *top = new QHBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(RadioButton1), static_cast<QWidget *>(RadioButton2),
                       static_cast<QWidget *>(RadioButton3), static_cast<QWidget *>(RadioButton4)})
        top->addWidget(w);
    top->addSpacing(20);
    top->addWidget(DateT);
    top->addWidget(CBox1);
    top->addStretch();

    BottomRow = new QHBoxLayout;
    for (QPushButton *b : {Button1, Button2, Button3, Button8, Button5})
        BottomRow->addWidget(b);
    BottomRow->addStretch();

    MainLayout = new QVBoxLayout(this);
    MainLayout->addLayout(top);
    MainLayout->addWidget(DBGrid2, 1);
    MainLayout->addLayout(BottomRow);

    const Qt::Alignment centred = Qt::AlignCenter;
    DBGrid2->setColumns({
        {QStringLiteral("fio"), QStringLiteral("Фамилия И.О."), 250},
        {QStringLiteral("marka"), QStringLiteral("Марка изделия"), 260},
        {QStringLiteral("vid"), QStringLiteral("Операция"), 155},
        {QStringLiteral("nmn"), QStringLiteral("Вид"), 157},
        {QStringLiteral("color"), QStringLiteral("Цвет"), 64, centred},
        {QStringLiteral("time"), QStringLiteral("Часы"), 64},
        {QStringLiteral("kol_vo"), QStringLiteral("Кол-во"), 57},
        {QStringLiteral("brak"), QStringLiteral("Брак"), 49},
        {QStringLiteral("summa"), QStringLiteral("Итого (р.)"), 78},
        {QStringLiteral("prize"), QStringLiteral("Премия (%)"), 64, Qt::AlignLeft | Qt::AlignVCenter, false},
        {QStringLiteral("ok"), QStringLiteral("OK"), 37, centred},
        {QStringLiteral("vvod"), QStringLiteral("Заведен"), 72, centred},
    });
    DBGrid2->setMinimumSize(1270, 520);
    // The acceptance mark reads bold green when accepted, bold red otherwise.
    DBGrid2->setStyler([this](int row, const GridColumn &col, CellStyle &style) {
        if (col.field != QLatin1String("ok") || !DBGrid2->dataset())
            return;
        Dataset *ds = DBGrid2->dataset();
        style.font.setBold(true);
        style.foreground = IsAccepted(ds->valueAt(row, ds->fieldIndex(QStringLiteral("ok"))).toString()) ? clGreen : clRed;
    });

    RadioButton1->setChecked(true);
    markState(RadioButton1, clGreen, true);
    for (QRadioButton *rb : {RadioButton2, RadioButton3, RadioButton4})
        markState(rb, QColor(), false);
    markState(CBox1, QColor(), false);

    const QList<QRadioButton *> shifts{RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (int i = 0; i < shifts.size(); ++i)
        connect(shifts[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                RadioButtonClick(i + 1);
        });
    connect(DateT, &DatePicker::closeUp, this, &TShiftRegister::DateTChange);
    connect(DateT, &DatePicker::returnPressed, this, &TShiftRegister::DateTChange);
    connect(CBox1, &QCheckBox::toggled, this, &TShiftRegister::CBox1Click);
    connect(DBGrid2, &DataGrid::dblClick, this, &TShiftRegister::DBGrid2DblClick);
    connect(Button8, &QPushButton::clicked, this, &TShiftRegister::Button8Click);
    connect(Button3, &QPushButton::clicked, this, &TShiftRegister::Button3Click);

    connect(Button1, &QPushButton::clicked, this, &TShiftRegister::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TShiftRegister::Button2Click);
    // The works register this button opens is not part of the program yet.
    Button5->setEnabled(false);
}

void TShiftRegister::BindDataSources()
{
    DataSource1 = DataModule6->Smena1;
    DataSource2 = DataModule6->Smena2;
    DataSource3 = DataModule6->Smena3;
    DataSource4 = DataModule6->Smena4;
    updtOK = new Command(&DataModule6->ADO_DB, QStringLiteral("updtOK"));
    updtOK->setSql(QStringLiteral("update accounts_dep.smena set ok=:ok where id=:id"));
    DBGrid2->setDataset(DataSource(CurShift));
}

Dataset *TShiftRegister::DataSource(int shift) const
{
    switch (shift) {
    case 2: return DataSource2;
    case 3: return DataSource3;
    case 4: return DataSource4;
    default: return DataSource1;
    }
}

bool TShiftRegister::IsWeekend(const QDate &date)
{
    return date.dayOfWeek() >= 6;
}

bool TShiftRegister::IsAccepted(const QString &mark)
{
    return mark == QLatin1String("ok") || mark == QStringLiteral("да");
}

void TShiftRegister::RadioButtonClick(int shift)
{
    const QList<QRadioButton *> shifts{RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    DBGrid2->setDataset(DataSource(shift));
    for (int i = 0; i < shifts.size(); ++i)
        markState(shifts[i], i + 1 == shift ? clGreen : QColor(), i + 1 == shift);
    CurShift = shift;
}

void TShiftRegister::ReloadShiftLists()
{
    for (int shift = 1; shift <= 4; ++shift) {
        Dataset *ds = DataSource(shift);
        ds->setFiltered(false);
        ds->setParam(QStringLiteral("DATA"), DateT->date());
        ds->reopen();
    }
}

void TShiftRegister::DateTChange()
{
    {
        WaitCursor wait;
        ReloadShiftLists();
        CBox1->setChecked(IsWeekend(DateT->date()));
    }
    DBGrid2->setFocus();
}

void TShiftRegister::CBox1Click()
{
    markState(CBox1, CBox1->isChecked() ? clRed : QColor(), CBox1->isChecked());
}

void TShiftRegister::Button8Click()
{
    WaitCursor wait;
    for (int shift = 1; shift <= 4; ++shift)
        DataSource(shift)->reopen();
}

void TShiftRegister::DBGrid2DblClick()
{
    if (UserRole == QLatin1String("brovnik"))
        return;
    CurQuery = DataSource(CurShift);
    if (CurQuery->isEmpty())
        return;
    const QString mark = IsAccepted(CurQuery->text(QStringLiteral("ok"))) ? QStringLiteral("no") : QStringLiteral("ok");
    updtOK->setParam(QStringLiteral("id"), CurQuery->intValue(QStringLiteral("id")));
    updtOK->setParam(QStringLiteral("ok"), mark);
    updtOK->execute();
    CurQuery->reopen(CurQuery->recNo());
}

void TShiftRegister::Button3Click()
{
    Dataset *list = DataSource(CurShift);
    if (list->isEmpty())
        return;
    const int id = list->intValue(QStringLiteral("id"));
    const int worker = list->intValue(QStringLiteral("w_id"));
    // The row's own day and shift: the picker may show a date typed but not yet loaded.
    const QDate day = list->value(QStringLiteral("data")).toDate();
    const int shift = list->intValue(QStringLiteral("smena"));
    if (Messages::question(QStringLiteral("Удалить позицию из списка?"))) {
        Transaction tx(&DataModule6->ADO_DB);
        DataModule6->DelSmena->setSql(QStringLiteral("delete from accounts_dep.smena where id=:id"));
        DataModule6->DelSmena->setParam(QStringLiteral("id"), id);
        DataModule6->DelSmena->execute();
        DataModule6->SetShiftDayHours(worker, shift, day);
        tx.commit();
    }
    list->reopen(list->recNo());
}

void TShiftRegister::Button1Click()
{
    CurQuery = DataSource(CurShift);
    Form11->PrepareNew(DateT->date());
    Form11->ShowModal();
}

void TShiftRegister::Button2Click()
{
    CurQuery = DataSource(CurShift);
    if (CurQuery->isEmpty())
        return;
    const int at = CurQuery->recNo();
    Form11->setWindowTitle(QStringLiteral("Изменение данных о позиции (11)"));
    if (Form11->Tag != 3)
        Form11->Tag = 2;
    Form11->LoadRow(CurQuery);
    Form11->ShowModal();
    CurQuery->setRecNo(at);
}

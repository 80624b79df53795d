#include "Unit11.h"

#include "Command.h"
#include "DataGrid.h"
#include "DatePicker.h"
#include "Dataset.h"
#include "Format.h"
#include "Messages.h"
#include "RadioGroup.h"
#include "ShiftRegister.h"
#include "Transaction.h"
#include "Unit132.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TForm11 *Form11 = nullptr;

namespace {
const int kAssistOperation = 7779;

// The register keys a save touches, each locked once and in one order, so two
// copies saving rows of the same workers cannot wait for each other.
void lockDays(QList<std::tuple<int, int, QDate>> keys)
{
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const auto &[worker, shift, day] : keys)
        DataModule6->LockShiftDay(worker, shift, day);
}

QLineEdit *readOnly(QWidget *parent, const char *name)
{
    auto *e = make<QLineEdit>(parent, name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}
} // namespace

TForm11::TForm11(QWidget *parent) : TForm(parent, QStringLiteral("Form11"))
{
    Form11 = this;
    setWindowTitle(QStringLiteral("Заведение новой позиции (11)"));
    auto *group = boldFrame(this, "GroupBox1", QStringLiteral("Закрыто мастером"));
    Edit1 = make<QLineEdit>(group, "Edit1");
    Edit1->setReadOnly(true);
    Button3 = make<QPushButton>(group, "Button3", QStringLiteral("..."));
    Edit2 = make<QLineEdit>(group, "Edit2");
    Edit2->setReadOnly(true);
    Button4 = make<QPushButton>(group, "Button4", QStringLiteral("..."));
    for (QPushButton *b : {Button3, Button4})
        b->setFixedWidth(28);
    Edit3 = make<QLineEdit>(group, "Edit3");
    Edit6 = make<QLineEdit>(group, "Edit6");
    Edit5 = make<QLineEdit>(group, "Edit5");
    Edit4 = make<QLineEdit>(group, "Edit4");
    const QList<QPair<QLineEdit *, int>> digits{{Edit3, 9}, {Edit6, 2}, {Edit5, 6}, {Edit4, 4}};
    for (const auto &d : digits) {
        digitsOnly(d.first);
        d.first->setMaxLength(d.second);
    }
    Label6 = make<QLabel>(group, "Label6", QStringLiteral("Цвет"));
    DTimeP = new DatePicker(group, QStringLiteral("DTimeP"));
    Edit8 = readOnly(group, "Edit8");
    Edit7 = readOnly(group, "Edit7");
    Edit9 = readOnly(group, "Edit9");

    auto *grid = new QGridLayout(group);
    auto label = [group](const QString &text) { return new QLabel(text, group); };
    grid->addWidget(label(QStringLiteral("ФИО")), 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 4);
    grid->addWidget(Button3, 0, 5);
    grid->addWidget(label(QStringLiteral("Операция")), 1, 0);
    grid->addWidget(Edit2, 1, 1, 1, 4);
    grid->addWidget(Button4, 1, 5);
    grid->addWidget(label(QStringLiteral("Кол-во")), 2, 0);
    grid->addWidget(Edit3, 2, 1);
    grid->addWidget(label(QStringLiteral("Время")), 2, 2);
    grid->addWidget(Edit6, 2, 3);
    grid->addWidget(Label6, 3, 2);
    grid->addWidget(Edit5, 3, 3);
    grid->addWidget(label(QStringLiteral("Брак")), 3, 0);
    grid->addWidget(Edit4, 3, 1);
    grid->addWidget(label(QStringLiteral("Дата")), 4, 0);
    grid->addWidget(DTimeP, 4, 1);
    grid->addWidget(label(QStringLiteral("Цена база")), 2, 4);
    grid->addWidget(Edit8, 2, 5);
    grid->addWidget(label(QStringLiteral("Цена итог")), 3, 4);
    grid->addWidget(Edit7, 3, 5);
    grid->addWidget(label(QStringLiteral("Сумма")), 4, 4);
    grid->addWidget(Edit9, 4, 5);
    for (QLineEdit *e : {Edit8, Edit7, Edit9})
        e->setFixedWidth(100);
    Edit1->setMinimumWidth(420);

    CheckBox1 = make<QCheckBox>(group, "CheckBox1", QStringLiteral("Доп. оплата"));
    RadioGroup1 = new RadioGroup(group, QStringLiteral("RadioGroup1"), QString(),
                                 {QStringLiteral("Подсобный рабочий"), QStringLiteral("Оператор покраски")});
    DBGrid1 = new DataGrid(group, QStringLiteral("DBGrid1"));
    DBGrid1->setColumns({{QStringLiteral("fio"), QStringLiteral("ФИО"), 332},
                         {QStringLiteral("s_staffpos_hl"), QStringLiteral("Должность"), 129},
                         {QStringLiteral("f_time"), QStringLiteral("Время (ч.)"), 67},
                         {QStringLiteral("f_count"), QStringLiteral("Сумма (р.)"), 76}});
    DBGrid1->setMinimumSize(612, 120);
    Button5 = make<QPushButton>(group, "Button5", QStringLiteral("Добавить"));
    Button7 = make<QPushButton>(group, "Button7", QStringLiteral("Удалить"));
    Button6 = make<QPushButton>(group, "Button6", QStringLiteral("Сохранить"));
    auto *splitButtons = new QVBoxLayout;
    splitButtons->addWidget(CheckBox1);
    splitButtons->addWidget(RadioGroup1);
    splitButtons->addWidget(Button5);
    splitButtons->addWidget(Button7);
    splitButtons->addWidget(Button6);
    splitButtons->addStretch();
    auto *split = new QHBoxLayout;
    split->addLayout(splitButtons);
    split->addWidget(DBGrid1, 1);
    grid->addLayout(split, 5, 0, 1, 6);
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Запись"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Отмена"));
    editorLayout(group, Button1, Button2);
    fixSize();

    Connection *db = &DataModule6->ADO_DB;
    SmenaIU = new Command(db, QStringLiteral("SmenaIU"));
    ins_smena = new Dataset(db, QStringLiteral("ins_smena"), this);
    ins_person = new Command(db, QStringLiteral("ins_person"));
    person = new Dataset(db, QStringLiteral("person"), this);
    person->setSql(QStringLiteral("select pt.id as pt_id, pt.f_time, pt.f_time*pt.f_count as f_count,  p.* from "
                                  "accounts_dep.person p, accounts_dep.person_temp pt where p.id=pt.id_person and "
                                  "pt.id_smena =:s_id"));
    DBGrid1->setDataset(person);

    for (QObject *o : {static_cast<QObject *>(Edit1), static_cast<QObject *>(Edit2), static_cast<QObject *>(Edit3),
                       static_cast<QObject *>(Edit6)})
        o->installEventFilter(this);
    connect(Button3, &QPushButton::clicked, this, &TForm11::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm11::Button4Click);
    connect(Button1, &QPushButton::clicked, this, &TForm11::Button1Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm11::CheckBox1Click);
    connect(Button5, &QPushButton::clicked, this, &TForm11::Button5Click);
    connect(Button7, &QPushButton::clicked, this, &TForm11::Button7Click);
    connect(Button6, &QPushButton::clicked, this, &TForm11::Button6Click);
}

bool TForm11::IsPainting(const QString &operationText)
{
    return operationText.trimmed().toUpper().contains(QStringLiteral("КРАСКА"));
}

double TForm11::AssistRateOf(double factor, double price, double goodPieces, double rowHours)
{
    return RoundTo(factor * price * goodPieces / rowHours, 2);
}

bool TForm11::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Edit1 && Edit1->isEnabled() && Button3->isEnabled()) {
            Button3Click();
            return true;
        }
        if (watched == Edit2 && Edit2->isEnabled() && Button4->isEnabled()) {
            Button4Click();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && (watched == Edit3 || watched == Edit6))
        Edit6Exit();
    return TForm::eventFilter(watched, event);
}

void TForm11::setRowFieldsEnabled(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit2), static_cast<QWidget *>(Edit3),
                       static_cast<QWidget *>(Edit4), static_cast<QWidget *>(Edit6), static_cast<QWidget *>(Edit7),
                       static_cast<QWidget *>(Edit8), static_cast<QWidget *>(Edit9), static_cast<QWidget *>(DTimeP),
                       static_cast<QWidget *>(Button1), static_cast<QWidget *>(Button3)})
        w->setEnabled(on);
    // An assisting worker's row keeps its operation and colour.
    Button4->setEnabled(on && !isAssistRow_);
    Edit2->setEnabled(on && !isAssistRow_);
    const bool colour = on && !isAssistRow_ && IsPainting(Edit2->text());
    Edit5->setEnabled(colour);
    Label6->setEnabled(colour);
}

void TForm11::setSplitEnabled(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(RadioGroup1), static_cast<QWidget *>(Button5),
                       static_cast<QWidget *>(Button6), static_cast<QWidget *>(Button7),
                       static_cast<QWidget *>(DBGrid1)})
        w->setEnabled(on);
}

void TForm11::FormActivate()
{
    setRowFieldsEnabled(true);
    CheckBox1->setChecked(false);
    CheckBox1->setEnabled(false);
    setSplitEnabled(false);
    RadioGroup1->setItemIndex(0);
    Button3->setFocus();
}

void TForm11::FormClose()
{
    // An unfinished split list never outlives the editor.
    SmenaIU->setSql(QStringLiteral("DELETE FROM accounts_dep.person_temp WHERE id_smena=:id"));
    SmenaIU->setParam(QStringLiteral("id"), NewRowId);
    SmenaIU->execute();
    person->close();
    DataModule6->Oper->close();
    DataModule6->Oper->setFiltered(false);
}

void TForm11::PrepareNew(const QDate &day)
{
    DTimeP->setDate(day);
    for (QLineEdit *e : {Edit1, Edit2, Edit3, Edit5, Edit7, Edit8, Edit9})
        e->clear();
    Edit4->setText(QStringLiteral("0"));
    Edit6->setText(QStringLiteral("0"));
    person->close();
    isAssistRow_ = false;
    setWindowTitle(QStringLiteral("Заведение новой позиции (11)"));
    Tag = 1;
}

void TForm11::LoadRow(Dataset *row)
{
    Price = row->number(QStringLiteral("cena"));
    const double quantity = row->number(QStringLiteral("kol_vo"));
    Edit7->setText(FloatToStr(RoundTo(Price, 4)));
    Edit9->setText(FloatToStr(RoundTo(quantity * Price, 4)));
    Edit8->clear();
    DTimeP->setDate(row->value(QStringLiteral("data")).toDate());
    Edit1->setText(row->text(QStringLiteral("fio")));
    Edit2->setText(OperationText(row->text(QStringLiteral("marka")), row->text(QStringLiteral("vid")),
                                 row->intValue(QStringLiteral("naimen"))));
    Edit3->setText(FloatToStr(quantity));
    Edit4->setText(row->text(QStringLiteral("brak")));
    WorkerId = row->intValue(QStringLiteral("w_id"));
    ProductId = row->intValue(QStringLiteral("i_id"));
    OperId = row->intValue(QStringLiteral("o_id"));
    ProductKind = row->intValue(QStringLiteral("naimen"));
    Edit6->setText(row->text(QStringLiteral("time")));
    isAssistRow_ = OperId == kAssistOperation;
    if (IsPainting(row->text(QStringLiteral("vid"))) || isAssistRow_)
        Edit5->setText(row->text(QStringLiteral("color")));
    else
        Edit5->clear();
}

void TForm11::Button3Click()
{
    Form5->PrepareChooser(1, true);
    Form5->HandOver = [this] {
        Edit1->setText(DataModule6->Workers->text(QStringLiteral("fio")).trimmed());
        WorkerId = DataModule6->Workers->intValue(QStringLiteral("id"));
        return true;
    };
    DataModule6->Workers->open();
    Form5->ShowModal();
    DataModule6->Workers->close();
}

void TForm11::Button4Click()
{
    Dataset *oper = DataModule6->Oper;
    oper->open();
    if (Tag == 1)
        oper->first();
    else if (ShiftRegister->CurQuery)
        oper->locate(QStringLiteral("id"), ShiftRegister->CurQuery->value(QStringLiteral("o_id")));
    Form4->PrepareChooser(1);
    Form4->HandOver = [this, oper] {
        ProductId = oper->intValue(QStringLiteral("i_id"));
        OperId = oper->intValue(QStringLiteral("id"));
        ProductKind = oper->intValue(QStringLiteral("naimen"));
        Price = OperationPrice(oper->number(QStringLiteral("cena")), ShiftRegister->CBox1->isChecked(),
                               ShiftRegister->CurShift);
        Edit2->setText(OperationText(oper->text(QStringLiteral("marka")), oper->text(QStringLiteral("vid")), ProductKind));
        return true;
    };
    Form4->ShowModal();
    Form4->RestoreAfterChooser();
    const bool painting = IsPainting(Edit2->text());
    if (!painting)
        Edit5->clear();
    Edit5->setEnabled(painting);
    Label6->setEnabled(painting);
    Edit6Exit();
}

void TForm11::Edit6Exit()
{
    if (Edit6->text().isEmpty())
        Edit6->setText(QStringLiteral("0"));
    if (Edit3->text().isEmpty())
        Edit3->setText(QStringLiteral("0"));
    Edit7->setText(FloatToStr(RoundTo(Price, 4)));
    Dataset *oper = DataModule6->Oper;
    Edit8->setText(FloatToStr(RoundTo(oper->active() ? oper->number(QStringLiteral("cena")) : 0, 4)));
    double quantity = 0;
    parseNumber(Edit3->text(), &quantity);
    Edit9->setText(FloatToStr(RoundTo(quantity * Price, 4)));
}

void TForm11::refreshRegisterList()
{
    Dataset *list = ShiftRegister->CurQuery;
    if (list)
        list->reopen(list->recNo());
}

void TForm11::Button1Click()
{
    const QString quantity = Edit3->text().trimmed();
    const QString defects = Edit4->text().trimmed();
    const QString hours = Edit6->text().trimmed();
    const QString colour = Edit5->text().trimmed();
    const bool painting = IsPainting(Edit2->text()) && !isAssistRow_;
    if (Edit1->text().trimmed().isEmpty() || Edit2->text().trimmed().isEmpty() || quantity.isEmpty() ||
        defects.isEmpty() || hours.isEmpty() || quantity.toLongLong() <= 0 || hours.toInt() <= 0 ||
        (painting && colour.isEmpty())) {
        Messages::error(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    // More defects than pieces would pay a negative amount.
    if (defects.toLongLong() > quantity.toLongLong()) {
        Messages::error(QStringLiteral("Брак не может быть больше количества!"));
        return;
    }
    OkMark = QStringLiteral("no");
    ColorCode = colour.isEmpty() ? 0 : colour.toInt();
    const int shift = ShiftRegister->CurShift;
    Dataset *list = ShiftRegister->DataSource(shift);
    ShiftRegister->CurQuery = list;
    const QDate day = DTimeP->date();
    const bool adding = Tag != 2;
    const int rowId = adding ? 0 : list->intValue(QStringLiteral("id"));
    const int oldWorker = adding ? WorkerId : list->intValue(QStringLiteral("w_id"));
    const QDate oldDay = adding ? day : list->value(QStringLiteral("data")).toDate();
    const TDataModule6::Binds values{
        {QStringLiteral("w_id"), WorkerId},          {QStringLiteral("i_id"), ProductId},
        {QStringLiteral("o_id"), OperId},            {QStringLiteral("cena"), RoundTo(Price, 4)},
        {QStringLiteral("kol_vo"), quantity.toLongLong()}, {QStringLiteral("brak"), defects.toInt()},
        {QStringLiteral("data"), day},               {QStringLiteral("smena"), shift},
        {QStringLiteral("color"), ColorCode},        {QStringLiteral("time"), hours.toInt()},
        {QStringLiteral("vvod"), QDate::currentDate()}, {QStringLiteral("ok"), OkMark}};

    bool duplicate = false;
    {
        Transaction tx(&DataModule6->ADO_DB);
        lockDays({{WorkerId, shift, day}, {oldWorker, shift, oldDay}});
        TDataModule6::Binds key{{QStringLiteral("w_id"), WorkerId}, {QStringLiteral("o_id"), OperId},
                                {QStringLiteral("i_id"), ProductId}, {QStringLiteral("data"), day},
                                {QStringLiteral("smena"), shift},    {QStringLiteral("color"), ColorCode}};
        if (!adding)
            key << qMakePair(QStringLiteral("id"), QVariant(rowId));
        duplicate = DataModule6->ControlValue(
                        QStringLiteral("select count(id) as cnt from accounts_dep.SMENA where w_id=:w_id and o_id=:o_id and "
                                       "i_id=:i_id and data=:data and smena=:smena") +
                            (adding ? QString() : QStringLiteral(" and id<>:id")) + QStringLiteral(" and color=:color"),
                        QStringLiteral("cnt"), key)
                        .toInt() > 0;
        if (!duplicate) {
            if (adding) {
                ins_smena->close();
                ins_smena->setSql(QStringLiteral(
                    "insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod,ok, "
                    "prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(:w_id, :i_id, :o_id, :cena, "
                    ":kol_vo, :brak, :data, :smena, :color, :time, :vvod, :ok, 0, 0, 0, 0, 0, 0) returning id as cur_id"));
                for (const auto &v : values)
                    ins_smena->setParam(v.first, v.second);
                ins_smena->open();
                NewRowId = ins_smena->intValue(QStringLiteral("cur_id"));
                ins_smena->close();
            } else {
                SmenaIU->setSql(QStringLiteral(
                    "update accounts_dep.SMENA set w_id=:w_id, i_id=:i_id, o_id=:o_id, cena=:cena, kol_vo=:kol_vo, "
                    "brak=:brak, data=:data, smena=:smena, color=:color, time=:time, vvod=:vvod, prize=0, id_doc=0, "
                    "id_doc_item=0, f_gds_qty_use=0, id_gds_use=0, id_cons_use=0 where id=:id"));
                for (const auto &v : values)
                    if (v.first != QLatin1String("ok"))
                        SmenaIU->setParam(v.first, v.second);
                SmenaIU->setParam(QStringLiteral("id"), rowId);
                SmenaIU->execute();
                NewRowId = rowId;
            }
            DataModule6->SetShiftDayHours(WorkerId, shift, day);
            if (oldWorker != WorkerId || oldDay != day)
                DataModule6->SetShiftDayHours(oldWorker, shift, oldDay);
            tx.commit();
        }
    }
    if (duplicate) {
        Messages::error(QStringLiteral("Позиция с такими параметрами уже заведена!"));
        return;
    }
    refreshRegisterList();
    for (Dataset *sheet : {DataModule6->H_Tabel_1, DataModule6->H_Tabel_2, DataModule6->H_Tabel_3})
        sheet->close();
    setRowFieldsEnabled(false);
    person->close();
    person->setParam(QStringLiteral("s_id"), NewRowId);
    person->open();
    DBGrid1->setEnabled(true);
    CheckBox1->setEnabled(true);
}

void TForm11::CheckBox1Click()
{
    setSplitEnabled(CheckBox1->isChecked());
}

void TForm11::Button5Click()
{
    Form5->PrepareChooser(11, false);
    Form5->HandOver = [this] {
        Dataset *workers = DataModule6->Workers;
        Form132->Label1->setText(workers->text(QStringLiteral("fio")));
        Form132->Edit1->clear();
        double value = 0;
        if (Form132->ShowModal() != 1 || !parseNumber(Form132->Edit1->text(), &value))
            return false;
        AssistId = workers->intValue(QStringLiteral("id"));
        AssistHours = value;
        return true;
    };
    DataModule6->Workers->open();
    Form5->ShowModal();
    DataModule6->Workers->close();
    if (Form5->Chosen != 1)
        return;
    const double factor = RadioGroup1->itemIndex() == 0 ? 0.7 : 1.2;
    double quantity = 0, defects = 0, rowHours = 0;
    parseNumber(DataModule6->DbDecimal(Edit3->text().trimmed()), &quantity);
    parseNumber(DataModule6->DbDecimal(Edit4->text().trimmed()), &defects);
    parseNumber(DataModule6->DbDecimal(Edit6->text().trimmed()), &rowHours);
    AssistRate = AssistRateOf(factor, Price, quantity - defects, rowHours);
    person->close();
    ins_person->setSql(QStringLiteral("insert into accounts_dep.person_temp(id_smena, id_person, f_count, f_time) "
                                      "values(:id_smena, :id_person, :f_count, :f_time)"));
    ins_person->setParam(QStringLiteral("id_smena"), NewRowId);
    ins_person->setParam(QStringLiteral("id_person"), AssistId);
    ins_person->setParam(QStringLiteral("f_count"), AssistRate);
    ins_person->setParam(QStringLiteral("f_time"), AssistHours);
    try {
        ins_person->execute();
    } catch (const std::exception &) {
        Messages::error(QStringLiteral("Невозможно сохранить данные в БД!"));
    }
    person->open();
}

void TForm11::Button7Click()
{
    if (person->isEmpty())
        return;
    if (!Messages::question(QStringLiteral("Удалить позицию из списка?")))
        return;
    SmenaIU->setSql(QStringLiteral("DELETE FROM accounts_dep.person_temp WHERE id=:id"));
    SmenaIU->setParam(QStringLiteral("id"), person->intValue(QStringLiteral("pt_id")));
    SmenaIU->execute();
    person->reopen(person->recNo());
}

void TForm11::Button6Click()
{
    const int shift = ShiftRegister->CurShift;
    const QDate day = DTimeP->date();
    {
        Transaction tx(&DataModule6->ADO_DB);
        QList<std::tuple<int, int, QDate>> keys;
        for (person->first(); !person->eof(); person->next())
            keys << std::make_tuple(person->intValue(QStringLiteral("id")), shift, day);
        lockDays(keys);
        for (person->first(); !person->eof(); person->next()) {
            const int assistant = person->intValue(QStringLiteral("id"));
            SmenaIU->setSql(QStringLiteral(
                "insert into accounts_dep.SMENA(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod,ok, "
                "prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use) values(:w_id, :i_id, 7779, :cena,1,0, "
                ":data, :smena, :color, :time, :vvod, 'no', 0, 0, 0, 0, 0, 0)"));
            SmenaIU->setParam(QStringLiteral("w_id"), assistant);
            SmenaIU->setParam(QStringLiteral("i_id"), ProductId);
            SmenaIU->setParam(QStringLiteral("cena"), person->number(QStringLiteral("f_count")));
            SmenaIU->setParam(QStringLiteral("data"), day);
            SmenaIU->setParam(QStringLiteral("smena"), shift);
            SmenaIU->setParam(QStringLiteral("color"), ColorCode);
            SmenaIU->setParam(QStringLiteral("time"), qRound(person->number(QStringLiteral("f_time"))));
            SmenaIU->setParam(QStringLiteral("vvod"), QDate::currentDate());
            SmenaIU->execute();
            SmenaIU->setSql(QStringLiteral("DELETE FROM accounts_dep.person_temp WHERE id=:id"));
            SmenaIU->setParam(QStringLiteral("id"), person->intValue(QStringLiteral("pt_id")));
            SmenaIU->execute();
            DataModule6->SetShiftDayHours(assistant, shift, day);
        }
        tx.commit();
    }
    setRowFieldsEnabled(true);
    person->close();
    DBGrid1->setEnabled(false);
    CheckBox1->setEnabled(false);
    setSplitEnabled(false);
    refreshRegisterList();
    ModalClose(2);
}

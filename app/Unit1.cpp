#include "Unit1.h"
#include "Unit11.h"

#include "Application.h"
#include "DataGrid.h"
#include "DatePicker.h"
#include "Messages.h"
#include "Startup.h"
#include "Unit23.h"
#include "Unit26.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit8.h"
#include "Unit6.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TForm1 *Form1 = nullptr;

namespace {
QAction *item(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu *submenu(QWidget *owner, QMenu *parent, QMenuBar *bar, const char *name, const QString &caption,
               QAction **action)
{
    auto *menu = new QMenu(caption, owner);
    menu->setObjectName(QString::fromLatin1(name) + QStringLiteral("Menu"));
    *action = parent ? parent->addMenu(menu) : bar->addMenu(menu);
    (*action)->setObjectName(QString::fromLatin1(name));
    return menu;
}
} // namespace

TForm1::TForm1(const QStringList &args, const QString &compileDate, const QString &compileTime)
    : TShiftRegister(nullptr), compileDate_(compileDate), compileTime_(compileTime)
{
    Form1 = this;
    BuildMenu();

    Button4 = make<QPushButton>(this, "Button4", QStringLiteral("Выход"));
    BottomRow->addWidget(Button4);
    setCancelButton(Button4);
    connect(Button4, &QPushButton::clicked, this, [this] { ModalClose(2); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(30000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::CheckVersion);
    Timer1->start();

    fixSize();
    FormCreate(args);
}

TForm1::~TForm1()
{
    delete Form23;
    Form23 = nullptr;
    Form1 = nullptr;
    ShiftRegister = nullptr;
    DataModule6 = nullptr;
}

void TForm1::BuildMenu()
{
    MainMenu1 = make<QMenuBar>(this, "MainMenu1");
    MainLayout->setMenuBar(MainMenu1);

    QMenu *refs = submenu(this, nullptr, MainMenu1, "N2", QStringLiteral("Справочники"), &N2);
    N1 = item(refs, "N1", QStringLiteral("Рабочие"));
    N3 = item(refs, "N3", QStringLiteral("Изделия"));
    N4 = item(refs, "N4", QStringLiteral("Цены"));
    N6 = item(refs, "N6", QStringLiteral("Операции"));
    N8 = item(refs, "N8", QStringLiteral("Ном. группы"));

    QMenu *sheets = submenu(this, nullptr, MainMenu1, "N11", QStringLiteral("Табель"), &N11);
    N9 = item(sheets, "N9", QStringLiteral("Табель сделка"));
    N13 = item(sheets, "N13", QStringLiteral("Табель по сменам"));
    QMenu *works = submenu(this, sheets, nullptr, "N14", QStringLiteral("Табель хоз. работ"), &N14);
    N20 = item(works, "N20", QStringLiteral("По людям"));
    N22 = item(works, "N22", QStringLiteral("По номенклатуре"));
    QMenu *average = submenu(this, sheets, nullptr, "N15", QStringLiteral("Табель ср. сдельная"), &N15);
    N18 = item(average, "N18", QStringLiteral("По людям"));
    N19 = item(average, "N19", QStringLiteral("По номенклатуре"));
    N17 = item(sheets, "N17", QStringLiteral("Общий табель"));
    N23 = item(sheets, "N23", QStringLiteral("Общий табель ЗП"));

    QMenu *reports = submenu(this, nullptr, MainMenu1, "N7", QStringLiteral("Отчеты"), &N7);
    N10 = item(reports, "N10", QStringLiteral("Сводные отчеты"));

    N5 = MainMenu1->addAction(QStringLiteral("Выход"));
    N5->setObjectName(QStringLiteral("N5"));
    connect(N5, &QAction::triggered, this, [this] { ModalClose(2); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N21 = item(PopupMenu1, "N21", QStringLiteral("Копия"));
    Button1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Button1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(Button1->mapToGlobal(at)); });

    // Items whose screens the program does not have yet stay disabled.
    for (QAction *a : {N1, N3, N4, N6, N8, N9, N13, N20, N22, N18, N19, N17, N23, N10, N21})
        a->setEnabled(false);
}

void TForm1::EnableBuiltScreens()
{
    const QList<QPair<QAction *, void (TForm1::*)()>> items{
        {N1, &TForm1::N1Click}, {N3, &TForm1::N3Click}, {N4, &TForm1::N4Click}, {N6, &TForm1::N6Click}, {N8, &TForm1::N8Click}, {N21, &TForm1::N21Click}};
    for (const auto &i : items) {
        connect(i.first, &QAction::triggered, this, i.second, Qt::UniqueConnection);
        i.first->setEnabled(true);
    }
}

void TForm1::N1Click()
{
    Form5->ShowAsReference();
}

void TForm1::N3Click()
{
    Form3->ShowAsReference();
}

void TForm1::N4Click()
{
    Form4->ShowAsReference();
}

void TForm1::N6Click()
{
    DataModule6->Vid_oper->setFiltered(false);
    Form8->ShowAsReference();
}

void TForm1::N8Click()
{
    Form26->PrepareReference();
    Form26->item->reopen();
    Form26->ShowModal();
    Form26->item->close();
}

void TForm1::N21Click()
{
    Form11->Tag = 3;
    Button2Click();
    Form11->Tag = 0;
}

void TForm1::FormCreate(const QStringList &args)
{
    DataModule6 = new TDataModule6(this);
    BindDataSources();
    ver = new Dataset(&DataModule6->ADO_DB, QStringLiteral("ver"), this);
    // The table has no key; the row's physical address identifies it for the update.
    ver->setSql(QStringLiteral("select ctid::text as ctid, d, t, delim from accounts_dep.ver"));
    ver->setUpdateTable(QStringLiteral("accounts_dep.ver"), QStringLiteral("ctid"));
    try {
        DataModule6->ADO_DB.close();
        DataModule6->ADO_DB.setConnectionString(ConnectionStringFromArgs(args));
        DataModule6->ADO_DB.open();
        Connected = true;
        Form23 = new TForm23();
        Form23->show();
    } catch (const std::exception &) {
        Connected = false;
        Messages::error(QStringLiteral("Подключение к БД отсутсвует!!!"), QStringLiteral("Ошибка!"));
        Application::terminate();
    }
}

void TForm1::SetCompileStamp(const QString &compileDate, const QString &compileTime)
{
    compileDate_ = compileDate;
    compileTime_ = compileTime;
}

void TForm1::CheckVersion()
{
    // The timer keeps firing while a message of this check waits for an answer.
    static bool running = false;
    if (running)
        return;
    running = true;
    struct Reset {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{running};

    const BuildStamp stamp = ParseBuildStamp(compileDate_, compileTime_);
    BuildDate = stamp.date;
    BuildTime = stamp.time;
    ver->close();
    ver->open();
    ver->first();
    DataModule6->DbDelim = ver->text(QStringLiteral("delim"));
    const int d = ver->intValue(QStringLiteral("d"));
    const int t = ver->intValue(QStringLiteral("t"));
    if (d < BuildDate || (d == BuildDate && t < BuildTime)) {
        ver->edit();
        ver->setValue(QStringLiteral("d"), BuildDate);
        ver->setValue(QStringLiteral("t"), BuildTime);
        ver->post();
    }
    const int dNow = ver->intValue(QStringLiteral("d"));
    const int tNow = ver->intValue(QStringLiteral("t"));
    if (dNow > BuildDate || (dNow == BuildDate && BuildTime < tNow)) {
        ver->close();
        if (Form23)
            Form23->Timer1->start();
        Messages::error(QStringLiteral("Версия программы не соответсвует БД! Запустите программу через 5 мин."));
        Application::terminate();
        return;
    }
    ver->close();
}

void TForm1::FormActivate()
{
    DateT->setDate(QDate::currentDate());
    if (IsWeekend(DateT->date()))
        CBox1->setChecked(true);
    ReloadShiftLists();
}

#include "Unit23.h"

#include "Application.h"
#include "Messages.h"
#include "Unit1.h"
#include "Unit6.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TForm23 *Form23 = nullptr;

namespace {
void disableByName(QWidget *owner, const QStringList &names)
{
    if (!owner)
        return;
    for (const QString &name : names) {
        if (auto *w = owner->findChild<QWidget *>(name))
            w->setEnabled(false);
        else if (auto *a = owner->findChild<QAction *>(name))
            a->setEnabled(false);
    }
}
} // namespace

TForm23::TForm23() : TForm(nullptr, QStringLiteral("Form23"))
{
    setWindowTitle(QStringLiteral("Авторизация"));
    Edit1 = make<QLineEdit>(this, "Edit1");
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setMinimumWidth(220);
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Вход"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Отмена"));
    Button1->setDefault(true);
    setCancelButton(Button2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);
    fixSize();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, &TForm23::Timer1Timer);

    connect(Button1, &QPushButton::clicked, this, &TForm23::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm23::Button2Click);
}

void TForm23::FormActivate()
{
    Form1->CheckVersion();
    setWindowTitle(QStringLiteral("Авторизация (build: %1.%2)").arg(Form1->BuildDate).arg(Form1->BuildTime));
    Edit1->setFocus();
}

void TForm23::Timer1Timer()
{
    Application::terminate();
}

void TForm23::Button2Click()
{
    close();
}

void TForm23::ApplyMode(AccessMode mode)
{
    Form1->N11->setEnabled(mode == AccessMode::Full);
    const ModeRestrictions r = RestrictionsOf(mode);
    disableByName(Form1, r.mainWindow);
    disableByName(ReportsScreen, r.reports);
    if (r.finishedProductsOnly && ReportsScreen) {
        if (auto *group = ReportsScreen->findChild<QWidget *>(QStringLiteral("RadioGroup1"))) {
            group->setProperty("itemIndex", 1);
            group->setEnabled(false);
        }
    }
}

void TForm23::Button1Click()
{
    const AccessMode mode = ModeOfWord(Edit1->text());
    if (mode == AccessMode::Refused) {
        Messages::error(QStringLiteral("Введены неверные данные."));
        return;
    }
    Form1->CurShift = 1;
    Form1->UserRole = Edit1->text().trimmed();
    ApplyMode(mode);
    for (int shift = 1; shift <= 4; ++shift)
        DataModule6->ShiftList(shift)->setParam(QStringLiteral("OK"), QStringLiteral("ta"));
    hide();
    Form1->ShowModal();
    close();
}

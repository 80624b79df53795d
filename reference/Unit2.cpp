#include "Unit2.h"

#include "Command.h"
#include "Dataset.h"
#include "Lookup.h"
#include "Messages.h"
#include "Unit6.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *parent) : TForm(parent, QStringLiteral("Form2"))
{
    Form2 = this;
    setWindowTitle(QStringLiteral("Работники"));
    auto *group = boldFrame(this, "GroupBox1", QStringLiteral("Данные о работнике"));
    Edit1 = make<QLineEdit>(group, "Edit1");
    Edit1->setMaxLength(254);
    LCB_department = new LookupBox(group, QStringLiteral("LCB_department"));
    LCB_staffpos = new LookupBox(group, QStringLiteral("LCB_staffpos"));
    LCB_roles = new LookupBox(group, QStringLiteral("LCB_roles"));
    auto *fields = new QFormLayout(group);
    fields->addRow(QStringLiteral("ФИО"), Edit1);
    fields->addRow(QStringLiteral("Подразделение"), LCB_department);
    fields->addRow(QStringLiteral("Должность"), LCB_staffpos);
    fields->addRow(QStringLiteral("Роль"), LCB_roles);

    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Записать"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Отмена"));
    editorLayout(group, Button1, Button2);
    fixSize(418, 192);

    Connection *db = &DataModule6->ADO_DB;
    department = new Dataset(db, QStringLiteral("department"), this);
    department->setTable(QStringLiteral("cmn_department.department"), QStringLiteral("s_caption"));
    staffpos = new Dataset(db, QStringLiteral("staffpos"), this);
    staffpos->setTable(QStringLiteral("hrms_staffpos.staffpos"), QStringLiteral("s_caption"));
    roles = new Dataset(db, QStringLiteral("roles"), this);
    roles->setTable(QStringLiteral("adm_role.roles"), QStringLiteral("s_caption"));
    LCB_department->setSource(department, QStringLiteral("s_caption"));
    LCB_staffpos->setSource(staffpos, QStringLiteral("s_caption"));
    LCB_roles->setSource(roles, QStringLiteral("s_caption"));
    cmd_person = new Command(db, QStringLiteral("cmd_person"));

    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::ReloadLookups()
{
    for (const auto &pair : {qMakePair(staffpos, LCB_staffpos), qMakePair(roles, LCB_roles),
                             qMakePair(department, LCB_department)}) {
        pair.first->reopen();
        pair.second->reload();
    }
}

void TForm2::FormActivate()
{
    Edit1->setFocus();
}

void TForm2::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y() < 0 ? 1 : -1;
    for (LookupBox *box : {LCB_roles, LCB_staffpos, LCB_department})
        if (box->hasFocus())
            box->step(delta);
    TForm::wheelEvent(event);
}

void TForm2::Button1Click()
{
    const QString name = Edit1->text().trimmed();
    if (name.isEmpty()) {
        Messages::error(QStringLiteral("ФИО нужно заполнить!"));
        return;
    }
    // The department's caption is what the list shows as the worker's position.
    const QString dept = LCB_department->currentIndex() >= 0 ? LCB_department->currentText() : QString();
    if (Tag == 1) {
        cmd_person->setSql(QStringLiteral("INSERT INTO accounts_dep.person (fio, s_staffpos_hl)VALUES(:fio, :dept)"));
    } else {
        cmd_person->setSql(QStringLiteral("UPDATE accounts_dep.person SET fio=:fio, s_staffpos_hl=:dept where "
                                          "accounts_dep.person.id=:id"));
        cmd_person->setParam(QStringLiteral("id"), EditedId);
    }
    cmd_person->setParam(QStringLiteral("fio"), name);
    cmd_person->setParam(QStringLiteral("dept"), dept);
    cmd_person->execute();
    ModalClose(2);
}

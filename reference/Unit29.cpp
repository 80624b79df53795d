#include "Unit29.h"

#include "Command.h"
#include "Dataset.h"
#include "Unit26.h"
#include "Unit6.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm29 *Form29 = nullptr;

TForm29::TForm29(QWidget *parent) : TForm(parent, QStringLiteral("Form29"))
{
    Form29 = this;
    setWindowTitle(QStringLiteral("Ведение групп (29)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto *group = boldFrame(this, "GroupBox1", QStringLiteral("Номенклатурная группа"));
    Edit1 = make<QLineEdit>(group, "Edit1");
    Edit1->setMaxLength(254);
    CheckBox1 = make<QCheckBox>(group, "CheckBox1", QStringLiteral("Не используется"));
    auto *fields = new QFormLayout(group);
    fields->addRow(QStringLiteral("Наименование"), Edit1);
    fields->addRow(QString(), CheckBox1);
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Записать"));
    Button6 = make<QPushButton>(this, "Button6", QStringLiteral("Выход"));
    editorLayout(group, Button1, Button6);
    fixSize(504, 143);

    connect(Button1, &QPushButton::clicked, this, &TForm29::Button1Click);
}

void TForm29::Button1Click()
{
    Command *cmd = DataModule6->SQL_exec;
    if (Tag == 1) {
        cmd->setSql(QStringLiteral("INSERT INTO cmn_classifier.item(s_caption, b_excluded) VALUES(:name, :flag)"));
    } else {
        cmd->setSql(QStringLiteral("UPDATE cmn_classifier.item SET s_caption=:name, b_excluded=:flag where id=:id"));
        cmd->setParam(QStringLiteral("id"), Form26->item->intValue(QStringLiteral("id")));
    }
    cmd->setParam(QStringLiteral("name"), Edit1->text().trimmed());
    cmd->setParam(QStringLiteral("flag"), CheckBox1->isChecked() ? 1 : 0);
    cmd->execute();
    Form26->item->reopen(Form26->item->recNo());
    ModalClose(2);
}

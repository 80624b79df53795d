#include "Unit7.h"

#include "Command.h"
#include "Dataset.h"
#include "Lookup.h"
#include "Messages.h"
#include "Unit6.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TForm7 *Form7 = nullptr;

TForm7::TForm7(QWidget *parent) : TForm(parent, QStringLiteral("Form7"))
{
    Form7 = this;
    auto *group = boldFrame(this, "GroupBox1", QStringLiteral("Данные об изделии"));
    Edit1 = make<QLineEdit>(group, "Edit1");
    Edit1->setMaxLength(254);
    Edit2 = make<QLineEdit>(group, "Edit2");
    Edit2->setFixedWidth(80);
    Edit2->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.,]*")), Edit2));
    Edit2->installEventFilter(this);
    cb_item = new LookupBox(group, QStringLiteral("cb_item"));
    auto *fields = new QFormLayout(group);
    fields->addRow(QStringLiteral("Марка"), Edit1);
    auto *second = new QHBoxLayout;
    second->addWidget(Edit2);
    second->addWidget(cb_item, 1);
    fields->addRow(QStringLiteral("Расценка"), second);
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Записать"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Отмена"));
    editorLayout(group, Button1, Button2);
    fixSize(460, 131);

    // Only the groups in use are offered.
    item = new Dataset(&DataModule6->ADO_DB, QStringLiteral("item"), this);
    item->setTable(QStringLiteral("cmn_classifier.item"), QStringLiteral("s_caption"));
    item->setFilter([](const Dataset &ds, int row) {
        return ds.rowValue(row, QStringLiteral("id_level")).toInt() == 2 &&
               ds.rowValue(row, QStringLiteral("b_excluded")).toInt() == 0;
    });
    item->setFiltered(true);
    cb_item->setSource(item, QStringLiteral("s_caption"));

    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
}

void TForm7::FormActivate()
{
    Edit1->setFocus();
}

bool TForm7::eventFilter(QObject *watched, QEvent *event)
{
    // "Расценка": a typed comma or point becomes a point; other characters are dropped.
    if (watched == Edit2 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        if (text == QLatin1String(",") || text == QLatin1String(".")) {
            Edit2->insert(QStringLiteral("."));
            return true;
        }
        if (text.size() == 1 && text.at(0).isPrint() && !text.at(0).isDigit())
            return true;
    }
    return TForm::eventFilter(watched, event);
}

QString TForm7::NormalisedNumber(const QString &typed)
{
    QString t = typed.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression number(QStringLiteral("^(\\d+(\\.\\d*)?|\\.\\d+)$"));
    return number.match(t).hasMatch() ? t : QString();
}

void TForm7::Button1Click()
{
    const QString mark = Edit1->text().trimmed();
    const QString massa = NormalisedNumber(Edit2->text());
    const QVariant group = cb_item->keyValue();
    if (mark.isEmpty() || massa.isEmpty() || !group.isValid() || group.toInt() == 0) {
        Messages::error(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    const bool adding = Tag == 1;
    const int current = DataModule6->Izdel->intValue(QStringLiteral("id"));
    TDataModule6::Binds binds;
    if (!adding)
        binds << qMakePair(QStringLiteral("id"), QVariant(current));
    if (DataModule6->IsDuplicateName(adding ? QStringLiteral("select marka from accounts_dep.izdel")
                                            : QStringLiteral("select marka from accounts_dep.izdel where id<>:id"),
                                     QStringLiteral("marka"), mark, QStringLiteral("Такая марка изделия уже заведена!"),
                                     binds))
        return;
    Command *cmd = DataModule6->SQL_exec;
    if (adding) {
        cmd->setSql(QStringLiteral("INSERT INTO cmn_gds_and_srv.gds_and_srv(s_caption, s_description, id_msm_bs, massa, "
                                   "id_class_item)VALUES(:mark, '', 6, :massa::numeric, :grp)"));
    } else {
        cmd->setSql(QStringLiteral("UPDATE cmn_gds_and_srv.gds_and_srv SET s_caption=:mark, s_description='', "
                                   "id_msm_bs=6, massa=:massa::numeric, id_class_item=:grp where id=:id"));
        cmd->setParam(QStringLiteral("id"), current);
    }
    cmd->setParam(QStringLiteral("mark"), mark);
    cmd->setParam(QStringLiteral("massa"), massa);
    cmd->setParam(QStringLiteral("grp"), group.toInt());
    cmd->execute();
    DataModule6->Izdel->reopen(DataModule6->Izdel->recNo());
    ModalClose(2);
}

#include "ListForm.h"

#include "DataGrid.h"
#include "Dataset.h"
#include "Lookup.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

bool IsReservedId(int id)
{
    return id == 7777 || id == 7778;
}

TListForm::TListForm(QWidget *parent, const QString &name, const QString &caption, Dataset *dataset,
                     const QString &filterField, Match match, bool caretKeysToo)
    : TForm(parent, name), dataset_(dataset), filterField_(filterField), match_(match)
{
    setWindowTitle(caption);
    DBGrid1 = new DataGrid(this, QStringLiteral("DBGrid1"));
    DBGrid1->setDataset(dataset);
    Edit1 = make<QLineEdit>(this, "Edit1");
    Button1 = make<QPushButton>(this, "Button1", QStringLiteral("Добавить"));
    Button2 = make<QPushButton>(this, "Button2", QStringLiteral("Изменить"));
    Button3 = make<QPushButton>(this, "Button3", QStringLiteral("Удалить"));
    Button4 = make<QPushButton>(this, "Button4", QStringLiteral("Выход"));
    Button1->setDefault(true);
    setCancelButton(Button4);

    new FilterBoxKeys(Edit1, dataset, caretKeysToo);
    connect(Edit1, &QLineEdit::textChanged, this, &TListForm::Edit1Change);
    connect(DBGrid1, &DataGrid::dblClick, this, [this] { DBGrid1DblClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { ModalClose(2); });
}

QHBoxLayout *TListForm::buttonPanel(const QList<QWidget *> &left)
{
    auto *panel = new QHBoxLayout;
    for (QWidget *w : left)
        panel->addWidget(w);
    panel->addStretch();
    panel->addWidget(Button4);
    return panel;
}

void TListForm::PrepareReference()
{
    Tag = 0;
    HandOver = nullptr;
    Button2->setText(QStringLiteral("Изменить"));
    Button1->setDefault(true);
    Button1->setVisible(true);
    Button3->setVisible(true);
}

void TListForm::ShowAsReference()
{
    PrepareReference();
    dataset_->open();
    ShowModal();
    dataset_->close();
}

void TListForm::PrepareChooser(int tag, bool hideAdd)
{
    Tag = tag;
    Button2->setText(QStringLiteral("Выбрать"));
    Button2->setVisible(true);
    Button2->setDefault(true);
    Button3->setVisible(false);
    if (hideAdd)
        Button1->setVisible(false);
    Edit1->setVisible(true);
    Edit1->clear();
}

void TListForm::RestoreAfterChooser()
{
    Button2->setDefault(false);
    Edit1->setVisible(false);
}

void TListForm::FormActivate()
{
    if (Edit1->isVisible())
        Edit1->setFocus();
}

void TListForm::Edit1Change()
{
    if (match_ == Match::Anywhere) {
        // Blanks alone show everything.
        setTextFilter(dataset_, filterField_, Edit1->text().trimmed().isEmpty() ? QString() : Edit1->text(), true);
    } else {
        setTextFilter(dataset_, filterField_, Edit1->text());
    }
}

bool TListForm::NothingToActOn() const
{
    return dataset_->isEmpty() || IsReservedId(dataset_->intValue(QStringLiteral("id")));
}

bool TListForm::HandOverAndClose()
{
    const bool done = !HandOver || HandOver();
    if (done)
        ModalClose(2);
    return done;
}

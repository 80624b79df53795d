#include "Form.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>

TForm::TForm(QWidget *parent, const QString &name) : QDialog(parent)
{
    setObjectName(name);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

int TForm::ShowModal()
{
    return exec();
}

void TForm::done(int r)
{
    // A failing close handler (a lost connection) must not keep the screen open.
    try {
        FormClose();
    } catch (...) {
        QDialog::done(r);
        throw;
    }
    QDialog::done(r);
}

void TForm::reject()
{
    done(2);
}

void TForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton_ && cancelButton_->isVisible() && cancelButton_->isEnabled())
            cancelButton_->click();
        else if (!cancelButton_)
            done(2);
        return;
    }
    QDialog::keyPressEvent(event);
}

QHBoxLayout *TForm::okCancelRow(QPushButton *ok, QPushButton *cancel)
{
    ok->setDefault(true);
    setCancelButton(cancel);
    connect(cancel, &QPushButton::clicked, this, [this] { done(2); });
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

void TForm::editorLayout(QGroupBox *frame, QPushButton *ok, QPushButton *cancel)
{
    plainContents(frame);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(okCancelRow(ok, cancel));
}

void TForm::fixSize(int width, int height)
{
    if (width > 0 && height > 0) {
        setFixedSize(width, height);
    } else if (layout()) {
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

void digitsOnly(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

void markState(QWidget *widget, const QColor &background, bool bold)
{
    QPalette pal = widget->palette();
    const QPalette::ColorRole role = widget->backgroundRole();
    pal.setColor(role, background.isValid() ? background : QApplication::palette(widget).color(role));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
    QFont f = widget->font();
    f.setBold(bold);
    widget->setFont(f);
}

QGroupBox *boldFrame(QWidget *parent, const char *name, const QString &title)
{
    auto *frame = make<QGroupBox>(parent, name, title);
    QFont f = frame->font();
    f.setBold(true);
    frame->setFont(f);
    return frame;
}

void plainContents(QGroupBox *frame)
{
    for (QWidget *w : frame->findChildren<QWidget *>()) {
        QFont f = w->font();
        f.setBold(false);
        w->setFont(f);
    }
}

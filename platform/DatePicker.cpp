#include "DatePicker.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QTimer>

DatePicker::DatePicker(QWidget *parent, const QString &name) : QDateEdit(parent)
{
    setObjectName(name);
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setDate(QDate::currentDate());
    QCalendarWidget *calendar = calendarWidget();
    calendar->setFirstDayOfWeek(Qt::Monday);
    // The edit takes the chosen date in its own handler; report after it has.
    auto later = [this] { QTimer::singleShot(0, this, &DatePicker::closeUp); };
    connect(calendar, &QCalendarWidget::clicked, this, later);
    connect(calendar, &QCalendarWidget::activated, this, later);
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        interpretText();
        emit returnPressed();
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

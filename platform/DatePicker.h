#pragma once

#include <QDateEdit>

// A date edit with a drop-down calendar that tells apart a date chosen in the
// calendar (closeUp) and Enter pressed in the box (returnPressed) from a date
// merely typed, which the screens do not act on.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    DatePicker(QWidget *parent, const QString &name);

signals:
    void closeUp();
    void returnPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Shows the hourglass while a command runs, whatever way it ends.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

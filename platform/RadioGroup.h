#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

// A framed set of radio buttons chosen by index (-1: none).
class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY itemIndexChanged)
public:
    RadioGroup(QWidget *parent, const QString &name, const QString &title, const QStringList &items);

    int itemIndex() const;
    void setItemIndex(int index);

signals:
    void itemIndexChanged(int index);

private:
    QButtonGroup *group_;
    QList<QRadioButton *> items_;
};

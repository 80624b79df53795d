#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(QWidget *parent, const QString &name, const QString &title, const QStringList &items)
    : QGroupBox(title, parent), group_(new QButtonGroup(this))
{
    setObjectName(name);
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto *rb = new QRadioButton(items[i], this);
        rb->setObjectName(name + QStringLiteral("_%1").arg(i));
        group_->addButton(rb, i);
        layout->addWidget(rb);
        items_ << rb;
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            emit itemIndexChanged(id);
    });
}

int RadioGroup::itemIndex() const
{
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QRadioButton *rb = items_.value(index))
        rb->setChecked(true);
}

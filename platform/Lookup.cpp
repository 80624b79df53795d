#include "Lookup.h"

#include "Dataset.h"

#include <QKeyEvent>
#include <QLineEdit>

LookupBox::LookupBox(QWidget *parent, const QString &name) : QComboBox(parent)
{
    setObjectName(name);
    setMaxVisibleItems(10);
    setEditable(false);
}

void LookupBox::setSource(Dataset *dataset, const QString &displayField, const QString &keyField)
{
    dataset_ = dataset;
    display_ = displayField;
    key_ = keyField;
}

void LookupBox::reload()
{
    const QVariant chosen = keyValue();
    blockSignals(true);
    clear();
    if (dataset_ && dataset_->active()) {
        const int d = dataset_->fieldIndex(display_);
        const int k = dataset_->fieldIndex(key_);
        for (int r = 0; r < dataset_->recordCount(); ++r)
            addItem(dataset_->valueAt(r, d).toString(), dataset_->valueAt(r, k));
    }
    setCurrentIndex(-1);
    blockSignals(false);
    if (chosen.isValid())
        setKeyValue(chosen);
}

QVariant LookupBox::keyValue() const
{
    return currentIndex() >= 0 ? currentData() : QVariant();
}

void LookupBox::setKeyValue(const QVariant &key)
{
    int found = -1;
    for (int i = 0; i < count() && found < 0; ++i)
        if (!key.isNull() && itemData(i).toString() == key.toString())
            found = i;
    setCurrentIndex(found);
}

void LookupBox::step(int delta)
{
    const int next = currentIndex() + delta;
    if (next >= 0 && next < count())
        setCurrentIndex(next);
}

FilterBoxKeys::FilterBoxKeys(QLineEdit *edit, Dataset *dataset, bool caretKeysToo)
    : QObject(edit), dataset_(dataset), caretKeysToo_(caretKeysToo)
{
    edit->installEventFilter(this);
}

bool FilterBoxKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Up:
        if (dataset_)
            dataset_->prior();
        return true;
    case Qt::Key_Down:
        if (dataset_)
            dataset_->next();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return caretKeysToo_;
    default:
        return false;
    }
}

void setTextFilter(Dataset *dataset, const QString &field, const QString &text, bool anywhere)
{
    if (text.isEmpty()) {
        dataset->setFiltered(false);
        return;
    }
    dataset->setFilter(anywhere ? Dataset::contains(field, text) : Dataset::beginsWith(field, text));
    dataset->setFiltered(true);
}

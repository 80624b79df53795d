#pragma once

#include <QComboBox>
#include <QObject>

class Dataset;
class QLineEdit;

// A drop-down list of a dataset's rows by one field, keyed by another. It
// keeps its choice across re-reads of the list; nothing is chosen at first.
class LookupBox : public QComboBox {
    Q_OBJECT
public:
    LookupBox(QWidget *parent, const QString &name);

    void setSource(Dataset *dataset, const QString &displayField, const QString &keyField = QStringLiteral("id"));
    // Fills the items from the dataset's visible rows, keeping the chosen key.
    void reload();
    // The chosen row's key, or an invalid value when nothing is chosen.
    QVariant keyValue() const;
    // Chooses the row with this key; a key no row has clears the choice.
    void setKeyValue(const QVariant &key);
    // Steps the choice one item up or down, as the arrow keys do.
    void step(int delta);

private:
    Dataset *dataset_ = nullptr;
    QString display_;
    QString key_;
};

// The filter box of a list: Up and Down move the list's cursor. With
// `caretKeysToo`, the box also ignores its caret keys, Home, End and Delete,
// so it only takes typed characters and Backspace; Enter, Esc and Tab always
// reach the dialog.
class FilterBoxKeys : public QObject {
    Q_OBJECT
public:
    FilterBoxKeys(QLineEdit *edit, Dataset *dataset, bool caretKeysToo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Dataset *dataset_;
    bool caretKeysToo_;
};

// A list's filter as the user types: rows whose field begins with (or, with
// `anywhere`, contains) the text, any letter case; an empty text shows all.
void setTextFilter(Dataset *dataset, const QString &field, const QString &text, bool anywhere = false);

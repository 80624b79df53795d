#pragma once

#include <QColor>
#include <QDialog>
#include <QString>
#include <utility>

class QGroupBox;
class QHBoxLayout;
class QPushButton;
class QLineEdit;

// Base of every screen: created once, opened modally by its opener, which
// sets Tag first to choose the mode. Modal results: 1 = OK, 2 = cancel.
class TForm : public QDialog {
    Q_OBJECT
public:
    explicit TForm(QWidget *parent, const QString &name);

    int Tag = 0;

    int ShowModal();
    void ModalClose(int result) { done(result); }

    // Esc presses the cancel button when there is one; Enter the default one.
    void setCancelButton(QPushButton *button) { cancelButton_ = button; }

    void done(int r) override;
    void reject() override;

protected:
    // Runs each time the screen is shown, not when it regains the focus.
    virtual void FormActivate() {}
    // Runs on every close, whatever closed the screen.
    virtual void FormClose() {}

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    // The editors' bottom row, right-aligned: Enter presses `ok`, Esc presses
    // `cancel`, which closes the screen.
    QHBoxLayout *okCancelRow(QPushButton *ok, QPushButton *cancel);
    // An editor's whole layout: its bold frame of fields over the button row.
    void editorLayout(QGroupBox *frame, QPushButton *ok, QPushButton *cancel);

    // Fixes the window to its given client size, or to what its layout needs.
    void fixSize(int width = 0, int height = 0);

private:
    QPushButton *cancelButton_ = nullptr;
};

// Creates a widget and names it, so tests and screenshots find it by name.
template <class W, class... Args>
W *make(QWidget *parent, const char *name, Args &&...args)
{
    W *w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A frame with a bold caption ("Данные о работнике"); call plainContents()
// once its fields are in, so they keep the normal weight.
QGroupBox *boldFrame(QWidget *parent, const char *name, const QString &title);
void plainContents(QGroupBox *frame);

// Edits that take digits only, typed or pasted.
void digitsOnly(QLineEdit *edit);

// Background colour and weight of a caption, as the screens mark a state
// (an invalid colour gives back the window's own background).
void markState(QWidget *widget, const QColor &background, bool bold);

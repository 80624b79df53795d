#include "Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace {
class BoxSink : public MessageSink {
public:
    bool show(const MessageRequest &r) override
    {
        QMessageBox box(QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                          : QApplication::activeWindow());
        box.setWindowTitle(r.caption);
        box.setText(r.text);
        switch (r.icon) {
        case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
        }
        QPushButton *yes = nullptr;
        if (r.yesNo) {
            yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
            QPushButton *no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
            box.setDefaultButton(no);
            box.setEscapeButton(no);
        } else {
            yes = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.setEscapeButton(yes);
        }
        box.exec();
        return box.clickedButton() == yes;
    }
};

// For scripted runs (TABEL_NONINTERACTIVE set): messages go to the error
// output, questions are answered No.
class LogSink : public MessageSink {
public:
    bool show(const MessageRequest &r) override
    {
        fprintf(stderr, "%s: %s\n", qPrintable(r.caption), qPrintable(r.text));
        return !r.yesNo;
    }
};

std::unique_ptr<MessageSink> defaultSink()
{
    if (qEnvironmentVariableIsSet("TABEL_NONINTERACTIVE"))
        return std::make_unique<LogSink>();
    return std::make_unique<BoxSink>();
}

std::unique_ptr<MessageSink> &current()
{
    static std::unique_ptr<MessageSink> sink = defaultSink();
    return sink;
}
} // namespace

namespace Messages {
void error(const QString &text, const QString &caption)
{
    current()->show({text, caption, MessageIcon::Error, false});
}

bool question(const QString &text, const QString &caption)
{
    return current()->show({text, caption, MessageIcon::Question, true});
}

void standardError(const QString &text)
{
    current()->show({text, QStringLiteral("Табель"), MessageIcon::Error, false});
}

std::unique_ptr<MessageSink> setSink(std::unique_ptr<MessageSink> sink)
{
    std::unique_ptr<MessageSink> old = std::move(current());
    current() = sink ? std::move(sink) : defaultSink();
    return old;
}
} // namespace Messages

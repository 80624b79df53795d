#pragma once

#include "Messages.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <functional>

// Message boxes recorded instead of shown; questions get scripted answers.
class MessageRecorder : public MessageSink {
public:
    struct Entry {
        QString text;
        QString caption;
        MessageIcon icon;
        bool yesNo;
    };
    QList<Entry> entries;
    QList<bool> answers;       // taken in order by the questions
    bool defaultAnswer = true; // when the script has run out

    bool show(const MessageRequest &r) override;
    QStringList texts() const;
    void clear() { entries.clear(); }
};

// Installs a fresh recorder for every message box of the program.
MessageRecorder *recordMessages();

// Each test case works on its own copy of a template database:
// "tabel_tpl" (schema and demo data) or "tabel_bare" (schema only).
namespace TestDb {
QString host();
// The connection string of a database on the test cluster.
QString connectionString(const QString &database, const QString &password = QStringLiteral("qmtvrok"));
// Creates a copy of the template and connects DataModule6 to it; returns its name.
QString create(const QString &templateName = QStringLiteral("tabel_tpl"));
// Only creates the copy (for code that connects by itself).
QString createCopy(const QString &templateName = QStringLiteral("tabel_tpl"));
// Lets clients connect to the current copy, or keeps them out (a server gone away).
void allowConnections(bool allow);
// Disconnects DataModule6 and drops the copy.
void dropCurrent();
} // namespace TestDb

// Statements for setting up fixtures and reading back results, on DataModule6's connection.
QVariant scalar(const QString &sql, const QList<QPair<QString, QVariant>> &binds = {});
int exec(const QString &sql, const QList<QPair<QString, QVariant>> &binds = {});
QList<QVariantList> rows(const QString &sql, const QList<QPair<QString, QVariant>> &binds = {});

// Acts on the next modal dialog that opens (a chooser, an editor...). If none
// opens within 10 s the current modal one is closed so no test hangs, and
// modalTimeouts() counts it.
void whenModal(std::function<void(QWidget *)> action);
int modalTimeouts();
// Runs `open` (which shows a dialog modally) and `body` while that dialog is
// up; closes the dialog afterwards if the body left it open.
void withModal(const std::function<void()> &open, const std::function<void(QWidget *)> &body);
// Types text as key presses (QTest::keyClicks only knows ASCII).
void typeText(QWidget *widget, const QString &text);
// Finds a named child of a dialog, failing loudly when it is missing.
template <class T>
T *child(QWidget *owner, const char *name)
{
    T *w = owner->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no child %s in %s", name, qPrintable(owner->objectName()));
    return w;
}

#include "Application.h"
#include <QTest>

// Test executables run under the program's own application object, so
// exceptions escaping handlers and the Russian locale behave as in the program.
#define TABEL_TEST_MAIN(TestClass)                                                                                    \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        Application app(argc, argv);                                                                                   \
        TestClass tc;                                                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }

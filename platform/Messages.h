#pragma once

#include <QString>
#include <memory>

// Every message box of the program goes through here, so tests can record
// them and answer questions without a real box.
enum class MessageIcon { Error, Question, Information };

struct MessageRequest {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::Error;
    bool yesNo = false; // Yes/No buttons instead of OK
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows the box; answers true for Yes (or OK).
    virtual bool show(const MessageRequest &request) = 0;
};

namespace Messages {
// Error box: the caption, an error icon, an OK button.
void error(const QString &text, const QString &caption = QStringLiteral("Ошибка"));
// Question box with Yes and No; true only for Yes.
bool question(const QString &text, const QString &caption = QStringLiteral("Удаление"));
// The application's standard box for an error that escaped a handler.
void standardError(const QString &text);

// Replaces the sink; returns the previous one. Null restores the real boxes.
std::unique_ptr<MessageSink> setSink(std::unique_ptr<MessageSink> sink);
} // namespace Messages

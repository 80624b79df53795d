#include "Application.h"

#include "DbError.h"
#include "Format.h"
#include "Messages.h"

#include <QFont>
#include <QTimer>

namespace {
std::function<void()> &terminateHook()
{
    static std::function<void()> hook;
    return hook;
}
} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    useRussianLocale();
    // The screens' pixel sizes assume a compact sans font with Arial metrics.
    setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    setApplicationName(QStringLiteral("tabel"));
    setApplicationDisplayName(QStringLiteral("Табель"));
}

void Application::showException(const std::exception &e)
{
    if (const auto *db = dynamic_cast<const DbError *>(&e))
        Messages::standardError(db->userText());
    else
        Messages::standardError(QString::fromUtf8(e.what()));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        showException(e);
    } catch (...) {
        Messages::standardError(QStringLiteral("Непредвиденная ошибка."));
    }
    return false;
}

void Application::terminate()
{
    if (terminateHook()) {
        terminateHook()();
        return;
    }
    QCoreApplication::exit(0);
    // exit() only reaches loops that already run; the main loop may not have started yet.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

void Application::setTerminateHook(std::function<void()> hook)
{
    terminateHook() = std::move(hook);
}

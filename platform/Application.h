#pragma once

#include <QApplication>
#include <functional>

// The application object: Russian locale, and every exception that escapes
// an event handler is shown in the standard error box while the program goes on.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Shows what a caught exception says in the standard error box.
    static void showException(const std::exception &e);

    // Asks the program to end: every running event loop returns, and a loop
    // that has not started yet returns as soon as it starts.
    static void terminate();
    // Tests replace what terminate() does.
    static void setTerminateHook(std::function<void()> hook);
};

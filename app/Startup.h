#pragma once

#include <QString>
#include <QStringList>

// The server the built-in connection uses when no address is given.
inline const QString kDefaultServer = QStringLiteral("localhost");

// The connection string from the command-line arguments (database name,
// server address): both are used only when the address is given and not
// empty; otherwise the built-in connection to "prodbase".
QString ConnectionStringFromArgs(const QStringList &args);
QString ComposeConnectionString(const QString &database, const QString &server);

// The build stamp from the compiler's __DATE__ ("Mmm dd yyyy", day possibly
// with a leading blank) and __TIME__ ("hh:mm:ss").
struct BuildStamp {
    int date = 0; // yyyymmdd
    int time = 0; // seconds since midnight
};
BuildStamp ParseBuildStamp(const QString &compileDate, const QString &compileTime);

// The four modes an access word selects at the login.
enum class AccessMode { Full, Foreman, ReportsOnly, Warehouse, Refused };
AccessMode ModeOfWord(const QString &typed);

// What a mode disables for the rest of the run, by component name: on the
// main window and on the summary-reports screen.
struct ModeRestrictions {
    QStringList mainWindow;
    QStringList reports;
    bool finishedProductsOnly = false; // reports' product kind fixed to "Готовая продукция"
};
ModeRestrictions RestrictionsOf(AccessMode mode);

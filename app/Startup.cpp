#include "Startup.h"

QString ComposeConnectionString(const QString &database, const QString &server)
{
    return QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=") + database + QStringLiteral(";SERVER=") + server +
           QStringLiteral(";PORT=5432;UID=sys;PWD=qmtvrok;SSLmode=allow;") +
           QStringLiteral("ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;"
                          "Fetch=100;UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;") +
           QStringLiteral("Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;"
                          "BoolsAsChar=1;Parse=0;ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;") +
           QStringLiteral("TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;"
                          "D6=-101;OptionalErrors=0;XaOpt=1");
}

QString ConnectionStringFromArgs(const QStringList &args)
{
    const QString server = args.value(1);
    if (server.isEmpty())
        return ComposeConnectionString(QStringLiteral("prodbase"), kDefaultServer);
    return ComposeConnectionString(args.value(0), server);
}

BuildStamp ParseBuildStamp(const QString &compileDate, const QString &compileTime)
{
    static const QStringList months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int month = months.indexOf(compileDate.left(3)) + 1;
    QString day = compileDate.mid(4, 2);
    day.replace(QLatin1Char(' '), QLatin1Char('0'));
    const QString year = compileDate.mid(7, 4);
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    BuildStamp stamp;
    stamp.date = (year + two(month) + two(day.toInt())).toInt();
    stamp.time = compileTime.mid(0, 2).toInt() * 3600 + compileTime.mid(3, 2).toInt() * 60 + compileTime.mid(6, 2).toInt();
    return stamp;
}

AccessMode ModeOfWord(const QString &typed)
{
    const QString word = typed.trimmed();
    if (word == QLatin1String("36172503") || word == QLatin1String("6352"))
        return AccessMode::Full;
    if (word == QLatin1String("brovnik"))
        return AccessMode::Foreman;
    if (word == QLatin1String("vartel"))
        return AccessMode::ReportsOnly;
    if (word == QLatin1String("tumop"))
        return AccessMode::Warehouse;
    return AccessMode::Refused;
}

ModeRestrictions RestrictionsOf(AccessMode mode)
{
    switch (mode) {
    case AccessMode::ReportsOnly:
        return {{"Button1", "Button2", "Button3", "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
                 "CBox1", "Button8", "DBGrid2", "N2", "N11", "DateT"},
                {},
                false};
    case AccessMode::Foreman:
        return {{"Button2", "Button3", "N2", "N11"}, {"Button1", "Button2", "Button4", "Button6"}, false};
    case AccessMode::Warehouse:
        return {{"Button1", "Button2", "Button3", "N2", "N11"}, {"Button1", "Button2", "Button6", "Button4"}, true};
    case AccessMode::Full:
    case AccessMode::Refused:
        break;
    }
    return {};
}

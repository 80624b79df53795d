#include "Format.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>

void useRussianLocale()
{
    QLocale ru(QLocale::Russian, QLocale::Russia);
    ru.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(ru);
}

QString FloatToStr(double value)
{
    return QLocale().toString(value, 'g', 15);
}

double RoundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::nearbyint(value * scale) / scale;
}

bool parseNumber(const QString &text, double *value)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (ok && value)
        *value = v;
    return ok;
}

QString formatMask(double value, const QString &mask)
{
    const int point = mask.indexOf(QLatin1Char('.'));
    int minDecimals = 0;
    int maxDecimals = 0;
    if (point >= 0) {
        for (int i = point + 1; i < mask.size(); ++i) {
            if (mask.at(i) == QLatin1Char('0'))
                ++minDecimals;
            if (mask.at(i) == QLatin1Char('0') || mask.at(i) == QLatin1Char('#'))
                ++maxDecimals;
        }
    }
    QString text = QLocale().toString(RoundTo(value, maxDecimals), 'f', maxDecimals);
    const QChar sep = QLocale().decimalPoint().at(0);
    const int sepAt = text.indexOf(sep);
    if (sepAt >= 0) {
        int keep = text.size();
        while (keep > sepAt + 1 + minDecimals && text.at(keep - 1) == QLatin1Char('0'))
            --keep;
        if (keep == sepAt + 1)
            --keep;
        text.truncate(keep);
    }
    return text;
}

QString DateToStr(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString displayText(const QVariant &value, const QString &mask)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return DateToStr(value.toDate());
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        if (dt.time() == QTime(0, 0))
            return DateToStr(dt.date());
        return dt.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return mask.isEmpty() ? FloatToStr(value.toDouble()) : formatMask(value.toDouble(), mask);
    default:
        if (!mask.isEmpty() && value.canConvert<double>() && value.typeId() != QMetaType::QString)
            return formatMask(value.toDouble(), mask);
        return value.toString();
    }
}

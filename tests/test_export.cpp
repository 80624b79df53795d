// ExcelLink: its four operations, their results and messages, and the
// workbook file it writes, read back with openpyxl.
#include "ExcelLink.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

class TestExport : public QObject {
    Q_OBJECT
    MessageRecorder *messages = nullptr;
    QString folder;

    static QJsonObject readBack(const QString &file)
    {
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"),
                {qEnvironmentVariable("TABEL_SOURCE") + QStringLiteral("/tests/read_xlsx.py"), file});
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            qFatal("reading %s failed: %s", qPrintable(file), p.readAllStandardError().constData());
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    }

private slots:
    void initTestCase()
    {
        messages = recordMessages();
        folder = qEnvironmentVariable("TABEL_EXCEL_DIR");
        QVERIFY(!folder.isEmpty());
    }
    void init()
    {
        messages->clear();
        qputenv("TABEL_EXCEL_DIR", folder.toUtf8());
    }

    void neverOpenedLinkWritesNothing()
    {
        ExcelLink link;
        QCOMPARE(link.ExcelSetVisible(true), 1);
        QVERIFY(messages->entries.isEmpty());
        QCOMPARE(link.ExcelWriteCell(1, 1, 1, QStringLiteral("x")), -1);
        QCOMPARE(messages->entries.size(), 1);
        QCOMPARE(messages->entries[0].caption, QStringLiteral("Ошибочный номер листа Microsoft Excel"));
        QCOMPARE(messages->entries[0].text, QStringLiteral("Ошибка при записи: лист 1, столбец 1, строка 1"));
        QVERIFY(link.fileName().isEmpty());
    }

    void writesAndTheirResults_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("caption");
        QTest::newRow("plain") << 1 << 3 << 2 << "Сейф" << 1 << "";
        QTest::newRow("empty text is skipped") << 1 << 3 << 2 << "" << 1 << "";
        QTest::newRow("sheet 0") << 0 << 1 << 1 << "x" << -1 << "Ошибочный номер листа Microsoft Excel";
        QTest::newRow("sheet the workbook lacks") << 2 << 1 << 1 << "x" << -1 << "Ошибочный номер листа Microsoft Excel";
        QTest::newRow("empty text on a bad sheet") << 0 << 1 << 1 << "" << 1 << "";
        QTest::newRow("row 0") << 1 << 1 << 0 << "x" << -1 << "Ошибка Microsoft Excel";
    }
    void writesAndTheirResults()
    {
        QFETCH(int, sheet);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(int, result);
        QFETCH(QString, caption);
        for (bool formatted : {false, true}) {
            messages->clear();
            ExcelLink link;
            QCOMPARE(link.ExcelOpen(QString()), 1);
            const int got = formatted ? link.ExcelWriteCellFormatted(sheet, column, row, text, true, true, true)
                                      : link.ExcelWriteCell(sheet, column, row, text);
            QCOMPARE(got, result);
            QCOMPARE(messages->entries.size(), caption.isEmpty() ? 0 : 1);
            if (!caption.isEmpty()) {
                QCOMPARE(messages->entries[0].caption, caption);
                QCOMPARE(messages->entries[0].text,
                         QStringLiteral("Ошибка при записи: лист %1, столбец %2, строка %3").arg(sheet).arg(column).arg(row));
            }
            const auto &cells = link.workbook().sheets[0].cells;
            QCOMPARE(cells.size(), result == 1 && !text.isEmpty() ? 1 : 0);
            QVERIFY(link.workbook().sheets[0].widths.isEmpty() || !text.isEmpty());
        }
    }

    void formattingAndFont()
    {
        ExcelLink link;
        link.ExcelOpen(QString());
        link.ExcelWriteCellFormatted(1, 1, 1, QStringLiteral("Итого"), true, false, true);
        link.ExcelWriteCell(1, 1, 1, QStringLiteral("Итого за месяц")); // keeps the font
        QVERIFY(link.workbook().sheets[0].cells.value({1, 1}).bold);
        link.ExcelWriteCellFormatted(1, 1, 1, QStringLiteral("Всего"), false, false, false);
        const ExcelLink::Cell cell = link.workbook().sheets[0].cells.value({1, 1});
        QVERIFY(!cell.bold);
        QVERIFY(cell.textFormat); // a number format once set stays
        QCOMPARE(cell.text, QStringLiteral("Всего"));
    }

    void autoFitFollowsTheLongestTextSoFar()
    {
        ExcelLink link;
        link.ExcelOpen(QString());
        link.ExcelWriteCellFormatted(1, 2, 1, QStringLiteral("12345"), false, true, false);
        const double narrow = link.workbook().sheets[0].widths.value(2);
        link.ExcelWriteCellFormatted(1, 2, 2, QStringLiteral("Стеллаж полочный СТ-1500"), true, true, false);
        const double wide = link.workbook().sheets[0].widths.value(2);
        QVERIFY(wide > narrow);
        link.ExcelWriteCellFormatted(1, 2, 3, QStringLiteral("Стеллаж полочный СТ-1500 усиленный, окрашенный"), true,
                                     false, false);
        QCOMPARE(link.workbook().sheets[0].widths.value(2), wide);
    }

    void textsThatReadAsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::newRow("decimal comma") << "12,5" << true;
        QTest::newRow("decimal point") << "12.5" << true;
        QTest::newRow("negative whole") << "-3" << true;
        QTest::newRow("two separators") << "1,2,3" << false;
        QTest::newRow("a date") << "05.03.2026" << false;
        QTest::newRow("words") << "ШМ-2" << false;
    }
    void textsThatReadAsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QCOMPARE(ExcelLink::readsAsNumber(text), number);
    }

    void roundTripThroughTheFile()
    {
        ExcelLink link;
        QCOMPARE(link.ExcelOpen(QString()), 1);
        QCOMPARE(link.ExcelSetVisible(false), 1);
        link.ExcelWriteCellFormatted(1, 1, 1, QStringLiteral("Март 2026"), true, true, true);
        link.ExcelWriteCell(1, 2, 1, QStringLiteral("12,5"));
        link.ExcelWriteCellFormatted(1, 3, 1, QStringLiteral("0042"), true, false, false);
        link.ExcelWriteCell(1, 4, 1, QStringLiteral("Сейф «СБ-45» O'Brien"));
        link.ExcelWriteCellFormatted(1, 1, 2, QStringLiteral("8"), false, false, false);
        QCOMPARE(link.ExcelSetVisible(true), 1);
        QVERIFY(messages->entries.isEmpty());
        QVERIFY(link.fileName().startsWith(folder));
        QVERIFY(QFile::exists(link.fileName()));

        const QJsonObject sheet = readBack(link.fileName()).value(QStringLiteral("Лист1")).toObject();
        const QJsonObject cells = sheet.value(QStringLiteral("cells")).toObject();
        QCOMPARE(cells.size(), 5);
        const auto cell = [&](const char *at) { return cells.value(QLatin1String(at)).toObject(); };
        QCOMPARE(cell("A1").value("value").toString(), QStringLiteral("Март 2026"));
        QVERIFY(cell("A1").value("bold").toBool());
        QCOMPARE(cell("A1").value("format").toString(), QStringLiteral("@"));
        QCOMPARE(cell("B1").value("value").toDouble(), 12.5);
        QVERIFY(cell("B1").value("value").isDouble());
        QCOMPARE(cell("C1").value("value").toString(), QStringLiteral("0042")); // text format keeps it text
        QCOMPARE(cell("D1").value("value").toString(), QStringLiteral("Сейф «СБ-45» O'Brien"));
        QCOMPARE(cell("A2").value("value").toDouble(), 8.0);
        QVERIFY(!cell("A2").value("bold").toBool());
        QVERIFY(sheet.value(QStringLiteral("widths")).toObject().value(QStringLiteral("A")).toDouble() > 9);
    }

    void openFailures()
    {
        ExcelLink link;
        QCOMPARE(link.ExcelOpen(QStringLiteral("/tmp/book.xlsx")), -1);
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Ошибка открытия файла Microsoft Excel.")});
        messages->clear();
        QCOMPARE(link.ExcelOpen(QString()), 1);
        // The folder the workbooks go to cannot be used: a file stands in its place.
        QTemporaryDir dir;
        const QString blocked = dir.filePath(QStringLiteral("not-a-folder"));
        QFile(blocked).open(QIODevice::WriteOnly);
        qputenv("TABEL_EXCEL_DIR", blocked.toUtf8());
        QCOMPARE(link.ExcelOpen(QString()), 1); // an earlier workbook lets it go on
        QCOMPARE(messages->entries.size(), 1);
        QVERIFY(messages->entries[0].text.startsWith(QStringLiteral("Невозможно открыть Microsoft Excel.")));
        messages->clear();
        ExcelLink fresh;
        QCOMPARE(fresh.ExcelOpen(QString()), -1);
        QVERIFY(messages->entries[0].text.startsWith(QStringLiteral("Невозможно открыть Microsoft Excel.")));
        messages->clear();
        link.ExcelWriteCell(1, 1, 1, QStringLiteral("x"));
        QCOMPARE(link.ExcelSetVisible(true), 1);
        QCOMPARE(messages->entries.size(), 1);
        QVERIFY(messages->entries[0].text.startsWith(QStringLiteral("Ошибка открытия файла Microsoft Excel.")));
        QVERIFY(messages->entries[0].text.contains(blocked));
    }
};

TABEL_TEST_MAIN(TestExport)
#include "test_export.moc"

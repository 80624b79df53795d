// Start-up, the version watchdog and the login.
#include "Application.h"
#include "DataGrid.h"
#include "DatePicker.h"
#include "DbError.h"
#include "RadioGroup.h"
#include "Startup.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit23.h"
#include "Unit6.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
const QString kDate = QStringLiteral("Mar  5 2026");
const QString kTime = QStringLiteral("14:07:09");
const int kStampDate = 20260305;
const int kStampTime = 14 * 3600 + 7 * 60 + 9;
} // namespace

class TestApp : public QObject {
    Q_OBJECT
    MessageRecorder *messages = nullptr;
    int terminations = 0;

    TForm1 *start(const QStringList &args)
    {
        return new TForm1(args, kDate, kTime);
    }
    TForm1 *startOnCopy()
    {
        const QString db = TestDb::createCopy();
        return start({db, TestDb::host()});
    }
    QStringList enabledNames(const QStringList &names)
    {
        QStringList on;
        for (const QString &n : names) {
            if (auto *w = Form1->findChild<QWidget *>(n); w && w->isEnabled())
                on << n;
            if (auto *a = Form1->findChild<QAction *>(n); a && a->isEnabled())
                on << n;
        }
        return on;
    }

private slots:
    void initTestCase()
    {
        messages = recordMessages();
        Application::setTerminateHook([this] { ++terminations; });
    }
    void init()
    {
        messages->clear();
        terminations = 0;
    }
    void cleanup()
    {
        delete Form1;
        TestDb::dropCurrent();
    }

    void connectionString_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("server");
        QTest::newRow("no arguments") << QStringList{} << "prodbase" << "localhost";
        QTest::newRow("only the database") << QStringList{"other"} << "prodbase" << "localhost";
        QTest::newRow("empty server") << QStringList{"other", ""} << "prodbase" << "localhost";
        QTest::newRow("both") << QStringList{"factory", "db.plant.local"} << "factory" << "db.plant.local";
    }
    void connectionString()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, database);
        QFETCH(QString, server);
        const QString text = ConnectionStringFromArgs(args);
        QVERIFY(text.startsWith(QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=") + database + ";SERVER=" + server +
                                ";PORT=5432;UID=sys;PWD=qmtvrok;SSLmode=allow;ReadOnly=0;Protocol=7.4;"));
        QVERIFY(text.endsWith(QStringLiteral("D6=-101;OptionalErrors=0;XaOpt=1")));
        const ConnectionParams p = parseConnectionString(text);
        QCOMPARE(p.database, database);
        QCOMPARE(p.server, server);
        QCOMPARE(p.port, 5432);
        QCOMPARE(p.user, QStringLiteral("sys"));
        QCOMPARE(p.password, QStringLiteral("qmtvrok"));
        QCOMPARE(p.sslmode, QStringLiteral("allow"));
    }

    void buildStamp_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("stampDate");
        QTest::addColumn<int>("stampTime");
        QTest::newRow("day with a leading blank") << "Mar  5 2026" << "14:07:09" << 20260305 << 50829;
        QTest::newRow("two-digit day") << "Dec 31 2025" << "23:59:59" << 20251231 << 86399;
        QTest::newRow("midnight") << "Jan 01 2027" << "00:00:00" << 20270101 << 0;
    }
    void buildStamp()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(int, stampDate);
        QFETCH(int, stampTime);
        const BuildStamp s = ParseBuildStamp(date, time);
        QCOMPARE(s.date, stampDate);
        QCOMPARE(s.time, stampTime);
    }

    void unreachableDatabaseEndsTheStart_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no server") << QStringList{"prodbase", "/nonexistent/socket/dir"};
        QTest::newRow("unknown database") << QStringList{"no_such_database", QString()};
    }
    void unreachableDatabaseEndsTheStart()
    {
        QFETCH(QStringList, args);
        if (args[1].isEmpty())
            args[1] = TestDb::host();
        TForm1 *form = start(args);
        QVERIFY(!form->Connected);
        QCOMPARE(messages->entries.size(), 1);
        QCOMPARE(messages->entries[0].text, QStringLiteral("Подключение к БД отсутсвует!!!"));
        QCOMPARE(messages->entries[0].caption, QStringLiteral("Ошибка!"));
        QCOMPARE(terminations, 1);
        QVERIFY(!Form23);
    }

    void programExitsWhenTheServerIsUnreachable()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TABEL_NONINTERACTIVE"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        p.start(qEnvironmentVariable("TABEL_BIN"), {QStringLiteral("prodbase"), QStringLiteral("/nonexistent/socket/dir")});
        QVERIFY(p.waitForFinished(20000));
        QVERIFY(p.exitCode() != 0);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("Подключение к БД отсутсвует!!!")));
    }

    void wrongPasswordIsRefused()
    {
        TestDb::createCopy();
        Connection c(QStringLiteral("wrong"));
        c.setConnectionString(TestDb::connectionString(QStringLiteral("postgres"), QStringLiteral("nope")));
        QVERIFY_THROWS_EXCEPTION(DbError, c.open());
    }

    void watchdogRecordsOlderOrMissingStamps_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("written");
        QTest::newRow("empty table") << "delete from accounts_dep.ver" << true;
        QTest::newRow("older date") << "update accounts_dep.ver set d = 20260304, t = 90000" << true;
        QTest::newRow("same date, earlier time") << "update accounts_dep.ver set d = 20260305, t = 50828" << true;
        QTest::newRow("equal stamp") << "update accounts_dep.ver set d = 20260305, t = 50829" << false;
    }
    void watchdogRecordsOlderOrMissingStamps()
    {
        QFETCH(QString, setup);
        QFETCH(bool, written);
        TForm1 *form = startOnCopy();
        exec(setup);
        exec(QStringLiteral("create table accounts_dep.ver_writes (n int); "
                            "create function accounts_dep.count_ver() returns trigger language plpgsql as "
                            "$$ begin insert into accounts_dep.ver_writes values (1); return new; end $$; "
                            "create trigger ver_writes after insert or update on accounts_dep.ver "
                            "for each row execute function accounts_dep.count_ver()"));
        form->CheckVersion();
        QCOMPARE(rows(QStringLiteral("select d, t from accounts_dep.ver")),
                 (QList<QVariantList>{{kStampDate, kStampTime}}));
        QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.ver_writes")).toInt(), written ? 1 : 0);
        QCOMPARE(terminations, 0);
        QVERIFY(messages->entries.isEmpty());
        QCOMPARE(DataModule6->DbDelim, written && setup.startsWith("delete") ? QString() : QStringLiteral("."));
    }

    void newerBuildEndsThisOneWithinFiveSeconds()
    {
        TForm1 *form = startOnCopy();
        exec(QStringLiteral("update accounts_dep.ver set d = 20260305, t = 50830"));
        // Nobody answers the message: the box waits until the program is told to end.
        struct Unanswered : MessageSink {
            QElapsedTimer shownAt;
            QString text;
            QEventLoop loop;
            bool show(const MessageRequest &r) override
            {
                text = r.text;
                shownAt.start();
                QTimer::singleShot(8000, &loop, &QEventLoop::quit);
                loop.exec();
                return true;
            }
        };
        auto sink = std::make_unique<Unanswered>();
        Unanswered *box = sink.get();
        auto previous = Messages::setSink(std::move(sink));
        qint64 endedAfter = -1;
        Application::setTerminateHook([&] {
            if (endedAfter < 0)
                endedAfter = box->shownAt.elapsed();
            box->loop.quit();
        });
        form->CheckVersion();
        Messages::setSink(std::move(previous));
        Application::setTerminateHook([this] { ++terminations; });
        QCOMPARE(box->text, QStringLiteral("Версия программы не соответсвует БД! Запустите программу через 5 мин."));
        QVERIFY2(endedAfter >= 4500 && endedAfter <= 6000, qPrintable(QString::number(endedAfter)));
        // Nothing of the newer build's record was overwritten.
        QCOMPARE(rows(QStringLiteral("select d, t from accounts_dep.ver")), (QList<QVariantList>{{20260305, 50830}}));
    }

    void loginCaptionShowsTheBuild()
    {
        startOnCopy();
        QCOMPARE(Form23->windowTitle(), QStringLiteral("Авторизация (build: 20260305.50829)"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Табель"));
    }

    void accessWordsSelectTheMode_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("disabled");
        const QStringList none;
        QTest::newRow("full") << "36172503" << none;
        QTest::newRow("full, short word, blanks around") << "  6352 " << none;
        QTest::newRow("foreman") << "brovnik" << QStringList{"Button2", "Button3", "N2", "N11"};
        QTest::newRow("reports only") << "vartel"
                                      << QStringList{"Button1", "Button2", "Button3", "RadioButton1", "RadioButton2",
                                                     "RadioButton3", "RadioButton4", "CBox1", "Button8", "DBGrid2",
                                                     "N2", "N11", "DateT"};
        QTest::newRow("warehouse") << "\ttumop" << QStringList{"Button1", "Button2", "Button3", "N2", "N11"};
    }
    void accessWordsSelectTheMode()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, disabled);
        startOnCopy();
        // The controls a mode may take away; Button1/Button2 wait for the editor and are left out.
        const QStringList watched{"Button3", "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
                                  "CBox1", "Button8", "DBGrid2", "N2", "N11", "DateT", "N5"};
        QStringList expected;
        for (const QString &n : watched)
            if (!disabled.contains(n))
                expected << n;
        QStringList seen;
        QString role;
        whenModal([&](QWidget *w) {
            QCOMPARE(w, static_cast<QWidget *>(Form1));
            seen = enabledNames(watched);
            role = Form1->UserRole;
            Form1->Button4->click();
        });
        Form23->Edit1->setText(word);
        QTest::mouseClick(Form23->Button1, Qt::LeftButton);
        QCOMPARE(modalTimeouts(), 0);
        QCOMPARE(seen, expected);
        QCOMPARE(role, word.trimmed());
        QVERIFY(messages->entries.isEmpty());
        QVERIFY(!Form23->isVisible()); // closing the main window ended the login
    }

    void modesRestrictTheReportsScreen_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("disabled");
        QTest::addColumn<int>("productKind");
        QTest::newRow("full") << "6352" << QStringList{} << 0;
        QTest::newRow("foreman") << "brovnik" << QStringList{"Button1", "Button2", "Button4", "Button6"} << 0;
        QTest::newRow("reports only") << "vartel" << QStringList{} << 0;
        QTest::newRow("warehouse") << "tumop" << QStringList{"Button1", "Button2", "Button4", "Button6", "RadioGroup1"} << 1;
    }
    void modesRestrictTheReportsScreen()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, disabled);
        QFETCH(int, productKind);
        startOnCopy();
        // Whatever screen the program attaches as its reports screen gets the mode's limits.
        QWidget reports;
        for (const char *name : {"Button1", "Button2", "Button3", "Button4", "Button6"})
            make<QPushButton>(&reports, name, QString::fromLatin1(name));
        auto *kinds = new RadioGroup(&reports, QStringLiteral("RadioGroup1"), QStringLiteral("Вид продукции"),
                                     {QStringLiteral("Все"), QStringLiteral("Готовая продукция"), QStringLiteral("Заготовки")});
        kinds->setItemIndex(0);
        Form23->ReportsScreen = &reports;
        whenModal([](QWidget *) { Form1->close(); });
        Form23->Edit1->setText(word);
        QTest::mouseClick(Form23->Button1, Qt::LeftButton);
        QStringList off;
        for (const char *name : {"Button1", "Button2", "Button3", "Button4", "Button6", "RadioGroup1"})
            if (!reports.findChild<QWidget *>(QString::fromLatin1(name))->isEnabled())
                off << QString::fromLatin1(name);
        QCOMPARE(off, disabled);
        QCOMPARE(kinds->itemIndex(), productKind);
    }

    void refusedWordThenValidWord()
    {
        startOnCopy();
        for (const QString &bad : {QStringLiteral("BROVNIK"), QStringLiteral("пароль"), QString()}) {
            Form23->Edit1->setText(bad);
            QTest::mouseClick(Form23->Button1, Qt::LeftButton);
            QVERIFY(Form23->isVisible());
        }
        QCOMPARE(messages->texts(), QStringList(3, QStringLiteral("Введены неверные данные.")));
        QCOMPARE(messages->entries[0].caption, QStringLiteral("Ошибка"));
        bool shown = false;
        whenModal([&](QWidget *) {
            shown = true;
            Form1->close();
        });
        Form23->Edit1->setText(QStringLiteral("6352"));
        QTest::keyClick(Form23->Edit1, Qt::Key_Return);
        QVERIFY(shown);
    }

    void cancelEndsTheLogin()
    {
        startOnCopy();
        QTest::mouseClick(Form23->Button2, Qt::LeftButton);
        QVERIFY(!Form23->isVisible());
    }

    void mainWindowOpensOnTodayWithTheShiftLists()
    {
        startOnCopy();
        QDate shown;
        bool weekendBox = false;
        int rowsToday = -1;
        whenModal([&](QWidget *) {
            shown = Form1->DateT->date();
            weekendBox = Form1->CBox1->isChecked();
            rowsToday = Form1->DBGrid2->model()->rowCount();
            Form1->close();
        });
        Form23->Edit1->setText(QStringLiteral("36172503"));
        QTest::mouseClick(Form23->Button1, Qt::LeftButton);
        QCOMPARE(shown, QDate::currentDate());
        QCOMPARE(weekendBox, QDate::currentDate().dayOfWeek() >= 6);
        QCOMPARE(rowsToday, scalar(QStringLiteral("select count(*) from accounts_dep.smena where data = current_date "
                                                  "and smena = 1")).toInt());
        for (int shift = 1; shift <= 4; ++shift)
            QVERIFY(DataModule6->ShiftList(shift)->active());
    }
};

TABEL_TEST_MAIN(TestApp)
#include "test_app.moc"

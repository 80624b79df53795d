// The platform layer: statement parameters, the static-cursor dataset, the
// transaction guard, number formats and the application's error handling.
#include "Command.h"
#include "DataGrid.h"
#include "Dataset.h"
#include "DbError.h"
#include "Format.h"
#include "SqlText.h"
#include "TestSupport.h"
#include "Transaction.h"
#include "Unit6.h"

#include <QPushButton>

class TestPlatform : public QObject {
    Q_OBJECT
    MessageRecorder *messages = nullptr;

    Dataset *kinds()
    {
        auto *ds = new Dataset(&DataModule6->ADO_DB, QStringLiteral("kinds"), this);
        ds->setTable(QStringLiteral("accounts_dep.vid_oper"), QStringLiteral("vid"));
        return ds;
    }

private slots:
    void initTestCase()
    {
        DataModule6 = new TDataModule6(this);
        messages = recordMessages();
    }
    void init()
    {
        TestDb::create(QStringLiteral("tabel_bare"));
        messages->clear();
        exec(QStringLiteral("delete from accounts_dep.norm; delete from accounts_dep.oper; delete from accounts_dep.vid_oper"));
        exec(QStringLiteral("insert into accounts_dep.vid_oper (vid) values ('Резка'), ('Гибка'), ('Сварка'), "
                            "('сборка'), ('Покраска')"));
    }
    void cleanup() { TestDb::dropCurrent(); }

    void namedParameters_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("positional");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("plain") << "select * from t where d=:data and ok!=:ok" << "select * from t where d=? and ok!=?"
                               << QStringList{"data", "ok"};
        QTest::newRow("casts are not parameters")
            << "select kol_vo::numeric, s_code::t_id from t where a=:A" << "select kol_vo::numeric, s_code::t_id from t where a=?"
            << QStringList{"a"};
        QTest::newRow("quoted text is left alone")
            << "select ':x', \"a:b\" from t where c = :c_1" << "select ':x', \"a:b\" from t where c = ?" << QStringList{"c_1"};
        QTest::newRow("doubled quote inside text") << "select 'it''s :y' where z=:z" << "select 'it''s :y' where z=?"
                                                   << QStringList{"z"};
        QTest::newRow("repeated name") << "select :d_date1 < :D_DATE1" << "select ? < ?" << QStringList{"d_date1", "d_date1"};
        QTest::newRow("time literal") << "select to_date(:d, 'HH24:MI:SS')" << "select to_date(?, 'HH24:MI:SS')"
                                      << QStringList{"d"};
    }
    void namedParameters()
    {
        QFETCH(QString, sql);
        QFETCH(QString, positional);
        QFETCH(QStringList, names);
        const ParsedSql parsed = parseNamedParams(sql);
        QCOMPARE(parsed.positional(), positional);
        QCOMPARE(parsed.names, names);
    }

    void parametersIgnoreCaseAndRejectUnknownNames()
    {
        Dataset ds(&DataModule6->ADO_DB, QStringLiteral("q"));
        ds.setSql(QStringLiteral("select count(*) as cnt from accounts_dep.vid_oper where vid like :Mask"));
        ds.setParam(QStringLiteral("MASK"), QStringLiteral("Р%"));
        ds.open();
        QCOMPARE(ds.intValue(QStringLiteral("CNT")), 1);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, ds.setParam(QStringLiteral("nope"), 1));
    }

    void typedTextIsBoundAsItIs()
    {
        const QString name = QStringLiteral("O'Brien \\ «Ёж» ; drop table x");
        Command::run(&DataModule6->ADO_DB, QStringLiteral("insert into accounts_dep.vid_oper (vid) values (:v)"),
                     {{QStringLiteral("v"), name}});
        QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.vid_oper where vid = :v"),
                        {{QStringLiteral("v"), name}})
                     .toInt(),
                 1);
    }

    void recordNumberSurvivesReopen_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("deleteRows");
        QTest::addColumn<int>("expected");
        QTest::newRow("same count") << 3 << 0 << 3;
        QTest::newRow("list still long enough") << 3 << 1 << 3;
        QTest::newRow("list now shorter") << 5 << 1 << 1;
    }
    void recordNumberSurvivesReopen()
    {
        QFETCH(int, at);
        QFETCH(int, deleteRows);
        QFETCH(int, expected);
        Dataset *ds = kinds();
        ds->open();
        QCOMPARE(ds->recordCount(), 5);
        ds->setRecNo(at);
        if (deleteRows)
            exec(QStringLiteral("delete from accounts_dep.vid_oper where vid = 'Гибка'"));
        ds->reopen(ds->recNo());
        QCOMPARE(ds->recNo(), expected);
    }

    void failedReopenKeepsTheRows()
    {
        Dataset *ds = kinds();
        ds->open();
        ds->setRecNo(2);
        const QString second = ds->text(QStringLiteral("vid"));
        ds->setSql(QStringLiteral("select * from accounts_dep.no_such_table"));
        QVERIFY_THROWS_EXCEPTION(DbError, ds->reopen(2));
        QCOMPARE(ds->recordCount(), 5);
        QCOMPARE(ds->text(QStringLiteral("vid")), second);
    }

    void beginsWithFilterIgnoresCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("upper") << "С" << QStringList{"Сварка", "сборка"};
        QTest::newRow("lower") << "с" << QStringList{"Сварка", "сборка"};
        QTest::newRow("longer") << "СВА" << QStringList{"Сварка"};
        QTest::newRow("inside the name does not match") << "арка" << QStringList{};
    }
    void beginsWithFilterIgnoresCase()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        Dataset *ds = kinds();
        ds->open();
        ds->setFilter(Dataset::beginsWith(QStringLiteral("vid"), typed));
        ds->setFiltered(true);
        QStringList seen;
        for (ds->first(); !ds->eof(); ds->next())
            seen << ds->text(QStringLiteral("vid"));
        seen.sort();
        expected.sort();
        QCOMPARE(seen, expected);
        ds->setFiltered(false);
        QCOMPARE(ds->recordCount(), 5);
    }

    void locateMovesToTheRow()
    {
        Dataset *ds = kinds();
        ds->open();
        const int id = scalar(QStringLiteral("select id from accounts_dep.vid_oper where vid = 'Сварка'")).toInt();
        QVERIFY(ds->locate(QStringLiteral("ID"), id));
        QCOMPARE(ds->text(QStringLiteral("vid")), QStringLiteral("Сварка"));
        QVERIFY(!ds->locate(QStringLiteral("id"), -5));
        QCOMPARE(ds->text(QStringLiteral("vid")), QStringLiteral("Сварка"));
    }

    void editingWritesThroughTheTable()
    {
        Dataset *ds = kinds();
        ds->open();
        ds->append();
        QCOMPARE(ds->recNo(), -1);
        ds->setValue(QStringLiteral("vid"), QStringLiteral("Гравировка"));
        ds->post();
        QVERIFY(ds->intValue(QStringLiteral("id")) > 0); // the generated key came back
        QCOMPARE(ds->recordCount(), 6);

        QVERIFY(ds->locate(QStringLiteral("vid"), QStringLiteral("Резка")));
        ds->edit();
        ds->setValue(QStringLiteral("vid"), QStringLiteral("Резка лазерная"));
        ds->post();
        QVERIFY(ds->locate(QStringLiteral("vid"), QStringLiteral("Гибка")));
        ds->remove();
        QCOMPARE(rows(QStringLiteral("select vid from accounts_dep.vid_oper order by vid")),
                 (QList<QVariantList>{{"Гравировка"}, {"Покраска"}, {"Резка лазерная"}, {"Сварка"}, {"сборка"}}));
    }

    void transactionIsAllOrNothing()
    {
        auto insert = [](const QString &name) {
            Command::run(&DataModule6->ADO_DB, QStringLiteral("insert into accounts_dep.vid_oper (vid) values (:v)"),
                         {{QStringLiteral("v"), name}});
        };
        try {
            Transaction tx(&DataModule6->ADO_DB);
            insert(QStringLiteral("первая"));
            {
                Transaction inner(&DataModule6->ADO_DB);
                insert(QStringLiteral("вторая"));
                inner.commit();
            }
            Command::run(&DataModule6->ADO_DB, QStringLiteral("insert into accounts_dep.no_such_table values (1)"));
            tx.commit();
            QFAIL("the failing statement did not throw");
        } catch (const DbError &) {
        }
        QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.vid_oper")).toInt(), 5);
        {
            Transaction tx(&DataModule6->ADO_DB);
            insert(QStringLiteral("третья"));
            tx.commit();
        }
        QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.vid_oper")).toInt(), 6);
    }

    void gridFollowsTheCursorAndColoursCells()
    {
        Dataset *ds = kinds();
        ds->open();
        DataGrid grid(nullptr, QStringLiteral("grid"));
        grid.setColumns({{QStringLiteral("vid"), QStringLiteral("Вид"), 100}, {QStringLiteral("id"), QStringLiteral("Код"), 50}});
        grid.setStyler([](int row, const GridColumn &col, CellStyle &style) {
            if (col.field == QLatin1String("vid") && row == 0)
                style.foreground = Qt::red;
        });
        grid.setDataset(ds);
        QCOMPARE(grid.model()->rowCount(), 5);
        QCOMPARE(grid.model()->data(grid.model()->index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        ds->setRecNo(4);
        QCOMPARE(grid.currentIndex().row(), 3);
        grid.setCurrentIndex(grid.model()->index(1, 0));
        QCOMPARE(ds->recNo(), 2);
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold(), true);
    }

    void roundingAndNumberTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("rounded");
        QTest::newRow("tie to even down") << 0.125 << 2 << 0.12;
        QTest::newRow("tie to even up") << 0.375 << 2 << 0.38;
        QTest::newRow("plain") << 43.7512 << 2 << 43.75;
        QTest::newRow("four places") << 12.34565 << 4 << 12.3456;
    }
    void roundingAndNumberTexts()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, rounded);
        QCOMPARE(RoundTo(value, decimals), rounded);
    }

    void formatsAndParsing()
    {
        QCOMPARE(FloatToStr(12.3456), QStringLiteral("12,3456"));
        QCOMPARE(FloatToStr(1234567.5), QStringLiteral("1234567,5"));
        QCOMPARE(FloatToStr(175), QStringLiteral("175"));
        QCOMPARE(formatMask(12.5, QStringLiteral("#0.00#")), QStringLiteral("12,50"));
        QCOMPARE(formatMask(12.3456, QStringLiteral("#0.00#")), QStringLiteral("12,346"));
        QCOMPARE(formatMask(3, QStringLiteral("#0.00")), QStringLiteral("3,00"));
        double v = 0;
        QVERIFY(parseNumber(QStringLiteral(" 12,5 "), &v));
        QCOMPARE(v, 12.5);
        QVERIFY(parseNumber(QStringLiteral("12.5"), &v));
        QVERIFY(!parseNumber(QStringLiteral("12,5,1"), &v));
        QVERIFY(!parseNumber(QString(), &v));
    }

    void escapedExceptionsAreShownAndTheProgramGoesOn()
    {
        QPushButton button;
        QObject::connect(&button, &QPushButton::clicked, [] {
            Command::run(&DataModule6->ADO_DB, QStringLiteral("select 1/0"));
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(messages->entries.size(), 1);
        QCOMPARE(messages->entries[0].caption, QStringLiteral("Табель"));
        QVERIFY(messages->entries[0].text.contains(QStringLiteral("division by zero")));
    }
};

TABEL_TEST_MAIN(TestPlatform)
#include "test_platform.moc"

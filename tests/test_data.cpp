// The shared data module on the real schema: every shared statement runs on
// the demo data and returns the fields the screens read; the helpers; and
// what the schema promises (defaults, the worker register kept in step,
// refusals explained).
#include "Command.h"
#include "Dataset.h"
#include "DbError.h"
#include "TestSupport.h"
#include "Unit6.h"

#include <QDate>

class TestData : public QObject {
    Q_OBJECT
    MessageRecorder *messages = nullptr;

    static void expectFields(Dataset *ds, const QStringList &fields)
    {
        for (const QString &f : fields)
            QVERIFY2(ds->fieldIndex(f) >= 0, qPrintable(ds->objectName() + ": no field " + f));
    }
    QDate busyDay()
    {
        return scalar(QStringLiteral("select data from accounts_dep.smena where smena = 1 group by data "
                                     "order by count(*) desc limit 1"))
            .toDate();
    }

private slots:
    void initTestCase()
    {
        DataModule6 = new TDataModule6(this);
        messages = recordMessages();
    }
    void init()
    {
        TestDb::create();
        messages->clear();
    }
    void cleanup() { TestDb::dropCurrent(); }

    void sharedListsReturnTheirFields()
    {
        const QList<QPair<Dataset *, QStringList>> lists{
            {DataModule6->Workers, {"id", "fio", "s_staffpos_hl"}},
            {DataModule6->Izdel, {"marka", "id", "nom", "massa", "id_class_item"}},
            {DataModule6->Oper, {"id", "marka", "vid", "naimen", "i_id", "oper_vid", "nmn", "norma", "cena", "s_caption"}},
            {DataModule6->Vid_oper, {"vid", "id"}},
        };
        for (const auto &l : lists) {
            l.first->open();
            QVERIFY2(l.first->recordCount() > 5, qPrintable(l.first->objectName()));
            expectFields(l.first, l.second);
            l.first->close();
        }
        // The price list shows only operations with norms, each with its lowest price.
        DataModule6->Oper->open();
        const int withNorms = scalar(QStringLiteral(
            "select count(distinct o.id) from accounts_dep.oper o join accounts_dep.norm n on n.o_id = o.id "
            "join accounts_dep.izdel i on i.id = o.i_id where i.id_class_item is not null")).toInt();
        QCOMPARE(DataModule6->Oper->recordCount(), withNorms);
        const int id = DataModule6->Oper->intValue(QStringLiteral("id"));
        QCOMPARE(DataModule6->Oper->number(QStringLiteral("cena")),
                 scalar(QStringLiteral("select min(price) from accounts_dep.norm where o_id = :id"), {{"id", id}}).toDouble());
        DataModule6->Oper->close();
    }

    void shiftListsSelectOneDayAndShift()
    {
        const QDate day = busyDay();
        for (int shift = 1; shift <= 4; ++shift) {
            Dataset *ds = DataModule6->ShiftList(shift);
            ds->setParam(QStringLiteral("DATA"), day);
            ds->setParam(QStringLiteral("ok"), QStringLiteral("ta"));
            ds->open();
            expectFields(ds, {"id", "data", "smena", "i_id", "o_id", "w_id", "cena", "fio", "marka", "vid", "nmn",
                              "naimen", "brak", "kol_vo", "summa", "prize", "color", "time", "ok", "vvod", "id_doc",
                              "id_doc_item", "f_gds_qty_use", "id_gds_use", "id_cons_use"});
            const int expected = scalar(QStringLiteral("select count(*) from accounts_dep.smena where data = :d and smena = :s"),
                                        {{"d", day}, {"s", shift}})
                                     .toInt();
            QCOMPARE(ds->recordCount(), expected);
            for (ds->first(); !ds->eof(); ds->next()) {
                QCOMPARE(ds->value(QStringLiteral("data")).toDate(), day);
                QCOMPARE(ds->intValue(QStringLiteral("smena")), shift);
            }
            ds->close();
        }
    }

    void shiftTimeSheetQueriesReturnMonthRows()
    {
        const QDate day = busyDay();
        const QDate first(day.year(), day.month(), 1);
        for (Dataset *ds : {DataModule6->H_Tabel_1, DataModule6->H_Tabel_2, DataModule6->H_Tabel_3}) {
            ds->setParam(QStringLiteral("mnth"), day.month());
            ds->setParam(QStringLiteral("yea"), day.year());
            ds->setParam(QStringLiteral("date1"), first);
            ds->setParam(QStringLiteral("date2"), first.addMonths(1));
            ds->open();
            QVERIFY(ds->recordCount() > 0);
            expectFields(ds, {"fio", "summ", "average_price", "cena_all", "w_id", "month", "year", "smena", "id", "i_type",
                              "i_night", "d1", "d31"});
            int sum = 0;
            for (int d = 1; d <= 31; ++d)
                sum += ds->intValue(QStringLiteral("d%1").arg(d));
            QCOMPARE(ds->intValue(QStringLiteral("summ")), sum);
            ds->close();
        }
    }

    void operationCommandsWriteTheirRow()
    {
        const int product = scalar(QStringLiteral("select min(id) from cmn_gds_and_srv.gds_and_srv where id > 7778")).toInt();
        const int kind = scalar(QStringLiteral("insert into accounts_dep.vid_oper (vid) values ('Гравировка') returning id")).toInt();
        Command *ins = DataModule6->Oper_ins;
        ins->setParam(QStringLiteral("oper_vid"), kind);
        ins->setParam(QStringLiteral("naimen"), 1);
        ins->setParam(QStringLiteral("i_id"), product);
        ins->setParam(QStringLiteral("cena_new"), QStringLiteral("0"));
        QCOMPARE(ins->execute(), 1);
        const int id = scalar(QStringLiteral("select max(id) from accounts_dep.oper")).toInt();
        Command *ed = DataModule6->Oper_ed;
        ed->setParam(QStringLiteral("oper_vid"), kind);
        ed->setParam(QStringLiteral("naimen"), 0);
        ed->setParam(QStringLiteral("i_id"), product);
        ed->setParam(QStringLiteral("cena_new"), QStringLiteral("12.5"));
        ed->setParam(QStringLiteral("id"), id);
        QCOMPARE(ed->execute(), 1);
        QCOMPARE(rows(QStringLiteral("select naimen, cena_new from accounts_dep.oper where id = :id"), {{"id", id}}),
                 (QList<QVariantList>{{0, 12.5}}));
        DataModule6->Oper_del->setParam(QStringLiteral("id"), id);
        QCOMPARE(DataModule6->Oper_del->execute(), 1);
    }

    void isDuplicateCounts_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("duplicate");
        QTest::newRow("none") << "нет такой марки" << false;
        QTest::newRow("one") << "Сейф СБ-45" << true;
        QTest::newRow("many") << "%" << true;
    }
    void isDuplicateCounts()
    {
        QFETCH(QString, mark);
        QFETCH(bool, duplicate);
        const bool answer = DataModule6->IsDuplicate(
            QStringLiteral("select count(*) as cnt from accounts_dep.izdel where marka like :m"),
            QStringLiteral("Такая марка изделия уже заведена!"), {{QStringLiteral("m"), mark}});
        QCOMPARE(answer, duplicate);
        QCOMPARE(messages->entries.size(), duplicate ? 1 : 0);
        if (duplicate) {
            QCOMPARE(messages->entries[0].text, QStringLiteral("Такая марка изделия уже заведена!"));
            QCOMPARE(messages->entries[0].caption, QStringLiteral("Ошибка"));
            QCOMPARE(messages->entries[0].icon, MessageIcon::Error);
        }
        QVERIFY(!DataModule6->Control->active());
    }

    void typedNamesCompareWithoutCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("duplicate");
        QTest::newRow("same") << "Сейф СБ-45" << true;
        QTest::newRow("other case, Cyrillic") << "СЕЙФ сб-45" << true;
        QTest::newRow("blanks around") << "  сейф сб-45 " << true;
        QTest::newRow("different") << "Сейф СБ-46" << false;
    }
    void typedNamesCompareWithoutCase()
    {
        QFETCH(QString, typed);
        QFETCH(bool, duplicate);
        QCOMPARE(DataModule6->IsDuplicateName(QStringLiteral("select marka from accounts_dep.izdel"), QStringLiteral("marka"),
                                              typed, QStringLiteral("Такая марка изделия уже заведена!")),
                 duplicate);
    }

    void dbDecimal_data()
    {
        QTest::addColumn<QString>("delim");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("delimAfter");
        QTest::newRow("comma kept for comma") << "," << "12,5" << "12,5" << ",";
        QTest::newRow("comma to point") << "." << "12,5" << "12.5" << ".";
        QTest::newRow("whole number unchanged") << "." << "12" << "12" << ".";
        QTest::newRow("point to comma") << "," << "12.5" << "12,5" << ",";
        QTest::newRow("empty delimiter becomes point") << "" << "12,5" << "12.5" << ".";
        QTest::newRow("empty delimiter, whole number") << "" << "12" << "12" << "";
        QTest::newRow("only the first separator") << "." << "1,2,3" << "1.2,3" << ".";
    }
    void dbDecimal()
    {
        QFETCH(QString, delim);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QFETCH(QString, delimAfter);
        DataModule6->DbDelim = delim;
        QCOMPARE(DataModule6->DbDecimal(text), result);
        QCOMPARE(DataModule6->DbDelim, delimAfter);
    }

    void shiftDayHoursFollowTheOutputRows()
    {
        const int worker = scalar(QStringLiteral("select min(id) from accounts_dep.person")).toInt();
        const QDate day(2031, 3, 14);
        const auto cell = [&](int d) {
            return scalar(QStringLiteral("select d%1 from accounts_dep.h_tabel where w_id = :w and smena = 2 and month = 3 "
                                         "and year = 2031").arg(d),
                          {{"w", worker}});
        };
        const auto addRow = [&](const QDate &on, int hours) {
            exec(QStringLiteral("insert into accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, "
                                "time, vvod, ok) select :w, o.i_id, o.id, 10, 5, 0, :d, 2, 0, :t, :d, 'no' from "
                                "accounts_dep.oper o where o.id > 7779 order by o.id limit 1 offset :n"),
                 {{"w", worker}, {"d", on}, {"t", hours}, {"n", hours}});
        };
        addRow(day, 3);
        DataModule6->SetShiftDayHours(worker, 2, day); // the month's row is created
        QCOMPARE(cell(14).toInt(), 3);
        addRow(day, 5);
        addRow(day.addDays(1), 8);
        DataModule6->SetShiftDayHours(worker, 2, day);
        DataModule6->SetShiftDayHours(worker, 2, day.addDays(1));
        QCOMPARE(cell(14).toInt(), 8);
        QCOMPARE(cell(15).toInt(), 8);
        exec(QStringLiteral("delete from accounts_dep.smena where w_id = :w and data = :d"), {{"w", worker}, {"d", day}});
        DataModule6->SetShiftDayHours(worker, 2, day);
        QVERIFY(cell(14).isNull());
        QCOMPARE(cell(15).toInt(), 8);
        QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.h_tabel where w_id = :w and smena = 2 and "
                                       "year = 2031"), {{"w", worker}}).toInt(), 1);
    }

    void workerRegisterStaysInStep()
    {
        exec(QStringLiteral("insert into accounts_dep.person (fio, s_staffpos_hl) values (:f, 'Маляр')"),
             {{"f", QStringLiteral("Новый Н.Н.")}});
        const int id = scalar(QStringLiteral("select max(id) from accounts_dep.person")).toInt();
        QCOMPARE(rows(QStringLiteral("select s_caption, s_code from cmn_contractor.person where id = :id"), {{"id", id}}),
                 (QList<QVariantList>{{QStringLiteral("Новый Н.Н."), QString::number(id)}}));
        exec(QStringLiteral("update accounts_dep.person set fio = 'Иной И.И.' where id = :id"), {{"id", id}});
        QCOMPARE(scalar(QStringLiteral("select s_caption from cmn_contractor.person where id = :id"), {{"id", id}}).toString(),
                 QStringLiteral("Иной И.И."));
        exec(QStringLiteral("delete from accounts_dep.person where id = :id"), {{"id", id}});
        QCOMPARE(scalar(QStringLiteral("select count(*) from cmn_contractor.person where id = :id"), {{"id", id}}).toInt(), 0);
    }

    void defaultsTheStatementsRelyOn()
    {
        exec(QStringLiteral("insert into accounts_dep.h_tabel (w_id, month, year, d1) values (1, 1, 2030, 4)"));
        QCOMPARE(rows(QStringLiteral("select smena, i_type, i_night from accounts_dep.h_tabel where year = 2030")),
                 (QList<QVariantList>{{0, 0, 0}}));
        exec(QStringLiteral("insert into cmn_classifier.item (s_caption, b_excluded) values ('Новая группа', 0)"));
        QCOMPARE(rows(QStringLiteral("select id_level, b_excluded from cmn_classifier.item where s_caption = 'Новая группа'")),
                 (QList<QVariantList>{{2, 0}}));
        QCOMPARE(scalar(QStringLiteral("select delim from accounts_dep.ver")).toString(), QStringLiteral("."));
        // Products are written to the goods table and read through izdel under the same id.
        exec(QStringLiteral("insert into cmn_gds_and_srv.gds_and_srv (s_caption, s_description, id_msm_bs, massa, id_class_item) "
                            "select 'ТЕСТ-1', '', 6, 1.5, id from cmn_classifier.item where s_caption = 'Новая группа'"));
        QCOMPARE(rows(QStringLiteral("select marka, nom, massa from accounts_dep.izdel where marka = 'ТЕСТ-1'")),
                 (QList<QVariantList>{{QStringLiteral("ТЕСТ-1"), QStringLiteral("Новая группа"), 1.5}}));
        QVERIFY(scalar(QStringLiteral("select count(*) from accounts_dep.izdel where id in (7777, 7778)")).toInt() == 2);
    }

    void moneyViewsPerGroupWorkerAndDay()
    {
        const auto total = [](const QString &sql) { return scalar(sql).toDouble(); };
        QCOMPARE(total(QStringLiteral("select round(sum(f_sum)::numeric, 2) from accounts_dep.v_nom_f")),
                 total(QStringLiteral("select round(sum(cnt * price)::numeric, 2) from accounts_dep.fatigue")));
        QCOMPARE(total(QStringLiteral("select round(sum(f_sum)::numeric, 2) from accounts_dep.v_nom_s")),
                 total(QStringLiteral("select round(sum((kol_vo - brak) * cena)::numeric, 2) from accounts_dep.smena")));
        QCOMPARE(rows(QStringLiteral("select id_nom, id_p, d_date, f_sum from accounts_dep.v_nom_s limit 1")).size(), 1);
    }

    void refusedDeleteIsExplained()
    {
        const int worker = scalar(QStringLiteral("select w_id from accounts_dep.smena limit 1")).toInt();
        try {
            exec(QStringLiteral("delete from accounts_dep.person where id = :id"), {{"id", worker}});
            QFAIL("a worker with output rows was deleted");
        } catch (const DbError &e) {
            QCOMPARE(e.sqlState(), QStringLiteral("23503"));
            QVERIFY(e.userText().startsWith(QStringLiteral("У работника есть записи выработки, удалить его нельзя.")));
        }
    }
};

TABEL_TEST_MAIN(TestData)
#include "test_data.moc"

// The shift register of the main window: which rows it lists, acceptance by
// double click, deletion with its time-sheet roll-up, the date and the shift.
#include "Command.h"
#include "DataGrid.h"
#include "DatePicker.h"
#include "Dataset.h"
#include "ShiftRegister.h"
#include "TestSupport.h"
#include "Unit6.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QDate kDay(2031, 3, 12); // a Wednesday
} // namespace

class TestRegister : public QObject {
    Q_OBJECT
    MessageRecorder *messages = nullptr;
    TShiftRegister *form = nullptr;
    int ivanov = 0, petrov = 0, product = 0, oper1 = 0, oper2 = 0;

    int addRow(int worker, int oper, const QDate &day, int shift, int hours, const QVariant &ok = QStringLiteral("no"))
    {
        return scalar(QStringLiteral("insert into accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, "
                                     "color, time, vvod, ok) values (:w, :i, :o, 10, 5, 0, :d, :s, 0, :t, :d, :ok) "
                                     "returning id"),
                      {{"w", worker}, {"i", product}, {"o", oper}, {"d", day}, {"s", shift}, {"t", hours}, {"ok", ok}})
            .toInt();
    }
    // Rows and time sheet as the register would have left them after saving.
    void rollUp(int worker, int shift, const QDate &day) { DataModule6->SetShiftDayHours(worker, shift, day); }
    QVariant cell(int worker, int day, int shift = 1)
    {
        return scalar(QStringLiteral("select d%1 from accounts_dep.h_tabel where w_id = :w and smena = :s and month = 3 "
                                     "and year = 2031").arg(day),
                      {{"w", worker}, {"s", shift}});
    }
    void showDay(const QDate &day)
    {
        form->DateT->setDate(day);
        form->DateTChange();
    }
    Dataset *list() { return form->DBGrid2->dataset(); }

private slots:
    void initTestCase()
    {
        DataModule6 = new TDataModule6(this);
        messages = recordMessages();
        form = new TShiftRegister;
        form->BindDataSources();
        form->show();
    }
    void cleanupTestCase() { delete form; }
    void init()
    {
        TestDb::create(QStringLiteral("tabel_bare"));
        messages->clear();
        messages->answers.clear();
        messages->defaultAnswer = true;
        form->UserRole = QStringLiteral("6352");
        form->RadioButton1->setChecked(true);
        for (int s = 1; s <= 4; ++s)
            DataModule6->ShiftList(s)->setParam(QStringLiteral("ok"), QStringLiteral("ta"));
        exec(QStringLiteral("insert into accounts_dep.person (fio, s_staffpos_hl) values ('Иванов И.И.', 'Маляр'), "
                            "('Петров П.П.', 'Сварщик')"));
        ivanov = scalar(QStringLiteral("select id from accounts_dep.person where fio = 'Иванов И.И.'")).toInt();
        petrov = scalar(QStringLiteral("select id from accounts_dep.person where fio = 'Петров П.П.'")).toInt();
        product = scalar(QStringLiteral("insert into cmn_gds_and_srv.gds_and_srv (s_caption, id_class_item) "
                                        "select 'ШМ-1', min(id) from cmn_classifier.item returning id")).toInt();
        exec(QStringLiteral("insert into accounts_dep.vid_oper (vid) values ('Сварка'), ('Покраска')"));
        oper1 = scalar(QStringLiteral("insert into accounts_dep.oper (vid, naimen, i_id) select id, 0, :p from "
                                      "accounts_dep.vid_oper where vid = 'Сварка' returning id"), {{"p", product}}).toInt();
        oper2 = scalar(QStringLiteral("insert into accounts_dep.oper (vid, naimen, i_id) select id, 1, :p from "
                                      "accounts_dep.vid_oper where vid = 'Покраска' returning id"), {{"p", product}}).toInt();
    }
    void cleanup()
    {
        for (int s = 1; s <= 4; ++s)
            DataModule6->ShiftList(s)->close();
        TestDb::dropCurrent();
    }

    void listsShowOnlyMarkedRowsOfNamedWorkers()
    {
        const int shown = addRow(ivanov, oper1, kDay, 1, 4);
        addRow(ivanov, oper2, kDay, 1, 4, QVariant()); // no mark: never listed
        const int nameless = addRow(petrov, oper1, kDay, 1, 4);
        exec(QStringLiteral("delete from cmn_contractor.person where id = :id"), {{"id", petrov}});
        addRow(ivanov, oper1, kDay.addDays(1), 1, 4);  // another day
        addRow(ivanov, oper1, kDay, 2, 4);             // another shift
        showDay(kDay);
        QCOMPARE(list()->recordCount(), 1);
        QCOMPARE(list()->intValue(QStringLiteral("id")), shown);
        QVERIFY(!list()->locate(QStringLiteral("id"), nameless));
        QCOMPARE(list()->text(QStringLiteral("fio")), QStringLiteral("Иванов И.И."));
        QCOMPARE(list()->text(QStringLiteral("nmn")), QStringLiteral("Готовая продукция"));
        QCOMPARE(DataModule6->Smena2->recordCount(), 1);
    }

    void choosingAShiftShowsItsList()
    {
        addRow(ivanov, oper1, kDay, 3, 4);
        showDay(kDay);
        QCOMPARE(list(), DataModule6->Smena1);
        QTest::mouseClick(form->RadioButton3, Qt::LeftButton);
        QCOMPARE(form->CurShift, 3);
        QCOMPARE(list(), DataModule6->Smena3);
        QCOMPARE(form->DBGrid2->model()->rowCount(), 1);
        QVERIFY(form->RadioButton3->font().bold());
        QVERIFY(!form->RadioButton1->font().bold());
        QCOMPARE(form->RadioButton3->palette().color(form->RadioButton3->backgroundRole()), QColor(0, 128, 0));
    }

    void dateDecidesTheDayOffBox_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("dayOff");
        QTest::newRow("saturday") << QDate(2031, 3, 15) << true;
        QTest::newRow("sunday") << QDate(2031, 3, 16) << true;
        QTest::newRow("monday") << QDate(2031, 3, 17) << false;
    }
    void dateDecidesTheDayOffBox()
    {
        QFETCH(QDate, day);
        QFETCH(bool, dayOff);
        form->CBox1->setChecked(!dayOff);
        form->DateT->setDate(day);
        QTest::keyClick(form->DateT, Qt::Key_Return);
        QCOMPARE(form->CBox1->isChecked(), dayOff);
        QCOMPARE(form->CBox1->font().bold(), dayOff);
        QCOMPARE(DataModule6->Smena1->param(QStringLiteral("data")).toDate(), day);
    }

    void doubleClickTogglesAcceptance_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("not accepted becomes ok") << "6352" << "no" << "ok";
        QTest::newRow("ok becomes no") << "6352" << "ok" << "no";
        QTest::newRow("да counts as accepted") << "36172503" << "да" << "no";
        QTest::newRow("foreman changes nothing") << "brovnik" << "no" << "no";
        QTest::newRow("warehouse may accept") << "tumop" << "no" << "ok";
    }
    void doubleClickTogglesAcceptance()
    {
        QFETCH(QString, role);
        QFETCH(QString, before);
        QFETCH(QString, after);
        addRow(ivanov, oper1, kDay, 1, 4);
        const int id = addRow(petrov, oper2, kDay, 1, 4, before);
        showDay(kDay);
        form->UserRole = role;
        QVERIFY(list()->locate(QStringLiteral("id"), id));
        const int at = list()->recNo();
        const QRect cell = form->DBGrid2->visualRect(form->DBGrid2->model()->index(at - 1, 0));
        QTest::mouseDClick(form->DBGrid2->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(scalar(QStringLiteral("select ok from accounts_dep.smena where id = :id"), {{"id", id}}).toString(), after);
        QCOMPARE(list()->recNo(), at);
        QCOMPARE(list()->text(QStringLiteral("ok")), after);
    }

    void acceptanceMarkColours()
    {
        addRow(ivanov, oper1, kDay, 1, 4, QStringLiteral("да"));
        addRow(petrov, oper1, kDay, 1, 4, QStringLiteral("no"));
        showDay(kDay);
        QAbstractItemModel *m = form->DBGrid2->model();
        const int okColumn = 10;
        QCOMPARE(m->headerData(okColumn, Qt::Horizontal).toString(), QStringLiteral("OK"));
        QCOMPARE(m->data(m->index(0, okColumn), Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 0));
        QCOMPARE(m->data(m->index(1, okColumn), Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
        QVERIFY(m->data(m->index(1, okColumn), Qt::FontRole).value<QFont>().bold());
        QVERIFY(!m->data(m->index(1, 0), Qt::ForegroundRole).isValid());
    }

    void emptyListIgnoresAcceptAndDelete()
    {
        showDay(kDay);
        form->DBGrid2DblClick();
        form->Button3Click();
        QVERIFY(messages->entries.isEmpty());
    }

    void deletingKeepsTheTimeSheetInStep()
    {
        const int first = addRow(ivanov, oper1, kDay, 1, 3);
        addRow(ivanov, oper2, kDay, 1, 5);
        addRow(ivanov, oper1, kDay.addDays(1), 1, 8);
        rollUp(ivanov, 1, kDay);
        rollUp(ivanov, 1, kDay.addDays(1));
        QCOMPARE(cell(ivanov, 12).toInt(), 8);
        showDay(kDay);

        QVERIFY(list()->locate(QStringLiteral("id"), first));
        QTest::mouseClick(form->Button3, Qt::LeftButton);
        QCOMPARE(messages->entries.size(), 1);
        QCOMPARE(messages->entries[0].text, QStringLiteral("Удалить позицию из списка?"));
        QCOMPARE(messages->entries[0].caption, QStringLiteral("Удаление"));
        QCOMPARE(messages->entries[0].icon, MessageIcon::Question);
        QCOMPARE(cell(ivanov, 12).toInt(), 5); // the remaining row's hours
        QCOMPARE(list()->recordCount(), 1);

        form->Button3Click(); // the worker's last row of the day
        QVERIFY(cell(ivanov, 12).isNull());
        QCOMPARE(cell(ivanov, 13).toInt(), 8); // his other days keep their hours
        QCOMPARE(list()->recordCount(), 0);
    }

    void answeringNoDeletesNothing()
    {
        const int id = addRow(ivanov, oper1, kDay, 1, 3);
        rollUp(ivanov, 1, kDay);
        showDay(kDay);
        messages->answers = {false};
        form->Button3Click();
        QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.smena where id = :id"), {{"id", id}}).toInt(), 1);
        QCOMPARE(cell(ivanov, 12).toInt(), 3);
        QCOMPARE(list()->recordCount(), 1);
    }

    void failedDeleteLeavesRowAndTimeSheet()
    {
        const int id = addRow(ivanov, oper1, kDay, 1, 3);
        addRow(ivanov, oper2, kDay, 1, 2);
        rollUp(ivanov, 1, kDay);
        showDay(kDay);
        QVERIFY(list()->locate(QStringLiteral("id"), id));
        // The roll-up fails after the delete: both must stay undone.
        exec(QStringLiteral("create function accounts_dep.refuse() returns trigger language plpgsql as "
                            "$$ begin raise exception 'time sheet locked'; end $$; "
                            "create trigger refuse before update on accounts_dep.h_tabel for each row "
                            "execute function accounts_dep.refuse()"));
        QTest::mouseClick(form->Button3, Qt::LeftButton);
        QCOMPARE(messages->entries.size(), 2);
        QVERIFY(messages->entries[1].text.contains(QStringLiteral("time sheet locked")));
        QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.smena where id = :id"), {{"id", id}}).toInt(), 1);
        QCOMPARE(cell(ivanov, 12).toInt(), 5);
        QCOMPARE(list()->recordCount(), 2);
    }

    void droppedConnectionIsOpenedAgain()
    {
        addRow(ivanov, oper1, kDay, 1, 3);
        showDay(kDay);
        try {
            exec(QStringLiteral("select pg_terminate_backend(pg_backend_pid())"));
        } catch (const std::exception &) {
        }
        addRow(ivanov, oper2, kDay, 1, 3);
        QTest::mouseClick(form->Button8, Qt::LeftButton);
        QVERIFY(messages->entries.isEmpty());
        QCOMPARE(list()->recordCount(), 2);
    }

    void lostServerKeepsTheLists()
    {
        addRow(ivanov, oper1, kDay, 1, 3);
        showDay(kDay);
        TestDb::allowConnections(false);
        try {
            exec(QStringLiteral("select pg_terminate_backend(pg_backend_pid())")); // the server drops us
        } catch (const std::exception &) {
        }
        QTest::mouseClick(form->Button8, Qt::LeftButton);
        QCOMPARE(messages->entries.size(), 1);
        QVERIFY2(messages->entries[0].text.startsWith(QStringLiteral("Нет связи с базой данных.")),
                 qPrintable(messages->entries[0].text));
        QCOMPARE(list()->recordCount(), 1);
        QVERIFY(form->isVisible());
    }
};

TABEL_TEST_MAIN(TestRegister)
#include "test_register.moc"

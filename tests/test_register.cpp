// The shift register of the main window: which rows it lists, acceptance by
// double click, deletion with its time-sheet roll-up, the date and the shift.
#include "Command.h"
#include "DataGrid.h"
#include "DatePicker.h"
#include "Dataset.h"
#include "Format.h"
#include "RadioGroup.h"
#include "ShiftRegister.h"
#include "TestSupport.h"
#include "Unit11.h"
#include "Unit132.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

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

    static void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    // Fills the editor as the choosers would, for cases about the save itself.
    void fill(int worker, int oper, const QString &quantity, const QString &hours, const QString &colour = QString(),
              double price = 10)
    {
        Form11->WorkerId = worker;
        Form11->Edit1->setText(scalar(QStringLiteral("select fio from accounts_dep.person where id = :id"), {{"id", worker}})
                                   .toString());
        Form11->OperId = oper;
        Form11->ProductId = product;
        Form11->Price = price;
        Form11->Edit2->setText(oper == oper2 ? QStringLiteral("ШМ-1; Покраска; Заготовки")
                                             : QStringLiteral("ШМ-1; Сварка; Готовая продукция"));
        Form11->Edit5->setEnabled(oper == oper2);
        Form11->Edit3->setText(quantity);
        Form11->Edit6->setText(hours);
        Form11->Edit5->setText(colour);
    }
    // Opens the editor for a new row and runs `body` in it.
    void newRow(const std::function<void(QWidget *)> &body) { withModal([this] { form->Button1Click(); }, body); }
    void changeRow(const std::function<void(QWidget *)> &body) { withModal([this] { form->Button2Click(); }, body); }
    int rowCount(const QString &where = QStringLiteral("true"))
    {
        return scalar(QStringLiteral("select count(*) from accounts_dep.smena where ") + where).toInt();
    }

private slots:
    void initTestCase()
    {
        DataModule6 = new TDataModule6(this);
        messages = recordMessages();
        form = new TShiftRegister;
        form->BindDataSources();
        new TForm4(form);
        new TForm5(form);
        new TForm11(form);
        new TForm132(form);
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
        exec(QStringLiteral("insert into accounts_dep.norm (o_id, norma, price) values (:a, 10, 10), (:a, 20, 12.5), "
                            "(:b, 10, 50)"),
             {{"a", oper1}, {"b", oper2}});
        form->CBox1->setChecked(false);
        form->DateT->setDate(kDay);
        form->DateTChange();
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

// ---------------------------------------------------------------- the output position editor
public:
    void saveAndCheck(const QString &quantity, const QString &hours, const QString &colour, int oper, bool saved)
    {
        const int before = rowCount();
        newRow([&](QWidget *editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("Заведение новой позиции (11)"));
            fill(ivanov, oper, quantity, hours, colour);
            click(Form11->Button1);
        });
        QCOMPARE(rowCount(), before + (saved ? 1 : 0));
        QCOMPARE(messages->texts(), saved ? QStringList{} : QStringList{QStringLiteral("Все поля должны быть заполнены!")});
    }

private slots:
    void saveValidation_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<bool>("painting");
        QTest::addColumn<bool>("saved");
        QTest::newRow("complete") << "10" << "8" << "" << false << true;
        QTest::newRow("quantity empty") << "" << "8" << "" << false << false;
        QTest::newRow("quantity 0") << "0" << "8" << "" << false << false;
        QTest::newRow("hours empty") << "10" << "" << "" << false << false;
        QTest::newRow("hours 0") << "10" << "0" << "" << false << false;
        QTest::newRow("painting without colour") << "10" << "8" << "" << true << false;
        QTest::newRow("painting with colour") << "10" << "8" << "9016" << true << true;
    }
    void saveValidation()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, hours);
        QFETCH(QString, colour);
        QFETCH(bool, painting);
        QFETCH(bool, saved);
        saveAndCheck(quantity, hours, colour, painting ? oper2 : oper1, saved);
        if (saved)
            QCOMPARE(scalar(QStringLiteral("select color from accounts_dep.smena")).toInt(), colour.toInt());
    }

    void savedRowIsWrittenAndLocked()
    {
        form->RadioButton3->setChecked(true);
        form->CBox1->setChecked(true);
        newRow([&](QWidget *editor) {
            fill(petrov, oper1, QStringLiteral("12"), QStringLiteral("6"), QString(), 12.3456);
            Form11->Edit4->setText(QStringLiteral("2"));
            click(Form11->Button1);
            QVERIFY(editor->isVisible());
            QVERIFY(!Form11->Button1->isEnabled());
            QVERIFY(!Form11->Edit3->isEnabled());
            QVERIFY(!Form11->Button3->isEnabled());
            QVERIFY(Form11->CheckBox1->isEnabled());
            QVERIFY(!Form11->Button5->isEnabled());
            Form11->CheckBox1->setChecked(true); // "Доп. оплата" offers the split
            QVERIFY(Form11->Button5->isEnabled());
        });
        QCOMPARE(rows(QStringLiteral("select w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok, prize "
                                     "from accounts_dep.smena")),
                 (QList<QVariantList>{{petrov, product, oper1, 12.3456, 12.0, 2, kDay, 3, 0, 6, QDate::currentDate(),
                                       QStringLiteral("no"), 0.0}}));
        QCOMPARE(list()->recordCount(), 1); // the register shows it at once
        QCOMPARE(Form11->NewRowId, scalar(QStringLiteral("select id from accounts_dep.smena")).toInt());
    }

    void defectsCannotExceedTheQuantity()
    {
        newRow([&](QWidget *editor) {
            fill(ivanov, oper1, QStringLiteral("3"), QStringLiteral("8"));
            Form11->Edit4->setText(QStringLiteral("4"));
            click(Form11->Button1);
            QVERIFY(editor->isVisible());
        });
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Брак не может быть больше количества!")});
        QCOMPARE(rowCount(), 0);
    }

    void duplicatesAreRefused()
    {
        for (const QString &colour : {QStringLiteral("9016"), QStringLiteral("9016"), QStringLiteral("3020")})
            newRow([&](QWidget *) {
                fill(ivanov, oper2, QStringLiteral("5"), QStringLiteral("2"), colour);
                click(Form11->Button1);
            });
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Позиция с такими параметрами уже заведена!")});
        QCOMPARE(rowCount(), 2);
        // A change without changes passes its own check.
        messages->clear();
        form->DateTChange();
        changeRow([&](QWidget *editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("Изменение данных о позиции (11)"));
            QVERIFY(Form11->Edit5->isEnabled());
            click(Form11->Button1);
            QVERIFY(!Form11->Button1->isEnabled());
        });
        QVERIFY(messages->entries.isEmpty());
        QCOMPARE(rowCount(), 2);
    }

    void timeSheetFollowsTheSaves()
    {
        newRow([&](QWidget *) {
            fill(ivanov, oper1, QStringLiteral("5"), QStringLiteral("3"));
            click(Form11->Button1);
        });
        QCOMPARE(rows(QStringLiteral("select smena, month, year, d12, coalesce(d1, d11, d13, d31) is null from "
                                     "accounts_dep.h_tabel where w_id = :w"), {{"w", ivanov}}),
                 (QList<QVariantList>{{1, 3, 2031, 3, true}}));
        newRow([&](QWidget *) {
            fill(ivanov, oper2, QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("7035"));
            click(Form11->Button1);
        });
        QCOMPARE(cell(ivanov, 12).toInt(), 7);
        // Moving a row to another day takes its hours along.
        form->DateTChange();
        QVERIFY(list()->locate(QStringLiteral("o_id"), oper2));
        changeRow([&](QWidget *) {
            Form11->DTimeP->setDate(kDay.addDays(2));
            click(Form11->Button1);
        });
        QCOMPARE(cell(ivanov, 12).toInt(), 3);
        QCOMPARE(cell(ivanov, 14).toInt(), 4);
        QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.h_tabel where w_id = :w"), {{"w", ivanov}}).toInt(), 1);
    }

    void changingTheWorkerMovesTheHours()
    {
        newRow([&](QWidget *) {
            fill(ivanov, oper1, QStringLiteral("5"), QStringLiteral("6"));
            click(Form11->Button1);
        });
        form->DateTChange();
        changeRow([&](QWidget *) {
            Form11->WorkerId = petrov;
            Form11->Edit1->setText(QStringLiteral("Петров П.П."));
            click(Form11->Button1);
        });
        QVERIFY(cell(ivanov, 12).isNull());
        QCOMPARE(cell(petrov, 12).toInt(), 6);
    }

    void priceHandOverThroughTheChooser_data()
    {
        QTest::addColumn<bool>("dayOff");
        QTest::addColumn<int>("shift");
        QTest::addColumn<double>("price");
        QTest::newRow("working day, shift 1") << false << 1 << 10.0;
        QTest::newRow("working day, shift 3") << false << 3 << 12.0;
        QTest::newRow("working day, overtime") << false << 4 << 15.0;
        QTest::newRow("day off, shift 2") << true << 2 << 20.0;
        QTest::newRow("day off, overtime") << true << 4 << 30.0;
    }
    void priceHandOverThroughTheChooser()
    {
        QFETCH(bool, dayOff);
        QFETCH(int, shift);
        QFETCH(double, price);
        QList<QRadioButton *> shifts{form->RadioButton1, form->RadioButton2, form->RadioButton3, form->RadioButton4};
        shifts[shift - 1]->setChecked(true);
        form->CBox1->setChecked(dayOff);
        newRow([&](QWidget *) {
            withModal([] { click(Form11->Button4); },
                      [&](QWidget *chooser) {
                          QCOMPARE(chooser, static_cast<QWidget *>(Form4));
                          QCOMPARE(Form4->Button2->text(), QStringLiteral("Выбрать"));
                          QVERIFY(DataModule6->Oper->locate(QStringLiteral("id"), oper1));
                          QCOMPARE(DataModule6->Oper->number(QStringLiteral("cena")), 10.0); // the lowest norm
                          click(Form4->Button2);
                      });
            QCOMPARE(Form11->Price, price);
            QCOMPARE(Form11->OperId, oper1);
            QCOMPARE(Form11->ProductId, product);
            QCOMPARE(Form11->Edit2->text(), QStringLiteral("ШМ-1; Сварка; Готовая продукция"));
            QCOMPARE(Form11->Edit7->text(), FloatToStr(price));
            QCOMPARE(Form11->Edit8->text(), QStringLiteral("10"));
            QVERIFY(!Form11->Edit5->isEnabled()); // no colour for a non-painting operation
            withModal([] { click(Form11->Button4); },
                      [&](QWidget *) {
                          QVERIFY(DataModule6->Oper->locate(QStringLiteral("id"), oper2));
                          QTest::keyClick(Form4->Edit1, Qt::Key_Return);
                      });
            QVERIFY(Form11->Edit5->isEnabled()); // painting: the colour is needed
            QCOMPARE(Form11->Price, OperationPrice(50, dayOff, shift));
        });
    }

    void workerChooserHandsOverTheName()
    {
        newRow([&](QWidget *) {
            withModal([] { click(Form11->Button3); },
                      [&](QWidget *chooser) {
                          QCOMPARE(chooser, static_cast<QWidget *>(Form5));
                          QVERIFY(!Form5->Button1->isVisible());
                          typeText(Form5->Edit1, QStringLiteral("пет"));
                          QCOMPARE(DataModule6->Workers->recordCount(), 1);
                          QTest::keyClick(Form5->Edit1, Qt::Key_Return);
                      });
            QCOMPARE(Form11->Edit1->text(), QStringLiteral("Петров П.П."));
            QCOMPARE(Form11->WorkerId, petrov);
        });
    }

    // Splits a saved row of quantity 10, no defects, price 50 and 8 hours.
    void splitRow(const std::function<void(QWidget *)> &inSplit)
    {
        newRow([&](QWidget *editor) {
            fill(ivanov, oper2, QStringLiteral("10"), QStringLiteral("8"), QStringLiteral("9016"), 50);
            click(Form11->Button1);
            Form11->CheckBox1->setChecked(true);
            inSplit(editor);
        });
    }
    void addAssistant(int worker, const QString &hours)
    {
        withModal([] { click(Form11->Button5); },
                  [&](QWidget *chooser) {
                      QCOMPARE(Form5->Tag, 11);
                      QVERIFY(DataModule6->Workers->locate(QStringLiteral("id"), worker));
                      withModal([] { click(Form5->Button2); },
                                [&](QWidget *dialog) {
                                    QCOMPARE(dialog->windowTitle(), QStringLiteral("Ввод данных (132)"));
                                    QCOMPARE(Form132->Label1->text(), DataModule6->Workers->text(QStringLiteral("fio")));
                                    Form132->Edit1->setText(hours);
                                    click(Form132->Button1);
                                });
                      QVERIFY(!chooser->isVisible());
                  });
    }

    void splitAmongAssistingWorkers()
    {
        exec(QStringLiteral("insert into accounts_dep.person (fio, s_staffpos_hl) values ('Сидоров С.С.', 'Маляр')"));
        const int sidorov = scalar(QStringLiteral("select id from accounts_dep.person where fio = 'Сидоров С.С.'")).toInt();
        splitRow([&](QWidget *editor) {
            QCOMPARE(Form11->RadioGroup1->itemIndex(), 0);
            addAssistant(petrov, QStringLiteral("4"));
            QCOMPARE(Form11->AssistRate, 43.75);
            Form11->RadioGroup1->setItemIndex(1);
            addAssistant(sidorov, QStringLiteral("4"));
            QCOMPARE(Form11->AssistRate, 75.0);
            QCOMPARE(Form11->person->recordCount(), 2);
            QCOMPARE(Form11->WorkerId, ivanov); // the main worker stays the row's
            click(Form11->Button6);
            QVERIFY(!editor->isVisible());
        });
        QCOMPARE(rows(QStringLiteral("select w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, ok from "
                                     "accounts_dep.smena where o_id = 7779 order by cena")),
                 (QList<QVariantList>{{petrov, product, 7779, 175.0, 1.0, 0, kDay, 1, 9016, 4, QStringLiteral("no")},
                                      {sidorov, product, 7779, 300.0, 1.0, 0, kDay, 1, 9016, 4, QStringLiteral("no")}}));
        QCOMPARE(rowCount(QStringLiteral("o_id <> 7779")), 1);
        QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.person_temp")).toInt(), 0);
        QCOMPARE(cell(petrov, 12).toInt(), 4);
        QCOMPARE(cell(sidorov, 12).toInt(), 4);
        QCOMPARE(cell(ivanov, 12).toInt(), 8);
    }

    void splitSavedEmptyOrCancelledWritesNothing()
    {
        splitRow([&](QWidget *editor) {
            click(Form11->Button6);
            QVERIFY(!editor->isVisible());
        });
        splitRow([&](QWidget *) {
            fill(petrov, oper1, QStringLiteral("10"), QStringLiteral("8"), QString(), 50);
        });
        QCOMPARE(rowCount(QStringLiteral("o_id = 7779")), 0);
        splitRow([&](QWidget *) {}); // a duplicate: nothing saved, nothing to split
        messages->clear();
        newRow([&](QWidget *) {
            fill(petrov, oper2, QStringLiteral("10"), QStringLiteral("8"), QStringLiteral("5015"), 50);
            click(Form11->Button1);
            Form11->CheckBox1->setChecked(true);
            addAssistant(ivanov, QStringLiteral("2"));
            QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.person_temp")).toInt(), 1);
            messages->answers = {false};
            click(Form11->Button7); // answering No keeps the entry
            QCOMPARE(Form11->person->recordCount(), 1);
            click(Form11->Button2); // "Отмена"
        });
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Удалить позицию из списка?")});
        QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.person_temp")).toInt(), 0);
        QCOMPARE(rowCount(QStringLiteral("o_id = 7779")), 0);
    }

    void valueDialogRefusesEmptyAndZero()
    {
        splitRow([&](QWidget *) {
            withModal([] { click(Form11->Button5); },
                      [&](QWidget *chooser) {
                          QVERIFY(DataModule6->Workers->locate(QStringLiteral("id"), petrov));
                          withModal([] { click(Form5->Button2); },
                                    [&](QWidget *dialog) {
                                        click(Form132->Button1); // empty: one message, the dialog stays
                                        QVERIFY(dialog->isVisible());
                                        Form132->Edit1->setText(QStringLiteral("0"));
                                        click(Form132->Button1);
                                        QVERIFY(!dialog->isVisible());
                                    });
                          QVERIFY(chooser->isVisible()); // nothing handed over
                          QCOMPARE(Form5->Chosen, 0);
                      });
            QCOMPARE(Form11->person->recordCount(), 0);
        });
        QCOMPARE(messages->texts(), (QStringList{QStringLiteral("Введите количество отработанных часов!"),
                                                 QStringLiteral("Значение должно быть больше 0!")}));
    }

    void copyOpensAsAChangeAndSavesANewRow()
    {
        addRow(ivanov, oper1, kDay, 1, 5);
        form->DateTChange();
        Form11->Tag = 3;
        changeRow([&](QWidget *editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("Изменение данных о позиции (11)"));
            QCOMPARE(Form11->Edit1->text(), QStringLiteral("Иванов И.И."));
            Form11->Edit3->setText(QStringLiteral("7"));
            Form11->WorkerId = petrov; // the copy goes to another worker
            click(Form11->Button1);
        });
        Form11->Tag = 0;
        QCOMPARE(rows(QStringLiteral("select w_id, kol_vo from accounts_dep.smena order by id")),
                 (QList<QVariantList>{{ivanov, 5.0}, {petrov, 7.0}}));
    }

    void assistingRowsOpenAndKeepTheirOperation()
    {
        const int row = addRow(petrov, 7779, kDay, 1, 4);
        exec(QStringLiteral("update accounts_dep.smena set cena = 175, kol_vo = 1, color = 9016 where id = :id"), {{"id", row}});
        exec(QStringLiteral("insert into accounts_dep.oper (id, vid, naimen, i_id) overriding system value select 7779, "
                            "7779, 0, 7777 where not exists (select 1 from accounts_dep.oper where id = 7779)"));
        form->DateTChange();
        QVERIFY(list()->locate(QStringLiteral("id"), row));
        changeRow([&](QWidget *) {
            QVERIFY(!Form11->Button4->isEnabled());
            Form11->Edit6->setText(QStringLiteral("3"));
            click(Form11->Button1);
        });
        QCOMPARE(rows(QStringLiteral("select o_id, cena, time, color from accounts_dep.smena where id = :id"), {{"id", row}}),
                 (QList<QVariantList>{{7779, 175.0, 3, 9016}}));
    }

    void editorClosesWhenTheServerIsGone()
    {
        newRow([&](QWidget *editor) {
            TestDb::allowConnections(false);
            try {
                exec(QStringLiteral("select pg_terminate_backend(pg_backend_pid())"));
            } catch (const std::exception &) {
            }
            QTest::mouseClick(Form11->Button2, Qt::LeftButton);
            QVERIFY(!editor->isVisible());
        });
        QCOMPARE(messages->entries.size(), 1);
        QVERIFY(messages->entries[0].text.startsWith(QStringLiteral("Нет связи с базой данных.")));
        TestDb::allowConnections(true);
    }

    void twoCopiesCannotBothSaveTheSameRow()
    {
        // Another copy is saving the same row and holds the day until it commits.
        const QString db = scalar(QStringLiteral("select current_database()")).toString();
        const QString key = QStringLiteral("%1:1:%2").arg(ivanov).arg(kDay.toString(Qt::ISODate));
        QProcess other;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PGPASSWORD"), QStringLiteral("qmtvrok"));
        other.setProcessEnvironment(env);
        other.start(QStringLiteral("psql"),
                    {QStringLiteral("-h"), TestDb::host(), QStringLiteral("-U"), QStringLiteral("sys"), QStringLiteral("-d"), db,
                     QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-c"),
                     QStringLiteral("begin; select pg_advisory_xact_lock(7701, hashtext('%1')); insert into accounts_dep.smena "
                                    "(w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time, vvod, ok) values "
                                    "(%2, %3, %4, 10, 5, 0, '%5', 1, 0, 8, current_date, 'no'); select pg_sleep(1); commit;")
                         .arg(key).arg(ivanov).arg(product).arg(oper1).arg(kDay.toString(Qt::ISODate))});
        QElapsedTimer clock;
        clock.start();
        while (scalar(QStringLiteral("select count(*) from pg_locks where locktype = 'advisory' and granted")).toInt() == 0) {
            QVERIFY(clock.elapsed() < 10000);
            QTest::qWait(20);
        }
        newRow([&](QWidget *) {
            fill(ivanov, oper1, QStringLiteral("5"), QStringLiteral("8"));
            click(Form11->Button1);
        });
        QVERIFY(other.waitForFinished(10000));
        QCOMPARE(other.exitCode(), 0);
        QCOMPARE(messages->texts(), QStringList{QStringLiteral("Позиция с такими параметрами уже заведена!")});
        QCOMPARE(rowCount(), 1);
    }
};

TABEL_TEST_MAIN(TestRegister)
#include "test_register.moc"

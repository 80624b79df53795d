// The reference lists and their editors, opened from the main menu as a user
// does: workers, operation kinds, nomenclature groups, products.
#include "DataGrid.h"
#include "Dataset.h"
#include "Lookup.h"
#include "Screens.h"
#include "TestSupport.h"
#include "ExcelLink.h"
#include "Unit1.h"
#include "Unit10.h"
#include "Unit22.h"
#include "Unit4.h"
#include "Unit2.h"
#include "Unit26.h"
#include "Unit29.h"
#include "Unit3.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

class TestReference : public QObject {
    Q_OBJECT
    MessageRecorder *messages = nullptr;

    static void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    static QStringList column(Dataset *ds, const QString &field)
    {
        QStringList out;
        for (int r = 0; r < ds->recordCount(); ++r)
            out << ds->valueAt(r, ds->fieldIndex(field)).toString();
        return out;
    }
    int count(const QString &sql, const QList<QPair<QString, QVariant>> &binds = {})
    {
        return scalar(sql, binds).toInt();
    }
    // Opens a list from the menu, runs `body` in it, and closes it if still open.
    void fromMenu(QAction *item, const std::function<void(QWidget *)> &body) { withModal([item] { item->trigger(); }, body); }
    // Presses a button that opens an editor, and runs `body` in the editor.
    void inEditor(QPushButton *opener, const std::function<void(QWidget *)> &body)
    {
        withModal([opener] { click(opener); }, body);
    }
    int idOf(const QString &sql) { return scalar(sql).toInt(); }

private slots:
    void initTestCase()
    {
        messages = recordMessages();
        Application::setTerminateHook([] {});
    }
    void init()
    {
        const QString db = TestDb::createCopy();
        new TForm1({db, TestDb::host()}, QStringLiteral("Jan  1 2026"), QStringLiteral("00:00:00"));
        CreateScreens();
        messages->clear();
        messages->answers.clear();
        messages->defaultAnswer = true;
    }
    void cleanup()
    {
        QCOMPARE(modalTimeouts(), 0);
        delete Form1;
        TestDb::dropCurrent();
    }

    // ---------------------------------------------------------------- workers

    void workerAddChangeDelete()
    {
        const QString name = QStringLiteral("О'Брайен \\ Ёлкин А.А.");
        fromMenu(Form1->N1, [&](QWidget *list) {
            QCOMPARE(list, static_cast<QWidget *>(Form5));
            QCOMPARE(Form5->Button2->text(), QStringLiteral("Изменить"));
            inEditor(Form5->Button1, [&](QWidget *editor) {
                QCOMPARE(editor->windowTitle(), QStringLiteral("Заведение данных нового работника"));
                Form2->Edit1->setText(QStringLiteral("  ") + name + QStringLiteral(" "));
                Form2->LCB_department->setCurrentIndex(Form2->LCB_department->findText(QStringLiteral("Участок покраски")));
                click(Form2->Button1);
            });
            QCOMPARE(DataModule6->Workers->recNo(), 1);
            QVERIFY(column(DataModule6->Workers, QStringLiteral("fio")).contains(name));
        });
        QCOMPARE(rows(QStringLiteral("select s_staffpos_hl from accounts_dep.person where fio = :f"), {{"f", name}}),
                 (QList<QVariantList>{{QStringLiteral("Участок покраски")}}));

        fromMenu(Form1->N1, [&](QWidget *) {
            QVERIFY(DataModule6->Workers->locate(QStringLiteral("fio"), name));
            inEditor(Form5->Button2, [&](QWidget *editor) {
                QCOMPARE(editor->windowTitle(), QStringLiteral("Изменение данных работника"));
                QCOMPARE(Form2->Edit1->text(), name);
                Form2->Edit1->setText(QStringLiteral("Ёлкин Б.Б."));
                click(Form2->Button1);
            });
            QVERIFY(!Form5->isVisible()); // a change closes the list
        });
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.person where fio = 'Ёлкин Б.Б.'")), 1);

        fromMenu(Form1->N1, [&](QWidget *) {
            QVERIFY(DataModule6->Workers->locate(QStringLiteral("fio"), QStringLiteral("Ёлкин Б.Б.")));
            const int at = DataModule6->Workers->recNo();
            click(Form5->Button3);
            QCOMPARE(messages->texts().last(), QStringLiteral("Удалить работника?"));
            QCOMPARE(DataModule6->Workers->recNo(), at);
        });
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.person where fio = 'Ёлкин Б.Б.'")), 0);
    }

    void workerEditorRefusesAnEmptyName()
    {
        const int before = count(QStringLiteral("select count(*) from accounts_dep.person"));
        fromMenu(Form1->N1, [&](QWidget *) {
            inEditor(Form5->Button1, [&](QWidget *editor) {
                Form2->Edit1->setText(QStringLiteral("   "));
                click(Form2->Button1);
                QCOMPARE(messages->texts(), QStringList{QStringLiteral("ФИО нужно заполнить!")});
                QVERIFY(editor->isVisible());
            });
        });
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.person")), before);
    }

    void cancelledChangeStillClosesTheList()
    {
        const QStringList before = column(DataModule6->Workers, QStringLiteral("fio"));
        fromMenu(Form1->N1, [&](QWidget *) {
            DataModule6->Workers->setRecNo(3);
            inEditor(Form5->Button2, [&](QWidget *) { click(Form2->Button2); });
            QVERIFY(!Form5->isVisible());
        });
        QVERIFY(messages->entries.isEmpty());
    }

    void workerFilterByFirstLettersSurvivesReopening()
    {
        fromMenu(Form1->N1, [&](QWidget *) {
            typeText(Form5->Edit1, QStringLiteral("ко"));
            QCOMPARE(column(DataModule6->Workers, QStringLiteral("fio")),
                     (QStringList{QStringLiteral("Ковалёв М.С."), QStringLiteral("Козлов Г.В.")}));
            QTest::keyClick(Form5->Edit1, Qt::Key_Down);
            QCOMPARE(DataModule6->Workers->text(QStringLiteral("fio")), QStringLiteral("Козлов Г.В."));
            QTest::keyClick(Form5->Edit1, Qt::Key_Left); // caret keys do nothing
            typeText(Form5->Edit1, QStringLiteral("з"));
            QCOMPARE(Form5->Edit1->text(), QStringLiteral("коз"));
            QCOMPARE(DataModule6->Workers->recordCount(), 1);
        });
        fromMenu(Form1->N1, [&](QWidget *) {
            QCOMPARE(Form5->Edit1->text(), QStringLiteral("коз"));
            QCOMPARE(DataModule6->Workers->recordCount(), 1);
            Form5->Edit1->clear();
            QCOMPARE(DataModule6->Workers->recordCount(),
                     count(QStringLiteral("select count(*) from accounts_dep.person")));
        });
    }

    void positionAfterChangeAndDelete()
    {
        exec(QStringLiteral("delete from accounts_dep.smena; delete from accounts_dep.fatigue"));
        fromMenu(Form1->N1, [&](QWidget *) {
            DataModule6->Workers->setRecNo(5);
            click(Form5->Button3); // delete: the list returns to record 5
            QCOMPARE(DataModule6->Workers->recNo(), 5);
            DataModule6->Workers->last();
            const int last = DataModule6->Workers->recNo();
            click(Form5->Button3); // the last row: back to the first
            QCOMPARE(DataModule6->Workers->recordCount(), last - 1);
            QCOMPARE(DataModule6->Workers->recNo(), 1);
        });
        QCOMPARE(messages->entries.size(), 2);
    }

    void workerWithOutputRowsIsNotDeleted()
    {
        const int worker = idOf(QStringLiteral("select w_id from accounts_dep.smena limit 1"));
        fromMenu(Form1->N1, [&](QWidget *list) {
            QVERIFY(DataModule6->Workers->locate(QStringLiteral("id"), worker));
            QTest::mouseClick(Form5->Button3, Qt::LeftButton);
            QVERIFY(list->isVisible());
        });
        QCOMPARE(messages->entries.size(), 2);
        QVERIFY(messages->entries[1].text.startsWith(QStringLiteral("У работника есть записи выработки, удалить его нельзя.")));
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.person where id = :id"), {{"id", worker}}), 1);
    }

    void emptyWorkersListDoesNothingOnChange()
    {
        exec(QStringLiteral("delete from accounts_dep.person_temp; delete from accounts_dep.fatigue; "
                            "delete from accounts_dep.smena; delete from accounts_dep.person"));
        fromMenu(Form1->N1, [&](QWidget *list) {
            click(Form5->Button2);
            QTest::mouseDClick(Form5->DBGrid1->viewport(), Qt::LeftButton);
            QVERIFY(list->isVisible());
        });
        QVERIFY(messages->entries.isEmpty());
    }

    // ---------------------------------------------------------------- operation kinds

    void kindNamesCompareWithoutCase()
    {
        fromMenu(Form1->N6, [&](QWidget *) {
            QVERIFY(!Form8->Edit1->isVisible());
            inEditor(Form8->Button1, [&](QWidget *editor) {
                QCOMPARE(editor->windowTitle(), QStringLiteral("Заведение нового вида операций"));
                Form9->Edit1->setText(QStringLiteral("СВАРКА"));
                click(Form9->Button1);
                QCOMPARE(messages->texts(), QStringList{QStringLiteral("Такая операция уже заведена!")});
                QVERIFY(editor->isVisible());
                Form9->Edit1->setText(QStringLiteral("Лазерная резка"));
                click(Form9->Button1);
            });
            QVERIFY(DataModule6->Vid_oper->locate(QStringLiteral("vid"), QStringLiteral("Сварка")));
            inEditor(Form8->Button2, [&](QWidget *) {
                QCOMPARE(Form9->Edit1->text(), QStringLiteral("Сварка"));
                Form9->Edit1->setText(QStringLiteral("СВАРКА"));
                click(Form9->Button1);
            });
            QCOMPARE(DataModule6->Vid_oper->text(QStringLiteral("vid")), QStringLiteral("СВАРКА"));
        });
        QCOMPARE(messages->entries.size(), 1);
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.vid_oper where vid in ('Лазерная резка', 'СВАРКА')")), 2);
    }

    void reservedRowsDoNothing()
    {
        fromMenu(Form1->N6, [&](QWidget *list) {
            for (int id : {7777, 7778}) {
                QVERIFY(DataModule6->Vid_oper->locate(QStringLiteral("id"), id));
                click(Form8->Button2);
                click(Form8->Button3);
                QTest::mouseDClick(Form8->DBGrid1->viewport(), Qt::LeftButton);
                QVERIFY(list->isVisible());
            }
        });
        fromMenu(Form1->N3, [&](QWidget *list) {
            for (int id : {7777, 7778}) {
                QVERIFY(DataModule6->Izdel->locate(QStringLiteral("id"), id));
                click(Form3->Button2);
                click(Form3->Button3);
                QVERIFY(list->isVisible());
            }
        });
        QVERIFY(messages->entries.isEmpty());
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.vid_oper where id in (7777, 7778)")), 2);
        QCOMPARE(count(QStringLiteral("select count(*) from cmn_gds_and_srv.gds_and_srv where id in (7777, 7778)")), 2);
    }

    void kindDeletes()
    {
        exec(QStringLiteral("insert into accounts_dep.vid_oper (vid) values ('Без цен')"));
        fromMenu(Form1->N6, [&](QWidget *) {
            QVERIFY(DataModule6->Vid_oper->locate(QStringLiteral("vid"), QStringLiteral("Сварка")));
            QTest::mouseClick(Form8->Button3, Qt::LeftButton); // priced operations refer to it
            QVERIFY(DataModule6->Vid_oper->locate(QStringLiteral("vid"), QStringLiteral("Без цен")));
            click(Form8->Button3);
        });
        QCOMPARE(messages->texts().at(0), QStringLiteral("Удалить вид операции?"));
        QVERIFY(messages->texts().at(1).startsWith(QStringLiteral("По этому виду операций заведены цены, удалить его нельзя.")));
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.vid_oper where vid = 'Сварка'")), 1);
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.vid_oper where vid = 'Без цен'")), 0);
    }

    // ---------------------------------------------------------------- nomenclature groups

    void groupDeleteRefusals_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        QTest::newRow("products") << "" << "В номенклатурной группе есть изделия.";
        QTest::newRow("works rows") << "delete from accounts_dep.person_temp; delete from accounts_dep.smena s using "
                                       "cmn_gds_and_srv.gds_and_srv g where g.id = s.i_id and g.id_class_item = :g; "
                                       "delete from accounts_dep.oper o using cmn_gds_and_srv.gds_and_srv g where "
                                       "g.id = o.i_id and g.id_class_item = :g; delete from cmn_gds_and_srv.gds_and_srv "
                                       "where id_class_item = :g"
                                    << "В номенклатурной группе есть операции.";
    }
    void groupDeleteRefusals()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        const int group = idOf(QStringLiteral("select i.id from cmn_classifier.item i where exists (select 1 from "
                                              "accounts_dep.fatigue f where f.id_nom = i.id) and exists (select 1 from "
                                              "cmn_gds_and_srv.gds_and_srv g where g.id_class_item = i.id) and i.id_level = 2 "
                                              "and i.s_caption <> 'Общие работы' limit 1"));
        if (!setup.isEmpty())
            exec(setup, {{"g", group}});
        fromMenu(Form1->N8, [&](QWidget *) {
            QVERIFY(Form26->item->locate(QStringLiteral("id"), group));
            click(Form26->Button1);
        });
        QCOMPARE(messages->texts(), QStringList{message});
        QCOMPARE(messages->entries[0].caption, QStringLiteral("Удаление"));
        QCOMPARE(messages->entries[0].icon, MessageIcon::Error);
        QCOMPARE(count(QStringLiteral("select count(*) from cmn_classifier.item where id = :g"), {{"g", group}}), 1);
    }

    void unusedGroupIsDeletedOnYes()
    {
        exec(QStringLiteral("insert into cmn_classifier.item (s_caption) values ('Пустая группа')"));
        messages->answers = {false, true};
        fromMenu(Form1->N8, [&](QWidget *) {
            QVERIFY(Form26->item->locate(QStringLiteral("s_caption"), QStringLiteral("Пустая группа")));
            click(Form26->Button1); // No keeps it
            QVERIFY(Form26->item->locate(QStringLiteral("s_caption"), QStringLiteral("Пустая группа")));
            click(Form26->Button1);
        });
        QCOMPARE(messages->texts(), QStringList(2, QStringLiteral("Удалить позицию из списка?")));
        QCOMPARE(count(QStringLiteral("select count(*) from cmn_classifier.item where s_caption = 'Пустая группа'")), 0);
    }

    void groupNotInUseShowsVAndLeavesTheProductEditor()
    {
        fromMenu(Form1->N8, [&](QWidget *) {
            QVERIFY(Form26->item->locate(QStringLiteral("s_caption"), QStringLiteral("Сейфы")));
            inEditor(Form26->Button3, [&](QWidget *editor) {
                QCOMPARE(editor->windowTitle(), QStringLiteral("Ведение групп (29)"));
                QCOMPARE(Form29->Edit1->text(), QStringLiteral("Сейфы"));
                QVERIFY(!Form29->CheckBox1->isChecked());
                Form29->CheckBox1->setChecked(true);
                click(Form29->Button1);
            });
            QVERIFY(Form26->item->locate(QStringLiteral("s_caption"), QStringLiteral("Сейфы")));
            QCOMPARE(Form26->item->text(QStringLiteral("s_excl")), QStringLiteral("V"));
            inEditor(Form26->Button2, [&](QWidget *) {
                QVERIFY(Form29->CheckBox1->isChecked()); // the box keeps its last state
                Form29->CheckBox1->setChecked(false);
                click(Form29->Button1); // an empty name is stored too
            });
        });
        QCOMPARE(count(QStringLiteral("select count(*) from cmn_classifier.item where s_caption = '' and id_level = 2")), 1);
        fromMenu(Form1->N3, [&](QWidget *) {
            inEditor(Form3->Button1, [&](QWidget *) {
                QStringList groups;
                for (int i = 0; i < Form7->cb_item->count(); ++i)
                    groups << Form7->cb_item->itemText(i);
                QVERIFY(!groups.contains(QStringLiteral("Сейфы")));
                QVERIFY(!groups.contains(QStringLiteral("Снятые с производства")));
                QVERIFY(groups.contains(QStringLiteral("Тележки")));
            });
        });
    }

    // ---------------------------------------------------------------- products

    void productMarksCompareWithoutCaseAndBlanks()
    {
        fromMenu(Form1->N3, [&](QWidget *) {
            inEditor(Form3->Button1, [&](QWidget *editor) {
                QCOMPARE(editor->windowTitle(), QStringLiteral("Заведение нового изделия (7)"));
                Form7->cb_item->setCurrentIndex(Form7->cb_item->findText(QStringLiteral("Сейфы")));
                QTest::keyClicks(Form7->Edit2, QStringLiteral("1a2,5"));
                QCOMPARE(Form7->Edit2->text(), QStringLiteral("12.5"));
                for (const QString &mark : {QStringLiteral("СЕЙФ сб-45"), QStringLiteral("  Сейф СБ-45  ")}) {
                    Form7->Edit1->setText(mark);
                    click(Form7->Button1);
                    QVERIFY(editor->isVisible());
                }
                Form7->Edit1->setText(QStringLiteral("  Сейф СБ-90 «Люкс» "));
                click(Form7->Button1);
            });
        });
        QCOMPARE(messages->texts(), QStringList(2, QStringLiteral("Такая марка изделия уже заведена!")));
        QCOMPARE(rows(QStringLiteral("select nom, massa from accounts_dep.izdel where marka = 'Сейф СБ-90 «Люкс»'")),
                 (QList<QVariantList>{{QStringLiteral("Сейфы"), 12.5}}));
        messages->clear();
        fromMenu(Form1->N3, [&](QWidget *) {
            QVERIFY(DataModule6->Izdel->locate(QStringLiteral("marka"), QStringLiteral("Сейф СБ-45")));
            inEditor(Form3->Button2, [&](QWidget *) {
                QCOMPARE(Form7->Edit2->text(), QStringLiteral("1"));
                QCOMPARE(Form7->cb_item->currentText(), QStringLiteral("Сейфы"));
                Form7->Edit1->setText(QStringLiteral("СЕЙФ СБ-45"));
                Form7->Edit2->setText(QStringLiteral("2,75"));
                click(Form7->Button1);
            });
        });
        QVERIFY(messages->entries.isEmpty());
        QCOMPARE(rows(QStringLiteral("select massa from accounts_dep.izdel where marka = 'СЕЙФ СБ-45'")),
                 (QList<QVariantList>{{2.75}}));
    }

    void productNeedsEveryFieldAndAGroup()
    {
        exec(QStringLiteral("insert into cmn_gds_and_srv.gds_and_srv (s_caption, massa) values ('Без группы', 1)"));
        fromMenu(Form1->N3, [&](QWidget *) {
            QVERIFY(DataModule6->Izdel->locate(QStringLiteral("marka"), QStringLiteral("Без группы")));
            inEditor(Form3->Button2, [&](QWidget *editor) {
                QCOMPARE(Form7->cb_item->currentIndex(), -1);
                click(Form7->Button1);
                Form7->cb_item->setCurrentIndex(Form7->cb_item->findText(QStringLiteral("Верстаки")));
                Form7->Edit2->setText(QStringLiteral("1.2.3"));
                click(Form7->Button1);
                Form7->Edit2->clear();
                click(Form7->Button1);
                QVERIFY(editor->isVisible());
                Form7->Edit2->setText(QStringLiteral("3"));
                click(Form7->Button1);
            });
        });
        QCOMPARE(messages->texts(), QStringList(3, QStringLiteral("Все поля должны быть заполнены!")));
        QCOMPARE(rows(QStringLiteral("select nom, massa from accounts_dep.izdel where marka = 'Без группы'")),
                 (QList<QVariantList>{{QStringLiteral("Верстаки"), 3.0}}));
    }

    void productDeletePaths_data()
    {
        QTest::addColumn<bool>("withOperations");
        QTest::addColumn<bool>("withOutput");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QList<int>>("left"); // operations, output rows, product
        const QString ops = QStringLiteral("По изделию есть расценки они будут удалены!!!");
        const QString out = QStringLiteral(
            "По изделию есть операции в текущем, предыдущем месяцах и ранее, они будут удалены. Удалить изделие? ");
        const QString plain = QStringLiteral("Удалить изделие? ");
        QTest::newRow("yes, yes") << true << true << QList<bool>{true, true} << QStringList{ops, out} << QList<int>{0, 0, 0};
        QTest::newRow("no to the operations is refused by the database")
            << true << true << QList<bool>{false, true} << QStringList{ops, out} << QList<int>{2, 3, 1};
        QTest::newRow("operations only, yes, yes") << true << false << QList<bool>{true, true} << QStringList{ops, plain}
                                                   << QList<int>{0, 0, 0};
        QTest::newRow("output kept makes operations stay")
            << true << true << QList<bool>{true, false} << QStringList{ops, out} << QList<int>{2, 3, 1};
        QTest::newRow("nothing refers to it") << false << false << QList<bool>{true} << QStringList{plain}
                                              << QList<int>{0, 0, 0};
        QTest::newRow("nothing refers to it, no") << false << false << QList<bool>{false} << QStringList{plain}
                                                  << QList<int>{0, 0, 1};
    }
    void productDeletePaths()
    {
        QFETCH(bool, withOperations);
        QFETCH(bool, withOutput);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, questions);
        QFETCH(QList<int>, left);
        const int product = idOf(QStringLiteral("insert into cmn_gds_and_srv.gds_and_srv (s_caption, massa, id_class_item) "
                                                "select 'К удалению', 1, min(id) from cmn_classifier.item returning id"));
        if (withOperations)
            exec(QStringLiteral("insert into accounts_dep.oper (vid, naimen, i_id) select id, 0, :p from accounts_dep.vid_oper "
                                "where vid in ('Сварка', 'Сборка'); insert into accounts_dep.norm (o_id, norma, price) "
                                "select id, 1, 5 from accounts_dep.oper where i_id = :p"),
                 {{"p", product}});
        if (withOutput)
            exec(QStringLiteral("insert into accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, "
                                "time, vvod, ok) select (select min(id) from accounts_dep.person), :p, o.id, 5, 2, 0, d, 1, 0, "
                                "4, d, 'no' from accounts_dep.oper o, (values (current_date), (current_date - 40), "
                                "(date '2001-05-01')) as v(d) where o.i_id = :p and o.vid = (select id from "
                                "accounts_dep.vid_oper where vid = 'Сварка')"),
                 {{"p", product}});
        messages->answers = answers;
        fromMenu(Form1->N3, [&](QWidget *) {
            QVERIFY(DataModule6->Izdel->locate(QStringLiteral("id"), product));
            click(Form3->Button3);
        });
        QStringList asked;
        for (const auto &e : messages->entries)
            if (e.yesNo)
                asked << e.text;
        QCOMPARE(asked, questions);
        const QList<int> found{count(QStringLiteral("select count(*) from accounts_dep.oper where i_id = :p"), {{"p", product}}),
                               count(QStringLiteral("select count(*) from accounts_dep.smena where i_id = :p"), {{"p", product}}),
                               count(QStringLiteral("select count(*) from cmn_gds_and_srv.gds_and_srv where id = :p"),
                                     {{"p", product}})};
        QCOMPARE(found, left);
        // A refused delete says why, and nothing of it is done.
        const bool refused = left == QList<int>{2, 3, 1};
        QCOMPARE(messages->entries.size(), questions.size() + (refused ? 1 : 0));
    }

    // ---------------------------------------------------------------- prices and norms

    // In the price editor, picks the product and the kind through their choosers.
    void chooseInPriceEditor(const QString &mark, const QString &kind)
    {
        withModal([] { click(Form10->Button3); },
                  [&](QWidget *list) {
                      QCOMPARE(list, static_cast<QWidget *>(Form3));
                      QCOMPARE(Form3->Button2->text(), QStringLiteral("Выбрать"));
                      QVERIFY(!Form3->Button1->isVisible());
                      QVERIFY(DataModule6->Izdel->locate(QStringLiteral("marka"), mark));
                      QTest::keyClick(Form3->Edit1, Qt::Key_Return); // Enter chooses
                  });
        withModal([] { click(Form10->Button4); },
                  [&](QWidget *list) {
                      QCOMPARE(list, static_cast<QWidget *>(Form8));
                      QVERIFY(Form8->Edit1->isVisible());
                      typeText(Form8->Edit1, kind.left(3).toLower());
                      QVERIFY(DataModule6->Vid_oper->recordCount() >= 1);
                      QVERIFY(DataModule6->Vid_oper->locate(QStringLiteral("vid"), kind));
                      click(Form8->Button2);
                  });
        QCOMPARE(Form10->Edit1->text(), mark);
        QCOMPARE(Form10->Edit2->text(), kind);
    }

    void priceEditorRefusesDuplicatesAndAddsTheFirstNorm()
    {
        const int product = idOf(QStringLiteral("select id from accounts_dep.izdel where marka = 'Сейф СБ-45'"));
        const int kind = idOf(QStringLiteral("select id from accounts_dep.vid_oper where vid = 'Сварка'"));
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.oper where i_id = :p and vid = :k"),
                       {{"p", product}, {"k", kind}}),
                 1);
        fromMenu(Form1->N4, [&](QWidget *) {
            inEditor(Form4->Button1, [&](QWidget *editor) {
                QCOMPARE(editor->windowTitle(), QStringLiteral("Заведение новой цены за операцию"));
                click(Form10->Button1);
                QCOMPARE(messages->texts().last(), QStringLiteral("Все поля должны быть заполнены!"));
                chooseInPriceEditor(QStringLiteral("Сейф СБ-45"), QStringLiteral("Сварка"));
                QCOMPARE(Form10->OpProductId, product);
                QCOMPARE(Form10->OpKindId, kind);
                Form10->ComboBox1->setCurrentIndex(0);
                click(Form10->Button1);
                QCOMPARE(messages->texts().last(), QStringLiteral("Операция с такими параметрами уже заведена!"));
                QVERIFY(editor->isVisible());
                Form10->ComboBox1->setCurrentIndex(1); // the same for blanks is another operation
                click(Form10->Button1);
            });
            QVERIFY(!Form8->Edit1->isVisible()); // the chooser's filter box is hidden again
            Dataset *oper = DataModule6->Oper;
            oper->setFilter([](const Dataset &ds, int r) {
                return ds.rowValue(r, QStringLiteral("marka")).toString() == QStringLiteral("Сейф СБ-45") &&
                       ds.rowValue(r, QStringLiteral("vid")).toString() == QStringLiteral("Сварка") &&
                       ds.rowValue(r, QStringLiteral("naimen")).toInt() == 1;
            });
            oper->setFiltered(true);
            QCOMPARE(oper->recordCount(), 1); // listed at once, with its first norm
            QCOMPARE(oper->intValue(QStringLiteral("norma")), 1);
            QCOMPARE(oper->number(QStringLiteral("cena")), 0.0);
            oper->setFiltered(false);
        });
        QCOMPARE(rows(QStringLiteral("select n.norma, n.price, n.prize, o.cena_new from accounts_dep.oper o join "
                                     "accounts_dep.norm n on n.o_id = o.id where o.i_id = :p and o.vid = :k and o.naimen = 1"),
                      {{"p", product}, {"k", kind}}),
                 (QList<QVariantList>{{0, 0.0, 0, 0.0}}));
        fromMenu(Form1->N6, [&](QWidget *) { // a reference opening shows every kind again
            QCOMPARE(DataModule6->Vid_oper->recordCount(), count(QStringLiteral("select count(*) from accounts_dep.vid_oper")));
        });
    }

    void priceEditorChangesAnOperation()
    {
        fromMenu(Form1->N4, [&](QWidget *) {
            Dataset *oper = DataModule6->Oper;
            QVERIFY(oper->locate(QStringLiteral("marka"), QStringLiteral("ТП-1 тележка платформенная")));
            const int id = oper->intValue(QStringLiteral("id"));
            inEditor(Form4->Button2, [&](QWidget *editor) {
                QCOMPARE(editor->windowTitle(), QStringLiteral("Изменение данных о цене за операцию"));
                QCOMPARE(Form10->Edit1->text(), QStringLiteral("ТП-1 тележка платформенная"));
                chooseInPriceEditor(QStringLiteral("ТП-2 тележка двухъярусная"), QStringLiteral("Контроль ОТК"));
                click(Form10->Button1);
            });
            QCOMPARE(rows(QStringLiteral("select i.marka, v.vid from accounts_dep.oper o join accounts_dep.izdel i on "
                                         "i.id = o.i_id join accounts_dep.vid_oper v on v.id = o.vid where o.id = :id"),
                          {{"id", id}}),
                     (QList<QVariantList>{{QStringLiteral("ТП-2 тележка двухъярусная"), QStringLiteral("Контроль ОТК")}}));
        });
    }

    void normsAreStoredOnColumnExit()
    {
        const int op = idOf(QStringLiteral("select o_id from accounts_dep.norm n join accounts_dep.oper o on o.id = n.o_id "
                                           "where o.id > 7779 group by o_id having count(*) = 2 order by o_id limit 1"));
        fromMenu(Form1->N4, [&](QWidget *) {
            QVERIFY(DataModule6->Oper->locate(QStringLiteral("id"), op));
            Form4->CheckBox1->setChecked(true);
            withModal([] { QTest::mouseDClick(Form4->DBGrid1->viewport(), Qt::LeftButton, {},
                                              Form4->DBGrid1->visualRect(Form4->DBGrid1->currentIndex()).center()); },
                      [&](QWidget *editor) {
                          QCOMPARE(editor, static_cast<QWidget *>(Form22));
                          DataGrid *grid = Form22->DBGrid1;
                          QAbstractItemModel *m = grid->model();
                          QCOMPARE(m->rowCount(), 2);
                          grid->setCurrentIndex(m->index(0, 1));
                          QVERIFY(m->setData(m->index(0, 1), QStringLiteral("12,75"), Qt::EditRole));
                          QCOMPARE(scalar(QStringLiteral("select max(price) from accounts_dep.norm where o_id = :o and "
                                                         "price = 12.75"), {{"o", op}}).toDouble(), 0.0);
                          grid->setCurrentIndex(m->index(0, 2)); // leaving the column stores it
                          QCOMPARE(scalar(QStringLiteral("select count(*) from accounts_dep.norm where o_id = :o and "
                                                         "price = 12.75"), {{"o", op}}).toInt(), 1);
                          QCOMPARE(m->data(m->index(0, 1)).toString(), QStringLiteral("12,75"));
                          QVERIFY(!m->setData(m->index(0, 2), QStringLiteral("пять"), Qt::EditRole));
                          QCOMPARE(messages->texts().last(), QStringLiteral("В поле «Премия, %» нужно ввести число."));
                          click(Form22->Button2); // two norms: the current one goes
                          QCOMPARE(m->rowCount(), 1);
                          click(Form22->Button2); // the last one stays
                          QCOMPARE(m->rowCount(), 1);
                          // A new norm, appended from the last row, belongs to this operation.
                          grid->setFocus();
                          grid->setCurrentIndex(m->index(0, 0));
                          QTest::keyClick(grid, Qt::Key_Down);
                          QCOMPARE(m->rowCount(), 2);
                          QVERIFY(m->setData(m->index(1, 0), QStringLiteral("50"), Qt::EditRole));
                          QVERIFY(m->setData(m->index(1, 1), QStringLiteral("7"), Qt::EditRole));
                          QTest::keyClick(editor, Qt::Key_Escape); // Esc saves and closes
                          QVERIFY(!editor->isVisible());
                      });
        });
        QCOMPARE(rows(QStringLiteral("select norma, price from accounts_dep.norm where o_id = :o order by norma"), {{"o", op}}),
                 (QList<QVariantList>{
                     {scalar(QStringLiteral("select min(norma) from accounts_dep.norm where o_id = :o"), {{"o", op}}),
                      scalar(QStringLiteral("select price from accounts_dep.norm where o_id = :o order by norma limit 1"),
                             {{"o", op}})},
                     {50, 7.0}}));
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.norm where o_id is null")), 0);
    }

    void priceListFilterAndDelete()
    {
        fromMenu(Form1->N4, [&](QWidget *) {
            Dataset *oper = DataModule6->Oper;
            const int all = oper->recordCount();
            typeText(Form4->Edit1, QStringLiteral("45"));
            QVERIFY(oper->recordCount() > 0);
            for (const QString &mark : column(oper, QStringLiteral("marka")))
                QVERIFY2(mark.contains(QStringLiteral("45")), qPrintable(mark));
            Form4->Edit1->setText(QStringLiteral("   "));
            QCOMPARE(oper->recordCount(), all);
            Form4->Edit1->clear();

            const int used = idOf(QStringLiteral("select o_id from accounts_dep.smena where o_id > 7779 limit 1"));
            QVERIFY(oper->locate(QStringLiteral("id"), used));
            click(Form4->Button3); // output rows refer to it
            exec(QStringLiteral("insert into accounts_dep.oper (vid, naimen, i_id) select vid, 1 - naimen, i_id from "
                                "accounts_dep.oper where id = :id; insert into accounts_dep.norm (o_id, price) select "
                                "max(id), 3 from accounts_dep.oper"),
                 {{"id", used}});
            oper->reopen();
            const int fresh = idOf(QStringLiteral("select max(id) from accounts_dep.oper"));
            QVERIFY(oper->locate(QStringLiteral("id"), fresh));
            click(Form4->Button3);
            QCOMPARE(oper->recordCount(), all);
        });
        QCOMPARE(messages->texts().at(0), QStringLiteral("Удалить операцию?"));
        QVERIFY(messages->texts().at(1).startsWith(QStringLiteral("По операции есть записи выработки, удалить её нельзя.")));
        QCOMPARE(messages->texts().at(2), QStringLiteral("Удалить операцию?"));
        QCOMPARE(messages->entries.size(), 3);
        QCOMPARE(count(QStringLiteral("select count(*) from accounts_dep.norm n left join accounts_dep.oper o on o.id = "
                                      "n.o_id where o.id is null")), 0);
    }

    void priceListExport()
    {
        fromMenu(Form1->N4, [&](QWidget *) { click(Form4->Button5); });
        QVERIFY(messages->entries.isEmpty());
        const ExcelLink::Sheet &sheet = SharedExcelLink().workbook().sheets[0];
        const auto text = [&](int row, int col) { return sheet.cells.value({row, col}).text; };
        QCOMPARE((QStringList{text(1, 1), text(1, 2), text(1, 3), text(1, 4)}),
                 (QStringList{"Марка", "Операция", "Цена", "Вид"}));
        const QList<QVariantList> expected = rows(QStringLiteral(
            "select i.marka, v.vid, o.cena_new, o.naimen from accounts_dep.oper o join accounts_dep.izdel i on i.id = o.i_id "
            "join accounts_dep.vid_oper v on v.id = o.vid order by i.marka, v.vid, o.naimen"));
        QCOMPARE(sheet.cells.size(), 4 * (expected.size() + 1));
        for (int r : {0, int(expected.size()) / 2, int(expected.size()) - 1}) {
            QCOMPARE(text(r + 2, 1), expected[r][0].toString());
            QCOMPARE(text(r + 2, 2), expected[r][1].toString());
            QCOMPARE(text(r + 2, 3), QLocale().toString(expected[r][2].toDouble(), 'g', 15));
            QCOMPARE(text(r + 2, 4), expected[r][3].toInt() == 0 ? QStringLiteral("Готовая продукция")
                                                                  : QStringLiteral("Заготовки"));
        }
        QVERIFY(QFile::exists(SharedExcelLink().fileName()));
    }

    void chooserPrice_data()
    {
        QTest::addColumn<bool>("dayOff");
        QTest::addColumn<int>("shift");
        QTest::addColumn<double>("price");
        QTest::newRow("working day, shift 1") << false << 1 << 10.0;
        QTest::newRow("working day, shift 2") << false << 2 << 10.0;
        QTest::newRow("working day, shift 3") << false << 3 << 12.0;
        QTest::newRow("working day, overtime") << false << 4 << 15.0;
        QTest::newRow("day off, shift 1") << true << 1 << 20.0;
        QTest::newRow("day off, shift 3") << true << 3 << 24.0;
        QTest::newRow("day off, overtime") << true << 4 << 30.0;
    }
    void chooserPrice()
    {
        QFETCH(bool, dayOff);
        QFETCH(int, shift);
        QFETCH(double, price);
        QCOMPARE(OperationPrice(10.0, dayOff, shift), price);
    }

    void deleteThresholdIsThePreviousMonthOf2000()
    {
        QCOMPARE(TForm3::DeleteThreshold(QDate(2027, 1, 20)), QDate(2000, 12, 1));
        QCOMPARE(TForm3::DeleteThreshold(QDate(2026, 4, 2)), QDate(2000, 3, 1));
        QCOMPARE(TForm3::DeleteThreshold(QDate(2026, 12, 31)), QDate(2000, 11, 1));
    }
};

TABEL_TEST_MAIN(TestReference)
#include "test_reference.moc"

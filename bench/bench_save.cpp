// Prints how long one save in the output position editor takes (duplicate
// check, insert, register refresh and time-sheet roll-up, in one transaction),
// on the database given:   bench_save <database> <server>
#include "Application.h"
#include "DatePicker.h"
#include "Dataset.h"
#include "Format.h"
#include "Messages.h"
#include "ShiftRegister.h"
#include "Unit11.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit132.h"
#include "Unit6.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    Application app(argc, argv);
    if (argc < 3) {
        fprintf(stderr, "usage: bench_save <database> <server>\n");
        return 2;
    }
    DataModule6 = new TDataModule6;
    DataModule6->ADO_DB.setConnectionString(QStringLiteral("DATABASE=%1;SERVER=%2;PORT=5432;UID=sys;PWD=qmtvrok;")
                                                .arg(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])));
    DataModule6->ADO_DB.open();
    auto *main = new TShiftRegister;
    main->BindDataSources();
    new TForm4(main);
    new TForm5(main);
    new TForm11(main);
    new TForm132(main);
    for (int s = 1; s <= 4; ++s)
        DataModule6->ShiftList(s)->setParam(QStringLiteral("ok"), QStringLiteral("ta"));
    // Rows an earlier run saved (their colours are the run's own).
    DataModule6->SQL_exec->setSql(QStringLiteral("delete from accounts_dep.smena where color >= 100000"));
    DataModule6->SQL_exec->execute();

    const QDate day = DataModule6->ControlValue(QStringLiteral("select max(data) as d from accounts_dep.smena"),
                                                QStringLiteral("d")).toDate();
    main->DateT->setDate(day);
    QElapsedTimer clock;
    clock.start();
    main->ReloadShiftLists();
    const qint64 reload = clock.elapsed();

    Dataset *ops = new Dataset(&DataModule6->ADO_DB, QStringLiteral("ops"));
    ops->setSql(QStringLiteral("select o.id, o.i_id from accounts_dep.oper o join accounts_dep.norm n on n.o_id = o.id "
                               "where o.id > 7779 group by o.id limit 50"));
    ops->open();
    Dataset *workers = new Dataset(&DataModule6->ADO_DB, QStringLiteral("workers"));
    workers->setSql(QStringLiteral("select id, fio from accounts_dep.person order by id limit 100"));
    workers->open();
    const qint64 rows = DataModule6->ControlValue(QStringLiteral("select count(*) as n from accounts_dep.smena"),
                                                  QStringLiteral("n")).toLongLong();

    std::vector<double> saves;
    for (int i = 0; i < 200; ++i) {
        workers->setRecNo(1 + i % workers->recordCount());
        ops->setRecNo(1 + i % ops->recordCount());
        Form11->PrepareNew(day);
        Form11->WorkerId = workers->intValue(QStringLiteral("id"));
        Form11->Edit1->setText(workers->text(QStringLiteral("fio")));
        Form11->OperId = ops->intValue(QStringLiteral("id"));
        Form11->ProductId = ops->intValue(QStringLiteral("i_id"));
        Form11->Price = 12.5;
        Form11->Edit2->setText(QStringLiteral("Бенчмарк; Сварка; Готовая продукция"));
        Form11->Edit3->setText(QStringLiteral("10"));
        Form11->Edit6->setText(QStringLiteral("2"));
        Form11->Edit5->setText(QString::number(100000 + i)); // a colour of its own: never a duplicate
        main->CurQuery = DataModule6->ShiftList(main->CurShift);
        QElapsedTimer one;
        one.start();
        Form11->Button1Click();
        saves.push_back(one.nsecsElapsed() / 1e6);
        Form11->ModalClose(2);
    }
    std::sort(saves.begin(), saves.end());
    printf("register reload (4 shift lists, %lld output rows in the table): %lld ms\n", static_cast<long long>(rows),
           static_cast<long long>(reload));
    printf("save with roll-up: median %.1f ms, 90th percentile %.1f ms, max %.1f ms (%zu saves)\n",
           saves[saves.size() / 2], saves[saves.size() * 9 / 10], saves.back(), saves.size());
    return 0;
}

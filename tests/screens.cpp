// Opens the client's screens on a database and saves a PNG of each:
//   screens <folder> <database> <server>
// Run under a display (scripts/screenshots uses Xvfb). Message boxes are
// recorded, not shown, so the run needs nobody at the keyboard.
#include "DataGrid.h"
#include "DatePicker.h"
#include "Screens.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit10.h"
#include "Unit11.h"
#include "Unit132.h"
#include "Unit22.h"
#include "Unit4.h"
#include "Unit23.h"
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
#include "RadioGroup.h"
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

namespace {
QString g_folder;
QStringList g_saved;

void save(QWidget *w, const QString &name)
{
    QApplication::processEvents();
    const QString path = QDir(g_folder).filePath(name + QStringLiteral(".png"));
    if (w->grab().save(path))
        g_saved << path;
    else
        fprintf(stderr, "could not save %s\n", qPrintable(path));
}

// The day in the last weeks with the most output rows in shift 1.
QDate busyDay()
{
    return scalar(QStringLiteral("select data from accounts_dep.smena where smena = 1 and ok <> '' and "
                                 "data > current_date - 40 group by data order by count(*) desc, data desc limit 1"))
        .toDate();
}

// A list opened from the menu, and the editor its button opens.
void listAndEditor(QAction *item, const QString &listName, QPushButton *editorButton, const QString &editorName,
                   const std::function<void()> &prepare = {})
{
    withModal([item] { item->trigger(); },
              [&](QWidget *list) {
                  if (prepare)
                      prepare();
                  save(list, listName);
                  withModal([editorButton] { editorButton->click(); }, [&](QWidget *editor) { save(editor, editorName); });
              });
}

void showReferenceLists()
{
    listAndEditor(Form1->N1, QStringLiteral("03-workers"), Form5->Button2, QStringLiteral("04-worker-editor"),
                  [] { DataModule6->Workers->setRecNo(4); });
    listAndEditor(Form1->N6, QStringLiteral("05-operation-kinds"), Form8->Button2, QStringLiteral("06-operation-kind-editor"),
                  [] { DataModule6->Vid_oper->locate(QStringLiteral("vid"), QStringLiteral("Сварка")); });
    listAndEditor(Form1->N8, QStringLiteral("07-groups"), Form26->Button3, QStringLiteral("08-group-editor"),
                  [] { Form26->item->locate(QStringLiteral("s_caption"), QStringLiteral("Сейфы")); });
    listAndEditor(Form1->N3, QStringLiteral("09-products"), Form3->Button2, QStringLiteral("10-product-editor"),
                  [] { DataModule6->Izdel->locate(QStringLiteral("marka"), QStringLiteral("Сейф СБ-45")); });
    listAndEditor(Form1->N4, QStringLiteral("11-prices"), Form4->Button2, QStringLiteral("12-price-editor"),
                  [] { DataModule6->Oper->setRecNo(7); });
    withModal([] { Form1->N4->trigger(); },
              [](QWidget *) {
                  DataModule6->Oper->locate(QStringLiteral("norma"), 3);
                  Form4->CheckBox1->setChecked(true);
                  withModal([] { Form4->DBGrid1DblClick(); }, [](QWidget *norms) { save(norms, QStringLiteral("13-norms")); });
                  Form4->CheckBox1->setChecked(false);
              });
}

// A new row with a painting operation, saved, then split with an auxiliary worker.
void showEditor()
{
    withModal([] { Form1->Button1Click(); },
              [](QWidget *editor) {
                  withModal([] { Form11->Button3->click(); },
                            [](QWidget *) {
                                DataModule6->Workers->locate(QStringLiteral("fio"), QStringLiteral("Жуков А.Г."));
                                Form5->Button2->click();
                            });
                  withModal([] { Form11->Button4->click(); },
                            [](QWidget *) {
                                DataModule6->Oper->locate(QStringLiteral("vid"), QStringLiteral("Покраска порошковая"));
                                Form4->Button2->click();
                            });
                  Form11->Edit3->setText(QStringLiteral("24"));
                  Form11->Edit6->setText(QStringLiteral("6"));
                  Form11->Edit5->setText(QStringLiteral("9016"));
                  Form11->Edit6Exit();
                  save(editor, QStringLiteral("14-editor"));
                  Form11->Button1->click();
                  Form11->CheckBox1->setChecked(true);
                  withModal([] { Form11->Button5->click(); },
                            [](QWidget *) {
                                DataModule6->Workers->locate(QStringLiteral("fio"), QStringLiteral("Фролов М.А."));
                                withModal([] { Form5->Button2->click(); },
                                          [](QWidget *dialog) {
                                              Form132->Edit1->setText(QStringLiteral("4"));
                                              save(dialog, QStringLiteral("15-value"));
                                              Form132->Button1->click();
                                          });
                            });
                  save(editor, QStringLiteral("16-split"));
                  Form11->Button2->click();
              });
}

void showRegister()
{
    Form1->DateT->setDate(busyDay());
    Form1->DateTChange();
    Form1->RadioButton1->setChecked(true);
    Form1->DBGrid2->dataset()->setRecNo(3);
    save(Form1, QStringLiteral("02-register"));
}
} // namespace

int main(int argc, char **argv)
{
    Application app(argc, argv);
    if (argc < 4) {
        fprintf(stderr, "usage: screens <folder> <database> <server>\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_folder);
    recordMessages();
    auto *form1 = new TForm1({QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])},
                             QString::fromLatin1(__DATE__), QString::fromLatin1(__TIME__));
    if (!form1->Connected)
        return 1;
    CreateScreens();
    QTimer::singleShot(300, [] {
        save(Form23, QStringLiteral("01-login"));
        whenModal([](QWidget *) {
            showRegister();
            showReferenceLists();
            showEditor();
            Form1->close();
        });
        Form23->Edit1->setText(QStringLiteral("6352"));
        Form23->Button1->click();
    });
    app.exec();
    for (const QString &p : g_saved)
        printf("%s\n", qPrintable(p));
    return g_saved.isEmpty() ? 1 : 0;
}

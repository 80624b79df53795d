// Prints how long filling and writing a 2,000-row x 36-column workbook takes
// (a shift time sheet's shape: a name, 31 days, totals), median of five runs.
#include "Application.h"
#include "ExcelLink.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    Application app(argc, argv);
    QTemporaryDir dir;
    qputenv("TABEL_EXCEL_DIR", dir.path().toUtf8());
    const int rows = 2000;
    const int columns = 36;
    std::vector<qint64> fill, write;
    for (int run = 0; run < 5; ++run) {
        ExcelLink link;
        QElapsedTimer clock;
        clock.start();
        link.ExcelOpen(QString());
        link.ExcelSetVisible(false);
        for (int r = 1; r <= rows; ++r) {
            link.ExcelWriteCellFormatted(1, 1, r, QStringLiteral("Работник %1 А.А.").arg(r), true, true, r == 1);
            for (int c = 2; c <= columns; ++c)
                link.ExcelWriteCellFormatted(1, c, r, QString::number((r * c) % 12), false, c <= 3, false);
        }
        fill.push_back(clock.restart());
        link.ExcelSetVisible(true);
        write.push_back(clock.elapsed());
    }
    std::sort(fill.begin(), fill.end());
    std::sort(write.begin(), write.end());
    printf("xlsx %d rows x %d columns: fill %lld ms, write %lld ms, total %lld ms (median of 5)\n", rows, columns,
           static_cast<long long>(fill[2]), static_cast<long long>(write[2]),
           static_cast<long long>(fill[2] + write[2]));
    return 0;
}

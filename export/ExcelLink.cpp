#include "ExcelLink.h"

#include "Messages.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <xlsxwriter.h>

namespace {
double neededWidth(const ExcelLink::Cell &cell)
{
    return cell.text.size() * (cell.bold ? 1.1 : 1.0) + 1.5;
}

const int kMaxRows = 1048576;
const int kMaxColumns = 16384;

QString outputFolder()
{
    const QString forced = qEnvironmentVariable("TABEL_EXCEL_DIR");
    return forced.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::TempLocation) : forced;
}

bool folderWritable(const QString &folder)
{
    QDir dir(folder);
    if (!dir.exists() && !dir.mkpath(QStringLiteral(".")))
        return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString writeError(int sheet, int column, int row)
{
    return QStringLiteral("Ошибка при записи: лист %1, столбец %2, строка %3").arg(sheet).arg(column).arg(row);
}
} // namespace

ExcelLink &SharedExcelLink()
{
    static ExcelLink link;
    return link;
}

bool ExcelLink::readsAsNumber(const QString &text, double *value)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?\\d+([.,]\\d+)?\\s*$"));
    if (!number.match(text).hasMatch())
        return false;
    if (value) {
        QString t = text.trimmed();
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        *value = t.toDouble();
    }
    return true;
}

int ExcelLink::ExcelOpen(const QString &fileName)
{
    if (!folderWritable(outputFolder())) {
        Messages::error(QStringLiteral("Невозможно открыть Microsoft Excel.\nНет доступа к папке %1")
                            .arg(QDir::toNativeSeparators(outputFolder())));
        if (!opened_)
            return -1;
    }
    // Workbooks are only ever made new here; an existing file cannot be opened for filling.
    if (!fileName.isEmpty()) {
        Messages::error(QStringLiteral("Ошибка открытия файла Microsoft Excel."));
        return -1;
    }
    opened_ = true;
    book_ = Workbook();
    book_.sheets.push_back(Sheet{QStringLiteral("Лист1"), {}, {}});
    file_.clear();
    return 1;
}

int ExcelLink::ExcelSetVisible(bool visible)
{
    if (!opened_ || !visible)
        return 1;
    const QString folder = outputFolder();
    if (file_.isEmpty()) {
        static int serial = 0;
        file_ = QDir(folder).filePath(QStringLiteral("tabel-%1-%2.xlsx")
                                          .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")))
                                          .arg(++serial));
    }
    const QString shown = QDir::toNativeSeparators(file_);
    if (!folderWritable(folder) || !save(book_, file_)) {
        Messages::error(QStringLiteral("Ошибка открытия файла Microsoft Excel.\nНе удалось записать файл %1").arg(shown));
        return 1;
    }
    if (!qEnvironmentVariableIsSet("TABEL_EXCEL_DIR") && !QDesktopServices::openUrl(QUrl::fromLocalFile(file_)))
        Messages::error(QStringLiteral("Невозможно открыть Microsoft Excel.\nКнига сохранена в файле %1").arg(shown));
    return 1;
}

bool ExcelLink::writable(int sheet, int column, int row)
{
    if (!opened_ || sheet < 1 || sheet > book_.sheets.size()) {
        Messages::error(writeError(sheet, column, row), QStringLiteral("Ошибочный номер листа Microsoft Excel"));
        return false;
    }
    if (column < 1 || column > kMaxColumns || row < 1 || row > kMaxRows) {
        Messages::error(writeError(sheet, column, row), QStringLiteral("Ошибка Microsoft Excel"));
        return false;
    }
    return true;
}

void ExcelLink::store(int sheet, int column, int row, const QString &text, const bool *asText, const bool *bold)
{
    Sheet &s = book_.sheets[sheet - 1];
    const auto key = qMakePair(row, column);
    std::multiset<double> &needed = s.needed[column];
    const auto old = s.cells.constFind(key);
    if (old != s.cells.constEnd())
        needed.erase(needed.find(neededWidth(old.value())));
    Cell &cell = s.cells[key];
    if (asText && *asText)
        cell.textFormat = true;
    cell.text = text;
    if (bold)
        cell.bold = *bold;
    needed.insert(neededWidth(cell));
}

int ExcelLink::ExcelWriteCell(int sheet, int column, int row, const QString &text)
{
    if (text.isEmpty())
        return 1;
    if (!writable(sheet, column, row))
        return -1;
    store(sheet, column, row, text, nullptr, nullptr);
    return 1;
}

int ExcelLink::ExcelWriteCellFormatted(int sheet, int column, int row, const QString &text, bool asText,
                                       bool autoFit, bool bold)
{
    if (text.isEmpty())
        return 1;
    if (!writable(sheet, column, row))
        return -1;
    store(sheet, column, row, text, &asText, &bold);
    if (autoFit) {
        Sheet &s = book_.sheets[sheet - 1];
        s.widths[column] = *s.needed[column].rbegin();
    }
    return 1;
}

bool ExcelLink::save(const Workbook &book, const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook *wb = workbook_new(file.constData());
    if (!wb)
        return false;
    lxw_format *formats[2][2] = {{nullptr, nullptr}, {nullptr, nullptr}}; // [text][bold]
    for (int t = 0; t < 2; ++t)
        for (int b = 0; b < 2; ++b) {
            lxw_format *f = workbook_add_format(wb);
            if (t)
                format_set_num_format(f, "@");
            if (b)
                format_set_bold(f);
            formats[t][b] = f;
        }
    for (const Sheet &sheet : book.sheets) {
        const QByteArray name = sheet.name.toUtf8();
        lxw_worksheet *ws = workbook_add_worksheet(wb, name.constData());
        for (auto it = sheet.widths.cbegin(); it != sheet.widths.cend(); ++it)
            worksheet_set_column(ws, lxw_col_t(it.key() - 1), lxw_col_t(it.key() - 1), it.value(), nullptr);
        for (auto it = sheet.cells.cbegin(); it != sheet.cells.cend(); ++it) {
            const Cell &c = it.value();
            const auto row = lxw_row_t(it.key().first - 1);
            const auto col = lxw_col_t(it.key().second - 1);
            lxw_format *f = (c.textFormat || c.bold) ? formats[c.textFormat][c.bold] : nullptr;
            double number = 0;
            if (!c.textFormat && readsAsNumber(c.text, &number)) {
                worksheet_write_number(ws, row, col, number, f);
            } else {
                const QByteArray utf8 = c.text.toUtf8();
                worksheet_write_string(ws, row, col, utf8.constData(), f);
            }
        }
    }
    return workbook_close(wb) == LXW_NO_ERROR;
}

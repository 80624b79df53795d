#pragma once

#include <QMap>
#include <QPair>
#include <QString>
#include <QVector>
#include <map>
#include <set>

// The program's spreadsheet output. A link fills a workbook cell by cell in
// memory; making it visible writes the workbook as an .xlsx file into the
// temporary folder and opens it with the desktop's spreadsheet program.
// With TABEL_EXCEL_DIR set, files go to that folder and nothing is opened.
// In every write the column comes before the row; both count from 1.
class ExcelLink {
public:
    struct Cell {
        QString text;
        bool textFormat = false; // "@": kept as text even when it reads as a number
        bool bold = false;
    };
    struct Sheet {
        QString name;
        QMap<QPair<int, int>, Cell> cells; // (row, column)
        QMap<int, double> widths;         // column -> width in characters
        // The widths the column's current texts need, so fitting is a lookup.
        std::map<int, std::multiset<double>> needed;
    };
    struct Workbook {
        QVector<Sheet> sheets;
    };

    // 1 on success; -1 after a message when no workbook can be made.
    int ExcelOpen(const QString &fileName);
    // Always 1. Showing writes the file and opens it.
    int ExcelSetVisible(bool visible);
    // 1 when written or skipped for an empty text; -1 after a message.
    int ExcelWriteCell(int sheet, int column, int row, const QString &text);
    int ExcelWriteCellFormatted(int sheet, int column, int row, const QString &text, bool asText, bool autoFit,
                                bool bold);

    bool opened() const { return opened_; }
    const Workbook &workbook() const { return book_; }
    // The file the workbook was last written to.
    const QString &fileName() const { return file_; }

    // Whether the text is stored as a number (a cell without the text format).
    static bool readsAsNumber(const QString &text, double *value = nullptr);
    // Writes a workbook as .xlsx; false when the file cannot be written.
    static bool save(const Workbook &book, const QString &path);

private:
    // Whether the cell can be written; shows the write's message when not.
    bool writable(int sheet, int column, int row);
    // Stores a cell's new content and keeps its column's needed widths in step.
    void store(int sheet, int column, int row, const QString &text, const bool *asText, const bool *bold);

    bool opened_ = false;
    Workbook book_;
    QString file_;
};

// The one link the summary reports and the price list share for the whole run.
ExcelLink &SharedExcelLink();

#include "Unit6.h"

#include "DbError.h"
#include "Messages.h"

#include <QHash>

TDataModule6 *DataModule6 = nullptr;

namespace {
// What each refusing constraint protects, in the words of the screen that meets it.
QString explainConstraint(const QString &name)
{
    static const QHash<QString, QString> reasons = {
        {QStringLiteral("smena_w_id_fkey"), QStringLiteral("У работника есть записи выработки, удалить его нельзя.")},
        {QStringLiteral("fatigue_id_p_fkey"),
         QStringLiteral("У работника есть записи хоз. работ или ср. сдельной, удалить его нельзя.")},
        {QStringLiteral("oper_vid_fkey"), QStringLiteral("По этому виду операций заведены цены, удалить его нельзя.")},
        {QStringLiteral("fatigue_id_o_fkey"), QStringLiteral("По этому виду операций есть записи работ, удалить его нельзя.")},
        {QStringLiteral("gds_and_srv_id_class_item_fkey"), QStringLiteral("В номенклатурной группе есть изделия.")},
        {QStringLiteral("fatigue_id_nom_fkey"), QStringLiteral("В номенклатурной группе есть операции.")},
        {QStringLiteral("oper_i_id_fkey"), QStringLiteral("По изделию есть расценки, удалить изделие нельзя.")},
        {QStringLiteral("smena_i_id_fkey"), QStringLiteral("По изделию есть записи выработки, удалить изделие нельзя.")},
        {QStringLiteral("smena_o_id_fkey"), QStringLiteral("По операции есть записи выработки, удалить её нельзя.")},
        {QStringLiteral("oper_key"), QStringLiteral("Операция с такими параметрами уже заведена!")},
        {QStringLiteral("h_tabel_shift_key"), QStringLiteral("Строка табеля этого работника за месяц уже заведена.")},
        {QStringLiteral("h_tabel_works_key"), QStringLiteral("Строка табеля этого работника за месяц уже заведена.")},
    };
    return reasons.value(name);
}

Dataset *query(TDataModule6 *dm, const char *name, const QString &sql = QString())
{
    auto *ds = new Dataset(&dm->ADO_DB, QString::fromLatin1(name), dm);
    ds->setSql(sql);
    return ds;
}

Command *command(TDataModule6 *dm, const char *name, const QString &sql = QString())
{
    auto *cmd = new Command(&dm->ADO_DB, QString::fromLatin1(name));
    cmd->setSql(sql);
    return cmd;
}

// The sum of the 31 day cells, over four lines broken after d10, d20 and d30.
QStringList daySumLines()
{
    QStringList lines;
    QString line = QStringLiteral("(");
    for (int d = 1; d <= 31; ++d) {
        line += QStringLiteral("coalesce(d%1,0)").arg(d);
        if (d < 31)
            line += QLatin1Char('+');
        if (d == 10 || d == 20 || d == 30) {
            lines << line;
            line.clear();
        }
    }
    lines << line + QLatin1Char(')');
    return lines;
}

QString withTail(QStringList lines, const QString &head, const QString &tail)
{
    lines.first().prepend(head);
    lines.last().append(tail);
    return lines.join(QLatin1Char('\n'));
}
} // namespace

TDataModule6::TDataModule6(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DataModule6"));
    DbError::setConstraintExplainer(explainConstraint);

    Workers = query(this, "Workers", QStringLiteral("select * from accounts_dep.person order by fio"));
    Izdel = query(this, "Izdel", QStringLiteral("select *  from accounts_dep.IZDEL order by marka"));
    Oper = query(this, "Oper",
                 QStringLiteral(
                     "select izdel.MARKA, vid_oper.VID, oper.NAIMEN, i.s_caption  , (SELECT (CASE naimen WHEN 0 THEN "
                     "'Готовая продукция' ELSE 'Заготовки' END)) as nmn,\n"
                     "count(o_id) norma, min(price)::numeric cena, oper.id, oper.i_id, oper.VID as oper_vid \n"
                     "from accounts_dep.norm,accounts_dep.OPER,accounts_dep.IZDEL,accounts_dep.VID_OPER, cmn_classifier.item i\n"
                     "where OPER.i_id=IZDEL.id and norm.o_id=oper.id and oper.vid=vid_oper.id and i.id =izdel.id_class_item\n"
                     "group by izdel.MARKA, vid_oper.VID, oper.NAIMEN, oper.id, oper.i_id, oper.VID, i.s_caption  \n"
                     "order by izdel.marka, vid_oper.vid, oper.naimen"));
    Vid_oper = query(this, "Vid_oper", QStringLiteral("select * from accounts_dep.VID_OPER order by vid"));
    Vid_oper->setUpdateTable(QStringLiteral("accounts_dep.vid_oper"));
    Smena1 = query(this, "Smena1", smenaSql(1));
    Smena2 = query(this, "Smena2", smenaSql(2));
    Smena3 = query(this, "Smena3", smenaSql(3));
    Smena4 = query(this, "Smena4", smenaSql(4));
    H_Tabel_1 = query(this, "H_Tabel_1", hTabelSql(1));
    H_Tabel_2 = query(this, "H_Tabel_2", hTabelSql(2));
    H_Tabel_3 = query(this, "H_Tabel_3", hTabelSql(3));
    Control = query(this, "Control");

    DelSmena = command(this, "DelSmena");
    H_Tabel_ins = command(this, "H_Tabel_ins");
    SQL_exec = command(this, "SQL_exec");
    Oper_ins = command(this, "Oper_ins",
                       QStringLiteral("insert into accounts_dep.oper(vid, naimen, i_id, cena_new) \n"
                                      "values (:oper_vid, :naimen, :i_id, :cena_new)\n"));
    Oper_ed = command(this, "Oper_ed",
                      QStringLiteral("update accounts_dep.oper set vid=:oper_vid, naimen=:naimen,  i_id=:i_id, "
                                     "cena_new=:cena_new where id=:id"));
    Oper_del = command(this, "Oper_del", QStringLiteral("delete from accounts_dep.oper where id=:id"));
}

QString TDataModule6::smenaSql(int shift)
{
    const bool first = shift == 1;
    return QStringList{
        QStringLiteral("select smena.id, smena.data, smena.smena, smena.i_id, smena.o_id, smena.w_id, "),
        QStringLiteral("smena.cena,person.s_caption fio, izdel.marka, vid_oper.vid, (SELECT (CASE naimen WHEN 0 THEN "
                       "'Готовая продукция' ELSE 'Заготовки' END)) as nmn, oper.naimen,  smena.brak, smena.kol_vo::numeric,"),
        QStringLiteral("round((kol_vo-brak)*smena.cena::numeric, 2) as summa, smena.prize, color,time, smena.ok, vvod, "
                       "smena.id_doc, smena.id_doc_item, smena.f_gds_qty_use, smena.id_gds_use, smena.id_cons_use"),
        QStringLiteral("from cmn_contractor.person person, accounts_dep.izdel,accounts_dep.oper,accounts_dep.smena,"
                       "accounts_dep.vid_oper "),
        QStringLiteral("where smena.i_id=izdel.id and smena.o_id=oper.id and (w_id=person.id or s_code::t_id=w_id) and "),
        QStringLiteral("oper.vid=vid_oper.id and smena.smena=%1 and smena.data=:data and ok%2:ok order by ")
            .arg(shift)
            .arg(first ? QStringLiteral("!=") : QStringLiteral("<>")),
        first ? QStringLiteral("fio, izdel.marka, vid_oper.vid, oper.naimen, color") : QStringLiteral("fio"),
    }.join(QLatin1Char('\n'));
}

QString TDataModule6::hTabelSql(int shift)
{
    const QStringList sum = daySumLines();
    return QStringList{
        QStringLiteral("select person.s_caption fio, "),
        withTail(sum, QString(), QStringLiteral(" as summ, ")),
        withTail(sum, QStringLiteral("case when "), QStringLiteral("=0 then 0 else")),
        withTail(sum, QStringLiteral("(sum(s.cena*(kol_vo-brak))/"),
                 QStringLiteral(") end ::numeric(10,2) as average_price, sum(s.cena*(kol_vo-brak))::numeric(10,2) as "
                                "cena_all,")),
        QStringLiteral("h_tabel.*"),
        QStringLiteral("from accounts_dep.h_tabel, cmn_contractor.person, accounts_dep.smena s where "),
        QStringLiteral("h_tabel.w_id=person.s_code::integer and h_tabel.smena=%1 and month=:mnth and s.w_id = "
                       "h_tabel.w_id and")
            .arg(shift),
        QStringLiteral("h_tabel.year=:yea and s.data >=:date1 and s.data <:date2"),
        QStringLiteral("group by person.s_caption,h_tabel.w_id,h_tabel.month,h_tabel.year,h_tabel.smena,h_tabel.id "),
        QStringLiteral("order by fio"),
    }.join(QLatin1Char('\n'));
}

QVariant TDataModule6::ControlValue(const QString &sql, const QString &field, const Binds &binds)
{
    Control->close();
    Control->clearSql();
    Control->addSql(sql);
    for (const auto &b : binds)
        Control->setParam(b.first, b.second);
    Control->open();
    const QVariant v = Control->value(field);
    Control->close();
    return v;
}

bool TDataModule6::IsDuplicate(const QString &sql, const QString &message, const Binds &binds)
{
    if (ControlValue(sql, QStringLiteral("cnt"), binds).toInt() > 0) {
        Messages::error(message);
        return true;
    }
    return false;
}

bool TDataModule6::IsDuplicateName(const QString &sql, const QString &field, const QString &text,
                                   const QString &message, const Binds &binds)
{
    Control->close();
    Control->clearSql();
    Control->addSql(sql);
    for (const auto &b : binds)
        Control->setParam(b.first, b.second);
    Control->open();
    const QString wanted = text.trimmed();
    bool found = false;
    for (Control->first(); !Control->eof() && !found; Control->next())
        found = Control->text(field).trimmed().compare(wanted, Qt::CaseInsensitive) == 0;
    Control->close();
    if (found)
        Messages::error(message);
    return found;
}

QString TDataModule6::DbDecimal(const QString &text)
{
    int at = text.indexOf(QLatin1Char(','));
    if (at < 0)
        at = text.indexOf(QLatin1Char('.'));
    if (at < 0)
        return text;
    if (DbDelim.isEmpty())
        DbDelim = QStringLiteral(".");
    QString out = text;
    out.replace(at, 1, DbDelim);
    return out;
}

Dataset *TDataModule6::ShiftList(int shift) const
{
    switch (shift) {
    case 2: return Smena2;
    case 3: return Smena3;
    case 4: return Smena4;
    default: return Smena1;
    }
}

void TDataModule6::SetShiftDayHours(int workerId, int shift, const QDate &day)
{
    const QVariant hours = ControlValue(
        QStringLiteral("select sum(time) as tim from accounts_dep.smena where w_id=:w_id and smena=:smena and "
                       "data=:data group by w_id, smena, data"),
        QStringLiteral("tim"), {{QStringLiteral("w_id"), workerId}, {QStringLiteral("smena"), shift}, {QStringLiteral("data"), day}});
    const QVariant cell = hours.isNull() ? QVariant() : QVariant(hours.toInt());
    const Binds key = {{QStringLiteral("w_id"), workerId},
                       {QStringLiteral("smena"), shift},
                       {QStringLiteral("month"), day.month()},
                       {QStringLiteral("year"), day.year()},
                       {QStringLiteral("tim"), cell}};
    const QString column = QStringLiteral("d%1").arg(day.day());
    H_Tabel_ins->setSql(QStringLiteral("update accounts_dep.h_tabel set %1=:tim where w_id=:w_id and smena=:smena and "
                                       "month=:month and year=:year")
                            .arg(column));
    for (const auto &b : key)
        H_Tabel_ins->setParam(b.first, b.second);
    if (H_Tabel_ins->execute() > 0 || cell.isNull())
        return;
    H_Tabel_ins->setSql(QStringLiteral("insert into accounts_dep.h_tabel(smena, w_id, month, year, %1) "
                                       "values(:smena, :w_id, :month, :year, :tim)")
                            .arg(column));
    for (const auto &b : key)
        H_Tabel_ins->setParam(b.first, b.second);
    H_Tabel_ins->execute();
}

void TDataModule6::LockShiftDay(int workerId, int shift, const QDate &day)
{
    ControlValue(QStringLiteral("select 1 as locked from (select pg_advisory_xact_lock(7701, hashtext(:key))) l"),
                 QStringLiteral("locked"),
                 {{QStringLiteral("key"), QStringLiteral("%1:%2:%3").arg(workerId).arg(shift).arg(day.toString(Qt::ISODate))}});
}

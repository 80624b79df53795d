-- Generator of demo activity: output rows, works rows and the time sheets
-- that follow from them. Session-local functions, so nothing stays in the
-- schema. Choices are taken from hashes, so the same call gives the same rows.

-- A stable pseudo-random number 0..2^28-1 for a text.
create function pg_temp.h(t text) returns integer
language sql immutable as $$ select ('x' || substr(md5(t), 1, 7))::bit(28)::integer $$;

-- Adds `p_count` workers named after their number (for scaled data sets).
create function pg_temp.demo_workers(p_count integer) returns void
language sql as $$
    insert into accounts_dep.person (fio, s_staffpos_hl)
    select 'Работник ' || lpad(n::text, 5, '0') || ' А.А.',
           (array['Электросварщик', 'Маляр', 'Слесарь-сборщик', 'Резчик металла', 'Упаковщик'])[1 + n % 5]
    from generate_series(1, p_count) n
$$;

-- Output rows for every working day in [p_first, p_last]: each worker works
-- his shift (1..3 by his id) with `p_rows` operations a day; some work
-- overtime, a few on Saturdays; some rows get assisting workers.
create function pg_temp.demo_output(p_first date, p_last date, p_rows integer) returns void
language plpgsql as $$
begin
    create temp table demo_ops on commit drop as
    select o.id, o.i_id, min(n.price) as price, upper(v.vid) like '%КРАСКА%' as painting
    from accounts_dep.oper o
    join accounts_dep.norm n on n.o_id = o.id
    join accounts_dep.vid_oper v on v.id = o.vid
    join cmn_gds_and_srv.gds_and_srv g on g.id = o.i_id
    join cmn_classifier.item i on i.id = g.id_class_item
    where o.id >= 10001 and i.b_excluded = 0
    group by o.id, o.i_id, v.vid;

    create temp table demo_work on commit drop as
    select d::date as data, w.id as w_id, 1 + w.id % 3 as shift, extract(isodow from d) >= 6 as day_off
    from generate_series(p_first, p_last, interval '1 day') d
    cross join accounts_dep.person w
    where extract(isodow from d) <= 5
       or (extract(isodow from d) = 6 and pg_temp.h(w.id || 'sat' || d) % 5 = 0);

    insert into accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time,
                                    vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
    select k.w_id, op.i_id, op.id,
           round((op.price * (case when k.day_off then 2 else 1 end)
                  * (case k.shift when 3 then 1.2 else 1 end))::numeric, 4)::float8,
           5 + op.h % 56,
           case when op.h % 7 = 0 then 1 + op.h % 3 else 0 end,
           k.data, k.shift,
           case when op.painting then (array[9016, 7035, 3020, 5015, 6005, 1015])[1 + op.h % 6] else 0 end,
           greatest(1, 8 / p_rows),
           k.data,
           case when k.data < current_date - 10 then (case when op.h % 9 = 0 then 'да' else 'ok' end)
                else (case when op.h % 3 = 0 then 'ok' else 'no' end) end,
           0, 0, 0, 0, 0, 0
    from demo_work k
    cross join lateral (
        select o.*, pg_temp.h(o.id || ':' || k.w_id || ':' || k.data) as h
        from demo_ops o
        order by pg_temp.h(o.id || ':' || k.w_id || ':' || k.data)
        limit p_rows) op;

    -- Overtime: two or three hours on one more operation.
    insert into accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time,
                                    vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
    select k.w_id, op.i_id, op.id,
           round((op.price * (case when k.day_off then 2 else 1 end) * 1.5)::numeric, 4)::float8,
           3 + op.h % 15, 0, k.data, 4,
           case when op.painting then 9016 else 0 end,
           2 + op.h % 2, k.data,
           case when k.data < current_date - 10 then 'ok' else 'no' end,
           0, 0, 0, 0, 0, 0
    from demo_work k
    cross join lateral (
        select o.*, pg_temp.h(o.id || 'ot' || k.w_id || k.data) as h
        from demo_ops o
        order by pg_temp.h(o.id || 'ot' || k.w_id || k.data)
        limit 1) op
    where pg_temp.h(k.w_id || 'overtime' || k.data) % 8 = 0;

    -- Assisting workers (operation 7779): an auxiliary worker shares a few rows,
    -- paid 0.7 of the main worker's earnings per hour for four hours.
    insert into accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, time,
                                    vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
    select a.id, s.i_id, 7779,
           round(round((0.7 * s.cena * (s.kol_vo - s.brak) / s.time)::numeric, 2) * 4, 2)::float8,
           1, 0, s.data, s.smena, s.color, 4, s.data, 'no', 0, 0, 0, 0, 0, 0
    from accounts_dep.smena s
    join lateral (
        select p.id from accounts_dep.person p
        where p.s_staffpos_hl = 'Подсобный рабочий' and p.id <> s.w_id
        order by pg_temp.h(p.id || 'aux' || s.id) limit 1) a on true
    where s.data between p_first and p_last and s.smena between 1 and 3 and s.o_id <> 7779
      and pg_temp.h(s.id || 'assist') % 150 = 0;
end
$$;

-- Works rows: maintenance and average piece-rate hours on some days, by day
-- or by night, priced from the hourly norm with the day-off and night factors.
create function pg_temp.demo_works(p_first date, p_last date) returns void
language plpgsql as $$
begin
    insert into accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, i_smena, cnt, price, i_holiday, i_night)
    select grp.id, kind.id, w.id, d::date, extract(month from d), extract(year from d), 1 + w.id % 3,
           1 + pg_temp.h(w.id || 'cnt' || d) % 3,
           round((kind.price * (case when extract(isodow from d) >= 6 then 2 else 1 end)
                  * (case when w.id % 3 = 2 then 1.2 else 1 end))::numeric, 2),
           case when extract(isodow from d) >= 6 then 1 else 0 end,
           case when w.id % 3 = 2 then 1 else 0 end
    from generate_series(p_first, p_last, interval '1 day') d
    cross join accounts_dep.person w
    cross join lateral (
        select o.vid as id, n.price from accounts_dep.oper o join accounts_dep.norm n on n.o_id = o.id
        where o.id = case when pg_temp.h(w.id || 'kind' || d) % 2 = 0 then 7777 else 7778 end
        limit 1) kind
    cross join lateral (
        select i.id from cmn_classifier.item i
        where i.id_level = 2 and i.b_excluded = 0
        order by pg_temp.h(i.id || 'grp' || w.id || d) limit 1) grp
    where extract(isodow from d) <= 5 and pg_temp.h(w.id || 'works' || d) % 12 = 0;
end
$$;

-- Rebuilds the time-sheet rows of every month that [p_first, p_last] touches:
-- shift rows from the output rows, works rows from the works rows.
create function pg_temp.demo_timesheets(p_first date, p_last date) returns void
language plpgsql as $$
declare
    days_cols text;
    days_sums text;
    m_first date := date_trunc('month', p_first)::date;
    m_end date := (date_trunc('month', p_last) + interval '1 month')::date;
begin
    select string_agg('d' || n, ', ' order by n),
           string_agg(format('sum(tim) filter (where dd = %s)', n), ', ' order by n)
    into days_cols, days_sums
    from generate_series(1, 31) n;

    delete from accounts_dep.h_tabel
    where make_date(year, month, 1) >= m_first and make_date(year, month, 1) < m_end;

    execute format(
        'insert into accounts_dep.h_tabel (w_id, smena, month, year, %s)
         select w_id, smena, mm, yy, %s
         from (select w_id, smena, extract(month from data)::int mm, extract(year from data)::int yy,
                      extract(day from data)::int dd, sum(time) tim
               from accounts_dep.smena where data >= $1 and data < $2
               group by w_id, smena, data) t
         group by w_id, smena, mm, yy', days_cols, days_sums)
    using m_first, m_end;

    execute format(
        'insert into accounts_dep.h_tabel (i_type, w_id, i_night, id_nom, month, year, %s)
         select id_o, id_p, i_night, id_nom, mm, yy, %s
         from (select id_o, id_p, i_night, id_nom, extract(month from d_date)::int mm,
                      extract(year from d_date)::int yy, extract(day from d_date)::int dd, sum(cnt) tim
               from accounts_dep.fatigue where d_date >= $1 and d_date < $2
               group by id_o, id_p, i_night, id_nom, d_date) t
         group by id_o, id_p, i_night, id_nom, mm, yy', days_cols, days_sums)
    using m_first, m_end;
end
$$;

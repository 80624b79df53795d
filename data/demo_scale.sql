-- Scaled data set for benchmarks: the demo reference lists plus `workers`
-- more workers, `days` days of output up to today with `rows` rows per
-- worker and day, and their works rows and time sheets.
-- psql -v workers=400 -v days=90 -v rows=3 -f schema.sql -f demo_scale.sql
\set QUIET on
\if :{?workers}
\else
\set workers 200
\endif
\if :{?days}
\else
\set days 60
\endif
\if :{?rows}
\else
\set rows 3
\endif
\ir demo_reference.sql
\ir demo_generator.sql
\o /dev/null
select pg_temp.demo_workers(:workers);
select pg_temp.demo_output(current_date - (:days - 1), current_date, :rows);
select pg_temp.demo_works(current_date - (:days - 1), current_date);
select pg_temp.demo_timesheets(current_date - (:days - 1), current_date);
\o
analyze accounts_dep.smena; analyze accounts_dep.h_tabel; analyze accounts_dep.fatigue;
analyze accounts_dep.oper; analyze accounts_dep.norm; analyze accounts_dep.person;

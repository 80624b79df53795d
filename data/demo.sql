-- Demo database: the reference lists and three months of activity up to today.
-- psql -v ON_ERROR_STOP=1 -f schema.sql -f demo.sql
\set QUIET on
\ir demo_reference.sql
\ir demo_generator.sql
\o /dev/null
select pg_temp.demo_output((current_date - interval '3 months')::date, current_date, 2);
select pg_temp.demo_works((current_date - interval '3 months')::date, current_date);
select pg_temp.demo_timesheets((current_date - interval '3 months')::date, current_date);
\o
analyze accounts_dep.smena; analyze accounts_dep.h_tabel; analyze accounts_dep.fatigue;
analyze accounts_dep.oper; analyze accounts_dep.norm; analyze accounts_dep.person;

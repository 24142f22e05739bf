# SPDX-License-Identifier: MIT
# Checks tools/bild-artikel.py, which tools/make-bilder.sh runs before it makes any picture: on a
# small dictionary in the format of Debian's trans-de-en, each table below must pass or fail, and
# a failure must name its reason.
#
#   cmake -DPYTHON=python3 -DCHECKER=<tools/bild-artikel.py> -DWORK=<folder> -P check-articles.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
# Alternatives separated by " | " and "; ", qualifiers in parentheses before and after the noun,
# several genders, a noun only inside a longer name, a noun only as a plural, and German words on
# the English side (which must not count).
file(WRITE "${WORK}/de-en" [=[
# Version :: test
Hund {m} [zool.] | Hunde {pl} | Haushund {m} :: dog | dogs | domestic dog
Trikot {m,n}; Jersey {n} [sport] :: jersey
(kleinerer) Rucksack {m}; Stadtrucksack {m} :: rucksack
Zitrone (Frucht) {f} [cook.] | Zitronen {pl} :: lemon | lemons
Großkamele {pl} (Camelus) | Zweihöckriges Kamel {n} :: camels | Bactrian camel
Hamster {pl} (Cricetinae) (zoologische Unterfamilie) :: hamsters
Kitten {n} :: Katze {f}
]=])

set(failures 0)
# check(<name> <exit code> <regex the report must match; "" for an empty report> <table lines ...>)
function(check name expected pattern)
  string(JOIN "\n" table "# article\tnoun\temoji\tformat\torientation" ${ARGN})
  file(WRITE "${WORK}/${name}.tsv" "${table}\n")
  execute_process(COMMAND "${PYTHON}" "${CHECKER}" "${WORK}/${name}.tsv" "${WORK}/de-en"
    RESULT_VARIABLE rc ERROR_VARIABLE report)
  if(NOT rc STREQUAL expected OR NOT report MATCHES "${pattern}" OR (pattern STREQUAL "" AND report))
    message(SEND_ERROR "${name}: exit code ${rc} (${expected} wanted), report:\n${report}")
    math(EXPR failures "${failures} + 1")
    set(failures ${failures} PARENT_SCOPE)
  endif()
endfunction()

check(confirmed 0 ""
  "der\tHund\tdog\tgif\tL" "der\tHaushund\tdog\tjpg\tL" "das\tJersey\tshirt\tbmp\tL"
  "der\tRucksack\tbackpack\tbmp\tP" "die\tZitrone\tlemon\twmf\tL"
  "der\tTrikot\tshirt\tgif\tL" "das\tTrikot\tshirt\tgif\tL")
check(wrong_article 1 "line 2: die Hund, but the dictionary marks it {m}\n.*die Trikot, but the dictionary marks it {m}, {n}"
  "die\tHund\tdog\tgif\tL" "die\tTrikot\tshirt\tgif\tL")
check(lacking 1 "lacks Kamel.*lacks Hamster.*lacks Katze"
  "das\tKamel\tcamel\tgif\tL" "der\tHamster\thamster\tgif\tL" "die\tKatze\tcat\tgif\tL")
check(exception_with_reason 0 ""
  "das\tKamel\tcamel\tgif\tL" "exception\tKamel\tthe dictionary has only Zweihöckriges Kamel {n}")
check(exception_not_needed 1 "exception for Hund is not needed"
  "der\tHund\tdog\tgif\tL" "exception\tHund\tjust in case")
check(exception_for_another_noun 1 "exception for Maus, which the table does not have"
  "der\tHund\tdog\tgif\tL" "exception\tMaus\tthe mouse")
check(exception_without_reason 1 "an exception needs a noun and its reason"
  "das\tKamel\tcamel\tgif\tL" "exception\tKamel")
check(not_an_article 1 "the article must be der, die or das" "den\tHund\tdog\tgif\tL")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} article check(s) behaved wrongly")
endif()

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translations of translations/*.ts against the texts of the code.
# and of data/po/*.po against the desktop entry and the AppStream metadata.
#   translations.sh update [LUPDATE]   brings every .ts and .po up to date: new texts come
#                                      in unfinished, texts gone are dropped
#   translations.sh add CODE [LUPDATE] starts a language: its .ts and .po with every text
#                                      still to translate
#   translations.sh check [LUPDATE]    lists, per language, the texts not yet translated
#                                      (new, or marked unfinished or fuzzy), and fails
#                                      when there is one
# Run from the top of the source tree. LUPDATE defaults to Qt 6's lupdate.
set -euo pipefail

action=${1:-check}
if [ "$action" = add ]; then
    language=${2:?usage: translations.sh add CODE [LUPDATE]}
    shift
fi
lupdate=${2:-/usr/lib/qt6/bin/lupdate}
sources=(main.cpp shell activities pictures)

# The texts of the desktop entry and the metadata, as a gettext template.
data_template() {
    local scratch
    scratch=$(mktemp -d)
    xgettext -L Desktop -k -kName -kGenericName -kComment -kKeywords --no-location \
        -o "$scratch/desktop.pot" data/chalkline.desktop
    xgettext --its=/usr/share/gettext/its/metainfo.its --no-location -o "$scratch/metainfo.pot" \
        data/org.chalkline.chalkline.metainfo.xml.in
    msgcat --no-location "$scratch/desktop.pot" "$scratch/metainfo.pot" -o "$1"
    rm -rf "$scratch"
}

case "$action" in
add)
    "$lupdate" -silent -locations none -no-obsolete "${sources[@]}" -target-language "$language" \
        -ts "translations/chalkline_$language.ts"
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    data_template "$scratch/data.pot"
    msginit --no-translator --no-wrap -l "$language" -i "$scratch/data.pot" -o "data/po/$language.po"
    echo "$language" >>data/po/LINGUAS
    echo "Now add $language to CHALKLINE_LANGUAGES in CMakeLists.txt and translate."
    ;;
update)
    "$lupdate" -silent -locations none -no-obsolete "${sources[@]}" -ts translations/chalkline_*.ts
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    data_template "$scratch/data.pot"
    for po in data/po/*.po; do
        msgmerge -q --no-wrap --no-location --update --backup=none "$po" "$scratch/data.pot"
    done
    ;;
check)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    cp translations/chalkline_*.ts "$scratch"/
    "$lupdate" -silent -locations none -no-obsolete "${sources[@]}" -ts "$scratch"/chalkline_*.ts
    status=0
    for ts in "$scratch"/chalkline_*.ts; do
        language=$(basename "$ts" .ts)
        language=${language#chalkline_}
        # Each unfinished message: its context and its English text, one a line.
        missing=$(python3 - "$ts" <<'PY'
import sys
import xml.etree.ElementTree as tree
for context in tree.parse(sys.argv[1]).getroot().iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        translation = message.find("translation")
        if translation is None or translation.get("type") == "unfinished" or not (
                translation.text or translation.findall("numerusform")):
            print(f"  {name}: {message.findtext('source')!r}")
PY
)
        if [ -n "$missing" ]; then
            echo "$language: $(grep -c . <<<"$missing") texts not translated"
            echo "$missing"
            status=1
        else
            echo "$language: complete"
        fi
    done
    data_template "$scratch/data.pot"
    for po in data/po/*.po; do
        cp "$po" "$scratch/"
        msgmerge -q --no-wrap --no-location --update --backup=none "$scratch/$(basename "$po")" "$scratch/data.pot"
        counts=$(msgfmt --statistics -o /dev/null "$scratch/$(basename "$po")" 2>&1)
        if [[ "$counts" == *fuzzy* || "$counts" == *untranslated* ]]; then
            echo "data/po/$(basename "$po"): $counts"
            for which in --untranslated --only-fuzzy; do
                msgattrib "$which" --no-wrap "$scratch/$(basename "$po")" | grep '^msgid "[^"]' || true
            done
            status=1
        fi
    done
    exit $status
    ;;
*)
    echo "usage: translations.sh update|check [LUPDATE], translations.sh add CODE [LUPDATE]" >&2
    exit 2
    ;;
esac

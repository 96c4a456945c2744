# tavo's own help against its manual page and its shell completion, so that
# none of them can drift from the others: every command, option, literal
# word and option value the help names is in the manual and offered by the
# completion, and the completion offers no option the help does not name.
# Sourced by check-package.sh, which defines tavo_run and work.

tavo_commands() { tavo_run tavo --help | awk '/^  [a-z][a-z-]*  / { print $1 }'; }
tavo_options() { tavo_run tavo "$1" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u; }
# The literal words after the command in its usage lines (mixer get|set).
tavo_words() { tavo_run tavo "$1" --help | sed -nE "s/^tavo $1 ([a-z][a-z-]*)( .*)?$/\1/p" | sort -u; }
# OPTION and its choices, as "--ear left|right".
tavo_choices() { tavo_run tavo "$1" --help | grep -oE -- '--[a-z-]+ [a-z]+(\|[a-z]+)+' | sort -u; }

# check_manual_pages ROOT: the English pages (man1) and the German ones
# (de/man1), each in its language and each complete.
check_manual_pages() {
    check_manual_pages_in "$1" man1 SYNOPSIS
    check_manual_pages_in "$1" de/man1 ÜBERSICHT
}

# check_manual_pages_in ROOT FOLDER SYNOPSIS_HEADING
check_manual_pages_in() {
    local root="$1" folder="$2" heading="$3" page warnings command option section
    local text="$work/man-${folder//\//-}"
    mkdir -p "$text"
    for page in tavo TavoAudiometer; do
        warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 \
            -l "$root/usr/share/man/$folder/$page.1.gz" 2>&1 >"$text/$page.txt")"
        expect_equal "man $folder/$page without warnings" "" "$warnings"
        expect_line "man $folder/$page is in its language" "$heading" "$(cat "$text/$page.txt")"
    done
    local commands
    commands="$(tavo_commands | tr '\n' ' ')"
    for command in $commands; do
        # The command's part of the page: from its entry to the next one.
        section="$(awk -v command="$command" -v commands=" $commands" '
            /^[^ ]/ { inside = 0 }
            /^       [a-z]/ && index(commands, " " $1 " ") { inside = $1 == command }
            inside' "$text/tavo.txt")"
        expect_match "$folder/tavo.1 describes $command" . "$section"
        for option in $(tavo_options "$command"); do
            if grep -qF -- "$option" <<<"$section"; then
                pass
            else
                fail "$folder/tavo.1 does not name $option of tavo $command"
            fi
        done
        for word in $(tavo_words "$command"); do
            expect_match "$folder/tavo.1 names tavo $command $word" "$command $word" "$section"
        done
    done
    # The options before the command (tavo --help) and those of the program.
    for page in tavo TavoAudiometer; do
        for option in $(tavo_run "$page" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
            if grep -qF -- "$option" "$text/$page.txt"; then
                pass
            else
                fail "$folder/$page.1 does not name $option"
            fi
        done
    done
}

# complete_line LINE: what the completion offers at the end of LINE, one a
# line, sorted; run in the folder $completion_folder with the package's tavo.
complete_line() {
    (cd "$completion_folder" &&
        PATH="$completion_root/usr/bin:$PATH" bash --norc --noprofile -c '
            source /usr/share/bash-completion/bash_completion
            source "$1"
            read -ra COMP_WORDS <<<"$2"
            [[ $2 == *" " ]] && COMP_WORDS+=("")
            COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
            COMP_LINE="$2"
            COMP_POINT=${#2}
            _tavo tavo "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
            printf "%s\n" "${COMPREPLY[@]}" | sed "/^$/d" | sort' \
            _ "$completion_root/usr/share/bash-completion/completions/tavo" "$1")
}

# check_completion ROOT TEST_FILE CALIBRATION_FILE: the completion lists
# files in a folder with copies of the two and files of other kinds.
check_completion() {
    completion_root="$1"
    completion_folder="$work/completion"
    mkdir -p "$completion_folder/ordner"
    cp "$2" "$completion_folder/a.vkt"
    cp "$3" "$completion_folder/c.vkk"
    touch "$completion_folder"/{b.AUD,d.json,e.txt,f.png,g.reg}
    local command options words choice option values
    expect_equal "tavo <TAB>" "$( (tavo_commands; echo --help; echo --lang) | sort)" \
        "$(complete_line "tavo ")"
    expect_equal "tavo --lang <TAB>" "$(printf '%s\n' de en source)" "$(complete_line "tavo --lang ")"
    expect_equal "tavo --lang en <TAB>" "$( (tavo_commands; echo --help) | sort)" \
        "$(complete_line "tavo --lang en ")"
    expect_equal "tavo --lang en tone --o<TAB>" "--out" "$(complete_line "tavo --lang en tone --o")"
    for command in $(tavo_commands); do
        options="$( (tavo_options "$command"; echo --help) | sort -u)"
        expect_equal "tavo $command --<TAB>" "$options" "$(complete_line "tavo $command --")"
        words="$(tavo_words "$command")"
        if [ -n "$words" ]; then
            expect_equal "tavo $command <TAB>" "$words" "$(complete_line "tavo $command ")"
        fi
        while read -r choice; do
            [ -n "$choice" ] || continue
            option="${choice%% *}"
            values="$(tr '|' '\n' <<<"${choice#* }" | sort)"
            expect_equal "tavo $command $option <TAB>" "$values" \
                "$(complete_line "tavo $command $option ")"
        done <<<"$(tavo_choices "$command")"
    done
    # An option is offered once: tavo refuses it twice.
    expect_equal "tavo tone --out x.wav --o<TAB>" "" "$(complete_line "tavo tone --out x.wav --o")"
    # Files by what the command reads or writes.
    expect_equal "tavo show <TAB>" "$(printf '%s\n' a.vkt b.AUD c.vkk ordner)" \
        "$(complete_line "tavo show ")"
    expect_equal "tavo convert a.vkt <TAB>" "$(printf '%s\n' d.json e.txt ordner)" \
        "$(complete_line "tavo convert a.vkt ")"
    expect_equal "tavo convert d.json <TAB>" "$(printf '%s\n' a.vkt b.AUD c.vkk ordner)" \
        "$(complete_line "tavo convert d.json ")"
    expect_equal "tavo simulate --calibration <TAB>" "$(printf '%s\n' c.vkk ordner)" \
        "$(complete_line "tavo simulate --calibration ")"
    expect_equal "tavo render a.vkt --out <TAB>" "$(printf '%s\n' f.png ordner)" \
        "$(complete_line "tavo render a.vkt --out ")"
    # The controls the (simulated) mixer device has.
    local controls
    controls="$(complete_line "tavo mixer --simulate get ")"
    expect_line "mixer get offers MasterVolume" MasterVolume "$controls"
    if grep -qx MasterOnOff <<<"$controls"; then
        fail "mixer get offers a control the device lacks"
    else
        pass
    fi
}

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

# check_manual_pages ROOT
check_manual_pages() {
    local root="$1" page warnings command option section
    for page in tavo TavoAudiometer; do
        warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 \
            -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >"$work/$page.txt")"
        expect_equal "man $page without warnings" "" "$warnings"
    done
    local commands
    commands="$(tavo_commands | tr '\n' ' ')"
    for command in $commands; do
        # The command's part of the page: from its entry to the next one.
        section="$(awk -v command="$command" -v commands=" $commands" '
            /^[^ ]/ { inside = 0 }
            /^       [a-z]/ && index(commands, " " $1 " ") { inside = $1 == command }
            inside' "$work/tavo.txt")"
        expect_match "tavo.1 describes $command" . "$section"
        for option in $(tavo_options "$command"); do
            if grep -qF -- "$option" <<<"$section"; then
                pass
            else
                fail "tavo.1 does not name $option of tavo $command"
            fi
        done
        for word in $(tavo_words "$command"); do
            expect_match "tavo.1 names tavo $command $word" "$command $word" "$section"
        done
    done
    for option in $(tavo_run TavoAudiometer --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
        if grep -qF -- "$option" "$work/TavoAudiometer.txt"; then
            pass
        else
            fail "TavoAudiometer.1 does not name $option"
        fi
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
    expect_equal "tavo <TAB>" "$( (tavo_commands; echo --help) | sort)" "$(complete_line "tavo ")"
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

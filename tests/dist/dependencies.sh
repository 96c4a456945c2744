# The shared libraries the package's programs load must come from packages
# its Depends field brings, directly or through their own dependencies.
# Sourced by check-package.sh.

# The installed packages that a Depends field brings, through their own
# dependencies too; every alternative counts, and a virtual name brings the
# installed packages that provide it.
dependency_closure() {
    dpkg-query -W -f='${Package}\t${Status}\t${Depends},${Pre-Depends}\t${Provides}\n' |
        awk -F'\t' -v wanted="$1" '
            function names(field, list,    count, i, parts) {
                gsub(/\([^)]*\)|\[[^]]*\]|:any|[ \t]/, "", field)
                count = split(field, parts, /[,|]/)
                for (i = 1; i <= count; i++) {
                    if (parts[i] != "") list[++list[0]] = parts[i]
                }
            }
            $2 ~ / installed$/ {
                depends[$1] = $3
                delete provided
                names($4, provided)
                for (i = 1; i <= provided[0]; i++) providers[provided[i]] = providers[provided[i]] "," $1
            }
            END {
                names(wanted, queue)
                for (next_ = 1; next_ <= queue[0]; next_++) {
                    name = queue[next_]
                    if (name in seen) continue
                    seen[name] = 1
                    print name
                    names(depends[name] "," providers[name], queue)
                }
            }'
}

# check_dependencies ROOT DEPENDS: every library that ld.so loads for the
# programs in ROOT/usr/bin belongs to a package that DEPENDS brings.
check_dependencies() {
    local root="$1" closure program libraries paths owners library owner
    closure="$(dependency_closure "$2")"
    for program in "$root"/usr/bin/*; do
        libraries="$(ldd "$program")"
        if grep -q 'not found' <<<"$libraries"; then
            fail "$(basename "$program") lacks libraries: $(grep 'not found' <<<"$libraries")"
        fi
        paths+="$(awk '$2 == "=>" && $3 ~ /^\// { print $3 } $1 ~ /^\// { print $1 }' \
            <<<"$libraries")"$'\n'
    done
    paths="$(sort -u <<<"$paths" | sed '/^$/d')"
    # dpkg knows a library by the path its package ships (/lib or /usr/lib).
    owners="$(dpkg -S $(sed -E 's|^/usr/|/|; p; s|^/|/usr/|' <<<"$paths") 2>/dev/null |
        grep -v '^diversion')"
    while read -r library; do
        owner="$(awk -v short="${library#/usr}" '$NF == short || $NF == "/usr" short {
                          sub(/:.*/, "", $1); print $1; exit }' <<<"$owners")"
        if [ -z "$owner" ]; then
            fail "$library is loaded but belongs to no package"
        elif grep -qxF "$owner" <<<"$closure"; then
            pass
        else
            fail "$library comes from $owner, which the package does not depend on"
        fi
    done <<<"$paths"
}

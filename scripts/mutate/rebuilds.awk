# For each file given, how many translation units include it, directly or through other
# headers (a source file counts itself): what a change to it makes the build compile again.
# Prints: file TAB units. Includes are resolved by file name, as the include paths are flat.
BEGIN { OFS = "\t" }
FNR == 1 {
    files[++nfiles] = FILENAME
    base = FILENAME; sub(/.*\//, "", base); pathOf[base] = FILENAME
}
/^[ \t]*#[ \t]*include[ \t]*"/ {
    name = $0; sub(/^[^"]*"/, "", name); sub(/".*/, "", name); sub(/.*\//, "", name)
    includes[FILENAME] = includes[FILENAME] " " name
}
END {
    for (i = 1; i <= nfiles; i++) {
        if (files[i] !~ /\.cpp$/) continue
        split("", seen)
        reach(files[i])
        for (f in seen) units[f]++
    }
    for (i = 1; i <= nfiles; i++) print files[i], units[files[i]] + 0
}
function reach(file,    names, n, k) {
    if (file in seen) return
    seen[file] = 1
    n = split(includes[file], names, " ")
    for (k = 1; k <= n; k++)
        if (names[k] in pathOf) reach(pathOf[names[k]])
}

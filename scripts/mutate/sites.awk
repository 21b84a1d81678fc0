# Lists every mutation site of the C++ files given as arguments, one a line:
#   file TAB line TAB column TAB kind TAB before TAB after[SOH after...]
# Columns count bytes (run under LC_ALL=C). The source is read as text with a small lexer that
# blanks comments and the insides of literals, so the patterns below never match there; lines
# of preprocessor directives, static_asserts and raw strings are left alone, as their mutants
# would only fail to build or change nothing the program does.
BEGIN { OFS = "\t"; SOH = "\001" }

FNR == 1 { inBlock = 0; inRaw = 0; inAssert = 0 }

{
    line = $0
    mask()
    if (touchesRaw || index(line, "\t")) next
    trimmed = masked
    sub(/^ +/, "", trimmed)
    if (trimmed ~ /^#/) next
    if (inAssert || masked ~ /static_assert/) {
        inAssert = (parenDepth(masked) > 0) || (inAssert && masked !~ /;/)
        next
    }
    if (trimmed == "") next

    tableRow = (trimmed ~ /^\{/ && trimmed ~ /\}[};,]*$/)
    operators()
    if (tableRow) tableCells(); else constants()
    statement()
    branches()
    texts()
}

function emit(col, kind, before, after) {
    print FILENAME, FNR, col, kind, before, after
}

# Fills masked (the line with comments blanked and literal insides turned to "_"), the string
# literals' spans strFrom[]/strTo[] (quotes included) and touchesRaw.
function mask(    n, i, c, out, j, delim, endAt, inner) {
    n = length(line); out = ""; strings = 0; touchesRaw = inRaw
    for (i = 1; i <= n; i++) {
        c = substr(line, i, 1)
        if (inBlock) {
            if (substr(line, i, 2) == "*/") { inBlock = 0; out = out "  "; i++ } else out = out " "
            continue
        }
        if (inRaw) {
            endAt = index(substr(line, i), rawEnd)
            if (endAt == 0) { out = out sprintf("%*s", n - i + 1, ""); break }
            out = out sprintf("%*s", endAt + length(rawEnd) - 1, ""); i += endAt + length(rawEnd) - 2
            inRaw = 0
            continue
        }
        if (substr(line, i, 2) == "//") { out = out sprintf("%*s", n - i + 1, ""); break }
        if (substr(line, i, 2) == "/*") { inBlock = 1; out = out "  "; i++; continue }
        if (c == "R" && substr(line, i + 1, 1) == "\"" && (i == 1 || substr(line, i - 1, 1) !~ /[A-Za-z0-9_]/ || substr(line, i - 2, 2) == "u8")) {
            j = index(substr(line, i + 2), "(")
            delim = substr(line, i + 2, j - 1)
            rawEnd = ")" delim "\""
            inRaw = 1; touchesRaw = 1
            out = out sprintf("%*s", j + 2, ""); i += j + 1
            continue
        }
        if (c == "\"" || (c == "'" && !(i > 1 && substr(line, i - 1, 1) ~ /[0-9A-Fa-f]/ && substr(line, i + 1, 1) ~ /[0-9A-Fa-f]/))) {
            for (j = i + 1; j <= n; j++) {
                if (substr(line, j, 1) == "\\") { j++; continue }
                if (substr(line, j, 1) == c) break
            }
            if (c == "\"") { strings++; strFrom[strings] = i; strTo[strings] = j }
            inner = sprintf("%*s", j - i - 1, "")
            gsub(/ /, "_", inner)
            out = out c inner
            if (j <= n) out = out c
            i = j
            continue
        }
        out = out c
    }
    masked = out
}

function parenDepth(s,    t, opens, closes) {
    t = s; opens = gsub(/\(/, "", t); t = s; closes = gsub(/\)/, "", t)
    return opens - closes
}

# Comparison, arithmetic and logical operators written with a blank on each side (so template
# brackets, pointers and references are not taken for them), and increments.
function operators(    rest, offset, op, col) {
    rest = masked; offset = 0
    while (match(rest, / (<=|>=|==|!=|<|>|&&|\|\||\+=|-=|\*=|\+|-|\*|\/|%) /)) {
        op = substr(rest, RSTART + 1, RLENGTH - 2)
        col = offset + RSTART + 1
        if (op in Swap) emit(col, KindOf[op], op, Swap[op])
        offset += RSTART + RLENGTH - 2; rest = substr(rest, RSTART + RLENGTH - 1)
    }
    rest = masked; offset = 0
    while (match(rest, /(\+\+|--)/)) {
        col = offset + RSTART
        op = substr(rest, RSTART, 2)
        if (substr(masked, col - 1, 1) !~ /[-+]/ && substr(masked, col + 2, 1) !~ /[-+]/)
            emit(col, "arith", op, op == "++" ? "--" : "++")
        offset += RSTART + 1; rest = substr(rest, RSTART + 2)
    }
}

# Integer literals in code: one more or one less.
function constants(    rest, offset, col, len, value) {
    rest = masked; offset = 0
    while (match(rest, /[0-9]+/)) {
        col = offset + RSTART; len = RLENGTH
        value = substr(masked, col, len) + 0
        if (substr(masked, col - 1, 1) !~ /[A-Za-z0-9_.']/ && substr(masked, col + len, 1) !~ /[A-Za-z0-9_.']/)
            emit(col, "constant", substr(masked, col, len), offBy1(value))
        offset += RSTART + RLENGTH - 1; rest = substr(rest, RSTART + RLENGTH)
    }
}

function offBy1(value) {
    return value == 0 ? "1" : (value + 1) SOH (value - 1)
}

# A row of a table initialiser: any number in it, in code or inside a text ("1-2", "Hit #3").
function tableCells(    rest, offset, col, len) {
    rest = line; offset = 0
    while (match(rest, /[0-9]+/)) {
        col = offset + RSTART; len = RLENGTH
        if (substr(line, col - 1, 1) !~ /[A-Za-z_.'\\]/ && substr(line, col + len, 1) !~ /[A-Za-z_.']/)
            emit(col, "table", substr(line, col, len), offBy1(substr(line, col, len) + 0))
        offset += RSTART + RLENGTH - 1; rest = substr(rest, RSTART + RLENGTH)
    }
}

# A whole assignment or call on one line, not a declaration: it starts with a name (with
# members, scopes and subscripts) directly followed by an assignment, a call or an increment.
# It becomes an empty statement, so an unbraced if or loop above it keeps its shape.
function statement(    start, stop, head) {
    if (!match(masked, /^ *[A-Za-z_][A-Za-z0-9_]*((\.|->|::)[A-Za-z_][A-Za-z0-9_]*|\[[^]]*\])*( *(=|\+=|-=|\*=|\/=|\|=|&=) |\(|\+\+|--)/) &&
        !match(masked, /^ *(\+\+|--)[A-Za-z_]/))
        return
    head = masked; sub(/^ +/, "", head); sub(/[^A-Za-z0-9_].*/, "", head)
    if (head in Keyword) return
    if (masked !~ /; *$/ || masked ~ /= *(default|delete|0) *; *$/ || parenDepth(masked) != 0) return
    # Two words in a row inside the parentheses are a parameter: a declaration, not a call.
    if (masked ~ /\(.*[A-Za-z0-9_>][&*]? +[A-Za-z_]/) return
    if (prevCode !~ /[;{}):]$/ && prevCode !~ /else$/ && prevCode != "") { return }
    start = match(masked, /[^ ]/)
    stop = length(masked); while (substr(masked, stop, 1) == " ") stop--
    emit(start, "statement", substr(line, start, stop - start + 1), ";")
}

# An if condition that closes on its own line is negated.
function branches(    rest, offset, open, depth, j, c) {
    rest = masked; offset = 0
    while (match(rest, /(^|[^A-Za-z0-9_])if \(/)) {
        open = offset + RSTART + RLENGTH - 1
        depth = 0
        for (j = open; j <= length(masked); j++) {
            c = substr(masked, j, 1)
            if (c == "(") depth++
            else if (c == ")" && --depth == 0) break
        }
        if (j <= length(masked))
            emit(open, "branch", substr(line, open, j - open + 1), "(!" substr(line, open, j - open + 1) ")")
        offset += RSTART + RLENGTH - 1; rest = substr(rest, RSTART + RLENGTH)
    }
}

# A text literal with one letter or digit changed: the next one in its alphabet.
function texts(    k, from, to, body, i, c, alts, next1) {
    for (k = 1; k <= strings; k++) {
        from = strFrom[k]; to = strTo[k]
        if (substr(masked, from - 6, 6) == "extern" || to - from < 2) continue
        body = substr(line, from + 1, to - from - 1)
        alts = ""
        for (i = 1; i <= length(body); i++) {
            c = substr(body, i, 1)
            if (substr(body, i - 1, 1) == "\\" || c !~ /[A-Za-z0-9]/) continue
            next1 = c ~ /[Zz9]/ ? (c == "9" ? "0" : (c == "z" ? "a" : "A")) : substr(Alphabet, index(Alphabet, c) + 1, 1)
            alts = alts (alts == "" ? "" : SOH) "\"" substr(body, 1, i - 1) next1 substr(body, i + 1) "\""
        }
        if (alts != "") emit(from, "text", "\"" body "\"", alts)
    }
}

# The last line with code on it, to tell a statement from the continuation of one.
{ if (masked ~ /[^ ]/) { prevCode = masked; sub(/ +$/, "", prevCode) } }

BEGIN {
    Alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
    split("< <= > >= == != && || += -= *= + - * / %", ops, " ")
    split("<= < >= > != == || && -= += /= - + / * /", swaps, " ")
    for (i = 1; i in ops; i++) {
        Swap[ops[i]] = swaps[i]
        KindOf[ops[i]] = ops[i] ~ /^(<|<=|>|>=|==|!=)$/ ? "compare" : ops[i] ~ /^(&&|\|\|)$/ ? "logic" : "arith"
    }
    split("if for while switch return throw case default do else break continue goto using typedef namespace template sizeof alignof decltype new delete co_return co_await co_yield static_assert", kw, " ")
    for (i = 1; i in kw; i++) Keyword[kw[i]] = 1
}

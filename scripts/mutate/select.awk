# Chooses count mutants from the sites (sites.awk's lines) given the rebuild sizes
# (rebuilds.awk's lines), deterministically from seed, and prints them in the order they are
# best run: id TAB file TAB line TAB column TAB kind TAB before TAB after.
#
# Every file with a site gets one mutant; the rest are shared out in proportion to a file's
# sites per translation unit its change rebuilds, so the few headers that nearly every unit
# includes do not take most of the run's time. Within a file the picks go round its kinds in
# a seeded order. The mutants of the widest rebuilds run first and side by side, so restoring
# one is compiled together with the next.
# Own generator (Park-Miller), so that every awk gives the same list for a seed.
BEGIN { FS = OFS = "\t"; SOH = "\001"; state = (seed % 2147483646) + 1 }
function rand01() { state = (state * 48271) % 2147483647; return (state - 1) / 2147483646 }
function pick(n) { return int(rand01() * n) + 1 }

FNR == NR { units[$1] = $2; next }
{
    f = $1
    if (!(f in sitesOf)) files[++nfiles] = f
    sitesOf[f]++
    if (!((f, $2) in lineSeen)) { lineSeen[f, $2] = 1; linesOf[f]++ }
    k = $4
    if (!((f, k) in kindSites)) { kindsOf[f] = kindsOf[f] " " k }
    kindSites[f, k]++
    site[f, k, kindSites[f, k]] = $2 OFS $3 OFS $4 OFS $5 OFS $6
}
END {
    if (count > 0 && nfiles > 0) allot()
    for (i = 1; i <= nfiles; i++) choose(files[i])
    n = 0
    for (i = 1; i <= chosen; i++) order[++n] = i
    # Insertion sort by (units descending, file, line, column): a few hundred at most.
    for (i = 2; i <= n; i++) {
        v = order[i]
        for (j = i - 1; j >= 1 && after(order[j], v); j--) order[j + 1] = order[j]
        order[j + 1] = v
    }
    for (i = 1; i <= n; i++) print i, out[order[i]]
}

function after(a, b) {
    if (outUnits[a] != outUnits[b]) return outUnits[a] < outUnits[b]
    if (outFile[a] != outFile[b]) return outFile[a] > outFile[b]
    if (outLine[a] != outLine[b]) return outLine[a] > outLine[b]
    return outCol[a] > outCol[b]
}

function allot(    i, f, rest, total, share, given, best, bestFrac, frac) {
    if (count <= nfiles) {
        # Fewer mutants than files: one each for a seeded choice of files.
        for (i = 1; i <= nfiles; i++) order[i] = i
        for (i = nfiles; i > 1; i--) { j = pick(i); t = order[i]; order[i] = order[j]; order[j] = t }
        for (i = 1; i <= count; i++) quota[files[order[i]]] = 1
        return
    }
    for (i = 1; i <= nfiles; i++) quota[files[i]] = 1
    rest = count - nfiles
    while (rest > 0) {
        total = 0
        for (i = 1; i <= nfiles; i++) { f = files[i]; if (quota[f] < sitesOf[f]) total += weight(f) }
        if (total == 0) break
        given = 0
        for (i = 1; i <= nfiles; i++) {
            f = files[i]
            if (quota[f] >= sitesOf[f]) continue
            share = int(rest * weight(f) / total)
            if (quota[f] + share > sitesOf[f]) share = sitesOf[f] - quota[f]
            quota[f] += share; given += share
        }
        if (given == 0) {
            # Largest remainder: the one extra goes to the file furthest below its share.
            best = ""; bestFrac = -1
            for (i = 1; i <= nfiles; i++) {
                f = files[i]
                if (quota[f] >= sitesOf[f]) continue
                frac = rest * weight(f) / total
                if (frac > bestFrac) { bestFrac = frac; best = f }
            }
            quota[best]++; given = 1
        }
        rest -= given
    }
}

function weight(f) { return linesOf[f] / (units[f] > 0 ? units[f] : 1) }

function choose(f,    kinds, nk, i, j, t, k, taken, n, idx, guard, fields, alts, na) {
    nk = split(substr(kindsOf[f], 2), kinds, " ")
    for (i = nk; i > 1; i--) { j = pick(i); t = kinds[i]; kinds[i] = kinds[j]; kinds[j] = t }
    for (i = 0; taken < quota[f] && i < 100000; i++) {
        k = kinds[i % nk + 1]
        n = kindSites[f, k]
        if (used[f, k] >= n) continue
        do idx = pick(n); while ((f, k, idx) in done)
        done[f, k, idx] = 1; used[f, k]++; taken++
        split(site[f, k, idx], fields, OFS)
        na = split(fields[5], alts, SOH)
        chosen++
        out[chosen] = f OFS fields[1] OFS fields[2] OFS fields[3] OFS fields[4] OFS alts[pick(na)]
        outUnits[chosen] = units[f] + 0; outFile[chosen] = f; outLine[chosen] = fields[1] + 0; outCol[chosen] = fields[2] + 0
    }
}

# The entries a services file yields, counted apart from the program's own
# parser: "port protocol name" for each accepted piece, in file order.
# The file is read in pieces of at most 299 characters (the line break
# counting as one); only a space separates fields.
function parse(piece,    first, rest, i, name, number, digits, slash, proto, stop, n) {
    first = substr(piece, 1, 1)
    if (first == "#" || first == "\r" || first == "\n")
        return
    sub(/^ +/, "", piece)
    i = index(piece, " ")
    if (i == 0)
        return
    name = substr(piece, 1, i - 1)
    number = substr(piece, i)
    sub(/^ +/, "", number)
    digits = number
    sub(/^[ \t\n\r\f\v]+/, "", digits)
    if (substr(digits, 1, 1) == "-")
        return
    sub(/^\+/, "", digits)
    if (match(digits, /^[0-9]+/) == 0)
        return
    n = substr(digits, 1, RLENGTH) + 0
    if (n < 1 || n > 65535)
        return
    slash = index(number, "/")
    if (slash == 0)
        return
    proto = substr(number, slash + 1)
    stop = match(proto, /[ \r\n]/)
    if (stop > 0)
        proto = substr(proto, 1, stop - 1)
    proto = tolower(proto)
    if (proto == "tcp") n = n " 6"
    else if (proto == "udp") n = n " 17"
    else if (proto == "icmp") n = n " 1"
    else return
    print n " " name
}
{
    line = $0 "\n"
    while (length(line) > 0) {
        parse(substr(line, 1, 299))
        line = substr(line, 300)
    }
}

"""Reading and writing gettext catalogues (.po and .pot), as far as the
project's own files use them: msgctxt, msgid, msgid_plural, msgstr and
msgstr[n], strings over several lines, comments of every kind, the header
entry and obsolete (#~) entries, which are kept apart."""
import re


class Entry:
    def __init__(self):
        self.context = None
        self.msgid = None
        self.plural = None
        self.msgstr = []          # one text, or one per plural form
        self.comments = []        # "#." lines: where the text appears, its room
        self.references = []      # "#:" lines
        self.flags = set()        # "#," fuzzy, c-format, ...
        self.translator = []      # "# " lines
        self.obsolete = False
        self.line = 0

    @property
    def key(self):
        return (self.context or "", self.msgid)


ESCAPES = {"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\", "a": "\a", "b": "\b", "f": "\f", "v": "\v"}


def unquote(s, where):
    s = s.strip()
    if len(s) < 2 or s[0] != '"' or s[-1] != '"':
        raise ValueError(f"{where}: a quoted string was expected")
    out, i, body = [], 0, s[1:-1]
    while i < len(body):
        c = body[i]
        if c == "\\":
            if i + 1 >= len(body):
                raise ValueError(f"{where}: a string ends in a backslash")
            n = body[i + 1]
            if n in ESCAPES:
                out.append(ESCAPES[n])
                i += 2
                continue
            if n in "01234567":
                m = re.match(r"[0-7]{1,3}", body[i + 1:])
                out.append(chr(int(m.group(0), 8)))
                i += 1 + len(m.group(0))
                continue
            raise ValueError(f"{where}: unknown escape \\{n}")
        if c == '"':
            raise ValueError(f"{where}: a quote inside a string is not escaped")
        out.append(c)
        i += 1
    return "".join(out)


def quote(s):
    out = s.replace("\\", "\\\\").replace('"', '\\"').replace("\t", "\\t").replace("\r", "\\r")
    # Long texts and texts with line breaks go over several lines, each
    # ending after its \n, the way gettext's own tools write them.
    parts = out.split("\n")
    if len(parts) == 1 and len(out) < 70:
        return f'"{out}"'
    lines = [p + "\\n" for p in parts[:-1]] + ([parts[-1]] if parts[-1] else [])
    return '""\n' + "\n".join(f'"{line}"' for line in lines)


def parse(path):
    """The entries of a catalogue, header first, obsolete ones last."""
    entries, e, field = [], Entry(), None
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")

    def finish():
        nonlocal e, field
        if e.msgid is not None:
            entries.append(e)
        elif e.comments or e.references or e.context is not None:
            raise ValueError(f"{path}:{e.line}: an entry has no msgid")
        e, field = Entry(), None

    for number, raw in enumerate(lines, 1):
        where = f"{path}:{number}"
        line = raw.rstrip("\r")
        obsolete = line.startswith("#~")
        if obsolete:
            line = line[2:].lstrip()
            e.obsolete = True
        if not line.strip():
            finish()
            continue
        if e.msgid is None and e.line == 0:
            e.line = number
        if line.startswith("#."):
            e.comments.append(line[2:].strip())
        elif line.startswith("#:"):
            e.references += line[2:].split()
        elif line.startswith("#,"):
            e.flags |= {x.strip() for x in line[2:].split(",") if x.strip()}
        elif line.startswith("#"):
            e.translator.append(line[1:].strip())
        elif line.startswith('"'):
            if field is None:
                raise ValueError(f"{where}: a string continues nothing")
            text = unquote(line, where)
            if field == "msgctxt":
                e.context += text
            elif field == "msgid":
                e.msgid += text
            elif field == "msgid_plural":
                e.plural += text
            else:
                e.msgstr[field] += text
        else:
            m = re.match(r"(msgctxt|msgid_plural|msgid|msgstr(?:\[(\d+)\])?)\s+(.*)$", line)
            if not m:
                raise ValueError(f"{where}: cannot read '{line}'")
            keyword, index, rest = m.group(1), m.group(2), m.group(3)
            text = unquote(rest, where)
            if keyword == "msgctxt":
                if e.msgid is not None:
                    finish()
                    e.line = number
                e.context, field = text, "msgctxt"
            elif keyword == "msgid":
                if e.msgid is not None:
                    finish()
                    e.line = number
                e.msgid, field = text, "msgid"
            elif keyword == "msgid_plural":
                e.plural, field = text, "msgid_plural"
            else:
                i = int(index) if index is not None else 0
                if i != len(e.msgstr):
                    raise ValueError(f"{where}: msgstr[{i}] is out of order")
                e.msgstr.append(text)
                field = i
    finish()
    return entries


def header_fields(entries):
    for e in entries:
        if e.msgid == "" and e.context is None and not e.obsolete:
            fields = {}
            for line in (e.msgstr[0] if e.msgstr else "").split("\n"):
                if ":" in line:
                    k, v = line.split(":", 1)
                    fields[k.strip()] = v.strip()
            return fields
    return {}


def messages(entries):
    """The live entries that are messages (not the header, not obsolete)."""
    return [e for e in entries if not e.obsolete and not (e.msgid == "" and e.context is None)]


def plural_table(expression, count=200):
    """The plural form for n = 0 .. count - 1 of a Plural-Forms expression.
    The programs take the form of a larger n from 100 + n % 100, which every
    rule gettext's languages use agrees with."""
    expr = expression.strip().rstrip(";")
    if not re.fullmatch(r"[n0-9\s()?:<>=!&|%+\-*/]*", expr):
        raise ValueError(f"plural expression '{expression}' has characters it may not")
    py = expr.replace("&&", " and ").replace("||", " or ").replace("/", "//")
    py = re.sub(r"!(?!=)", " not ", py)
    # C's a ? b : c, innermost last, as Python's (b if a else c).
    def ternary(s):
        depth = 0
        for i, c in enumerate(s):
            if c == "(":
                depth += 1
            elif c == ")":
                depth -= 1
            elif c == "?" and depth == 0:
                d, j = 0, i + 1
                while j < len(s):
                    if s[j] == "(":
                        d += 1
                    elif s[j] == ")":
                        d -= 1
                    elif s[j] == "?" and d == 0:
                        d2 = 1
                        j += 1
                        while j < len(s) and d2:
                            if s[j] == "?":
                                d2 += 1
                            elif s[j] == ":":
                                d2 -= 1
                            j += 1
                        continue
                    elif s[j] == ":" and d == 0:
                        return f"(({ternary(s[i + 1:j])}) if ({ternary(s[:i])}) else ({ternary(s[j + 1:])}))"
                    j += 1
                raise ValueError(f"plural expression '{expression}' has ? without :")
        return s
    def inner(s):
        # Brackets first, so that the ternaries inside them are turned too.
        out, i = "", 0
        while i < len(s):
            if s[i] == "(":
                depth, j = 1, i + 1
                while depth:
                    depth += {"(": 1, ")": -1}.get(s[j], 0)
                    j += 1
                out += "(" + inner(s[i + 1:j - 1]) + ")"
                i = j
            else:
                out += s[i]
                i += 1
        return ternary(out)
    code = compile(inner(py), "<plural>", "eval")
    return [int(eval(code, {"__builtins__": {}}, {"n": n})) for n in range(count)]


def placeholders(text):
    return sorted(re.findall(r"\{[a-z_]+\}", text))

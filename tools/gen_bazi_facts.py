#!/usr/bin/env python3
"""Writes the stem-branch fact tables of Tgcode.dll: Shishen, jiazi and hzwh.

    tools/gen_bazi_facts.py [DATA_DIR]      (default: data/ beside tools/)

- Shishen: the ten god of every ordered pair of stems, keyed by the day stem
  followed by the other stem (甲庚 -> 七杀), found from the five-element
  relation of the two stems and whether their polarity agrees.
- jiazi: the na-yin of each of the sixty pillars, keyed by the pillar text.
- hzwh: the element of every stem and branch; one row per element whose
  column hz lists all characters of that element, so a lookup by
  "hz like '%x%'" finds exactly one row.
"""

import os
import sys

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"

# The five elements in the order of generation: each one produces the next
# (木生火，火生土，土生金，金生水，水生木) and controls the one two places on
# (木克土，土克水，水克金，金克火，火克木).
ELEMENTS = "木火土金水"

# 甲乙木，丙丁火，戊己土，庚辛金，壬癸水: stem k has element k // 2; the
# even stems are yang, the odd ones yin.
STEM_ELEMENT = {s: ELEMENTS[k // 2] for k, s in enumerate(STEMS)}

# 寅卯木，巳午火，申酉金，亥子水，辰戌丑未土.
BRANCH_ELEMENT = dict(zip(BRANCHES, "水土木木土火火土金金土水"))

# Ten gods by what the other stem is to the day stem, (same polarity, other
# polarity): the same element, the element the day stem produces, the one it
# controls, the one that controls it and the one that produces it.
# 同我者比劫，我生者食伤，我克者财，克我者官杀，生我者印枭；阴阳同为偏，异为正。
TEN_GODS = {
    0: ("比肩", "劫财"),
    1: ("食神", "伤官"),
    2: ("偏财", "正财"),
    3: ("七杀", "正官"),
    4: ("偏印", "正印"),
}

# 六十甲子纳音, two pillars to a name:
# 甲子乙丑海中金，丙寅丁卯炉中火，戊辰己巳大林木，庚午辛未路旁土，壬申癸酉剑锋金，
# 甲戌乙亥山头火，丙子丁丑涧下水，戊寅己卯城头土，庚辰辛巳白蜡金，壬午癸未杨柳木，
# 甲申乙酉泉中水，丙戌丁亥屋上土，戊子己丑霹雳火，庚寅辛卯松柏木，壬辰癸巳长流水，
# 甲午乙未沙中金，丙申丁酉山下火，戊戌己亥平地木，庚子辛丑壁上土，壬寅癸卯金箔金，
# 甲辰乙巳覆灯火，丙午丁未天河水，戊申己酉大驿土，庚戌辛亥钗钏金，壬子癸丑桑柘木，
# 甲寅乙卯大溪水，丙辰丁巳沙中土，戊午己未天上火，庚申辛酉石榴木，壬戌癸亥大海水。
NAYIN = [
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金",
    "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水",
    "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木",
    "大溪水", "沙中土", "天上火", "石榴木", "大海水",
]
assert len(NAYIN) == 30


def pillar(k):
    """Pillar number k of the sixty cycle, 0 being 甲子."""
    return STEMS[k % 10] + BRANCHES[k % 12]


def ten_god(day, other):
    de = ELEMENTS.index(STEM_ELEMENT[day])
    oe = ELEMENTS.index(STEM_ELEMENT[other])
    same_polarity = STEMS.index(day) % 2 == STEMS.index(other) % 2
    return TEN_GODS[(oe - de) % 5][0 if same_polarity else 1]


def shishen_rows():
    return [(d + o, ten_god(d, o)) for d in STEMS for o in STEMS]


def jiazi_rows():
    # The na-yin element is not the element of the stem; each name also
    # carries its element in the last character, which the check below uses
    # to catch a slip in the list (every element has exactly six names).
    for e in ELEMENTS:
        assert sum(1 for n in NAYIN if n[-1] == e) == 6, e
    return [(pillar(k), NAYIN[k // 2]) for k in range(60)]


def hzwh_rows():
    rows = []
    for e in "金木水火土":
        chars = [s for s in STEMS if STEM_ELEMENT[s] == e] + [b for b in BRANCHES if BRANCH_ELEMENT[b] == e]
        rows.append(("".join(chars), e))
    seen = "".join(r[0] for r in rows)
    assert sorted(seen) == sorted(STEMS + BRANCHES), "every stem and branch exactly once"
    return rows


def write(path, header, columns, rows, comment_of=None):
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("# 由 tools/gen_bazi_facts.py 生成，请改工具，勿手改本表。\n")
        for line in header:
            out.write("# " + line + "\n")
        out.write("\t".join(columns) + "\n")
        for row in rows:
            if comment_of:
                c = comment_of(row)
                if c:
                    out.write("# " + c + "\n")
            out.write("\t".join(row) + "\n")


def main(argv):
    if len(argv) > 2:
        print(__doc__, file=sys.stderr)
        return 1
    data = argv[1] if len(argv) == 2 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
    folder = os.path.join(data, "Tgcode")
    os.makedirs(folder, exist_ok=True)
    write(os.path.join(folder, "Shishen.tsv"),
          ["十神：键为日干在前、他干在后（如 甲庚），值为他干对日干的十神。",
           "同我者比肩劫财，我生者食神伤官，我克者偏财正财，克我者七杀正官，生我者偏印正印；",
           "阴阳相同取前者，相异取后者。"],
          ("jiazi", "ShiShen"), shishen_rows(),
          lambda r: "日干" + r[0][0] + STEM_ELEMENT[r[0][0]] if r[0][1] == "甲" else None)
    write(os.path.join(folder, "jiazi.tsv"),
          ["六十甲子纳音：键为干支（天干在前），两柱同一纳音，甲子乙丑海中金至壬戌癸亥大海水。"],
          ("jiazi", "layin"), jiazi_rows())
    write(os.path.join(folder, "hzwh.tsv"),
          ["天干地支的五行：一行一种五行，hz 列出属该五行的全部干支字，按字查行取 wh。",
           "甲乙寅卯木，丙丁巳午火，戊己辰戌丑未土，庚辛申酉金，壬癸亥子水。"],
          ("hz", "wh"), hzwh_rows())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""Writes the four bone-weight tables of dream.dll (chenggu1..chenggu4).

The weights are the traditional 袁天罡称骨 tables: the lunar year weighs by
its stem-branch (sixty values, the same every sixty years), the lunar month
by its number, the lunar day by its number and the hour by its 时辰.

    tools/gen_chenggu.py [DATA_DIR]      (default: data/ beside tools/)
    tools/gen_chenggu.py --keys          list the reachable weight keys

With --keys the tool prints every weight key the four tables can produce,
computed the way the reading computes it, one per line.
"""

import itertools
import os
import sys

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"

# Year weights in qian (tenths of a liang) by stem-branch, 甲子 first, in the
# order of the sixty cycle.
YEAR_QIAN = [
    12, 9, 6, 7, 12, 5, 9, 8, 7, 8,  # 甲子 乙丑 丙寅 丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉
    15, 9, 16, 8, 8, 19, 12, 6, 8, 7,  # 甲戌 乙亥 丙子 丁丑 戊寅 己卯 庚辰 辛巳 壬午 癸未
    5, 15, 6, 16, 15, 7, 9, 12, 10, 7,  # 甲申 乙酉 丙戌 丁亥 戊子 己丑 庚寅 辛卯 壬辰 癸巳
    15, 6, 5, 14, 14, 9, 7, 7, 9, 12,  # 甲午 乙未 丙申 丁酉 戊戌 己亥 庚子 辛丑 壬寅 癸卯
    8, 7, 13, 5, 14, 5, 9, 17, 5, 7,  # 甲辰 乙巳 丙午 丁未 戊申 己酉 庚戌 辛亥 壬子 癸丑
    12, 8, 8, 6, 19, 6, 8, 16, 10, 7,  # 甲寅 乙卯 丙辰 丁巳 戊午 己未 庚申 辛酉 壬戌 癸亥
]

# Month weights, 正月 to 腊月.
MONTH_QIAN = [6, 7, 18, 9, 5, 16, 9, 15, 18, 8, 9, 5]

# Day weights, 初一 to 三十.
DAY_QIAN = [
    5, 10, 8, 15, 16, 15, 8, 16, 8, 16,  # 初一 .. 初十
    9, 17, 8, 17, 10, 8, 9, 18, 5, 15,  # 十一 .. 二十
    10, 9, 8, 9, 15, 18, 7, 8, 16, 6,  # 廿一 .. 三十
]

# Hour weights by 时辰, 子 to 亥.
HOUR_QIAN = [16, 6, 7, 10, 9, 16, 10, 8, 8, 9, 6, 6]

FIRST_YEAR, LAST_YEAR = 1900, 2100

MONTH_NAMES = ["正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"]
DAY_NAMES = ["初" + c for c in "一二三四五六七八九十"] + ["十" + c for c in "一二三四五六七八九"] + ["二十"] + \
            ["廿" + c for c in "一二三四五六七八九"] + ["三十"]

assert len(YEAR_QIAN) == 60 and len(MONTH_QIAN) == 12 and len(DAY_QIAN) == 30 and len(HOUR_QIAN) == 12


def cycle_name(year):
    """Stem-branch of a lunar year: 1984 (and every sixtieth year) is 甲子."""
    k = (year - 4) % 60
    return STEMS[k % 10] + BRANCHES[k % 12]


def hour_branch(hour):
    """时辰 of a clock hour: 23 and 0 are 子, 1 and 2 丑, ..., 21 and 22 亥."""
    return ((hour + 1) // 2) % 12


def liang(qian):
    """A weight in liang with one decimal, as the tables store it."""
    return "%d.%d" % divmod(qian, 10)


def year_weight(year):
    return liang(YEAR_QIAN[(year - 4) % 60])


def rows():
    year = [("year", "weight")] + [(str(y), year_weight(y)) for y in range(FIRST_YEAR, LAST_YEAR + 1)]
    month = [("month2", "weight")] + [(str(m + 1), liang(q)) for m, q in enumerate(MONTH_QIAN)]
    day = [("day2", "weight")] + [(str(d + 1), liang(q)) for d, q in enumerate(DAY_QIAN)]
    hour = [("time", "weight")] + [(str(h), liang(HOUR_QIAN[hour_branch(h)])) for h in range(24)]
    return year, month, day, hour


def weight_key(total):
    """The key of a total: the whole liang and the first decimal, as the reading forms it."""
    t = "%.15g" % total
    return t + "0" if len(t) == 1 else t[0] + t[2]


def reachable_keys():
    year, month, day, hour = (sorted({float(r[1]) for r in table[1:]}) for table in rows())
    keys = set()
    for y, m, d, h in itertools.product(year, month, day, hour):
        keys.add(weight_key(((y + m) + d) + h))
    return sorted(keys)


def write(path, header, table, comment_of=None):
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("# 由 tools/gen_chenggu.py 生成，请改工具，勿手改本表。\n")
        for line in header:
            out.write("# " + line + "\n")
        out.write("\t".join(table[0]) + "\n")
        for row in table[1:]:
            if comment_of:
                out.write("# " + comment_of(row[0]) + "\n")
            out.write("\t".join(row) + "\n")


def main(argv):
    if argv[1:] == ["--keys"]:
        print("\n".join(reachable_keys()))
        return 0
    if len(argv) > 2:
        print(__doc__, file=sys.stderr)
        return 1
    data = argv[1] if len(argv) == 2 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
    folder = os.path.join(data, "dream")
    os.makedirs(folder, exist_ok=True)
    year, month, day, hour = rows()
    write(os.path.join(folder, "chenggu1.tsv"),
          ["袁天罡称骨法，年骨重：按农历年的干支取重，六十甲子一周，如甲子年一两二钱、乙丑年九钱。",
           "year 为农历年（1900 至 2100），weight 以两计，一位小数即钱数。"],
          year, lambda y: "%s %s年" % (y, cycle_name(int(y))))
    write(os.path.join(folder, "chenggu2.tsv"),
          ["袁天罡称骨法，月骨重：按农历月份取重，闰月随所闰之月。正月六钱，腊月五钱。"],
          month, lambda m: MONTH_NAMES[int(m) - 1])
    write(os.path.join(folder, "chenggu3.tsv"),
          ["袁天罡称骨法，日骨重：按农历日子取重，初一五钱至三十六钱。"],
          day, lambda d: DAY_NAMES[int(d) - 1])
    write(os.path.join(folder, "chenggu4.tsv"),
          ["袁天罡称骨法，时骨重：按时辰取重，time 为钟点 0 至 23，23 点与 0 点同属子时，",
           "其后每两个钟点一个时辰（1、2 点丑时，3、4 点寅时……21、22 点亥时）。子时一两六钱。"],
          hour, lambda h: BRANCHES[hour_branch(int(h))] + "时")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

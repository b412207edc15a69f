#!/usr/bin/env python3
"""Writes the seven shensha rule files of data/shensha/ from the traditional rules.

    tools/gen_shensha.py [DATA_DIR]      (default: data/ beside tools/)

Each rule file is a list of lines, one star per line:

    天乙贵人 甲戊庚:丑未,乙己:子申,丙丁:亥酉,壬癸:卯巳,辛:寅午

The first five characters are the star's name padded with blanks; the rest
is a comma-separated list of at most 21 items "key:value". The reader takes
the first ten GBK bytes (five characters) of a value only, so a longer value
is cut into several items under the same key. Which line of a file means what
is fixed by the reader:

    niangan.txt  year stem -> branch of the pillar
    nianzhi.txt  year branch -> branch of the pillar; only the first 14 lines,
                 line 3 for 阳男阴女 and line 4 for 阴男阳女 only
    yuezhi.txt   month branch -> stem or branch of the pillar
    rigan.txt    day stem -> branch of the pillar
    rizhi.txt    day branch -> branch of the pillar; only the first 7 lines
    rizhu.txt    lines 1-5: the pillar itself (value: the day pillar, or empty
                 for any day); line 6 on: the pillar's branch, value: day pillars
    rizhus.txt   day pillar (empty: any) -> hour pillar

The files cannot hold comments (every line counts), so the rules and their
mnemonics live here. After writing, the tool reads its own files back the way
the program does and checks every possible input against the tables below.
"""

import os
import sys

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"
PILLARS = [STEMS[k % 10] + BRANCHES[k % 12] for k in range(60)]

MAX_ITEMS = 21
MAX_VALUE_BYTES = 10
NAME_WIDTH = 5


def b(branch, steps=0):
    """The branch `steps` places after `branch` (before it when negative)."""
    return BRANCHES[(BRANCHES.index(branch) + steps) % 12]


def expand(groups):
    """{"甲戊庚": "丑未", ...} -> {"甲": "丑未", "戊": "丑未", ...}."""
    out = {}
    for keys, value in groups:
        for k in keys:
            assert k not in out, k
            out[k] = value
    return out


# Stem and branch combinations (五合，六合) and clashes (六冲).
STEM_COMBINE = expand([("甲", "己"), ("己", "甲"), ("乙", "庚"), ("庚", "乙"), ("丙", "辛"), ("辛", "丙"),
                       ("丁", "壬"), ("壬", "丁"), ("戊", "癸"), ("癸", "戊")])
BRANCH_COMBINE = expand([("子", "丑"), ("丑", "子"), ("寅", "亥"), ("亥", "寅"), ("卯", "戌"), ("戌", "卯"),
                         ("辰", "酉"), ("酉", "辰"), ("巳", "申"), ("申", "巳"), ("午", "未"), ("未", "午")])


def combine(symbol):
    return STEM_COMBINE.get(symbol) or BRANCH_COMBINE[symbol]


def clash(branch):
    return b(branch, 6)


# ---------------------------------------------------------------------------
# Stars found from a stem (year stem in niangan.txt, day stem in rigan.txt).
# Each table: (stems, branches where the star stands).

# 甲戊庚牛羊，乙己鼠猴乡，丙丁猪鸡位，壬癸兔蛇藏，六辛逢马虎，此是贵人方。
TIANYI = [("甲戊庚", "丑未"), ("乙己", "子申"), ("丙丁", "亥酉"), ("壬癸", "卯巳"), ("辛", "寅午")]

# 甲乙生人子午中，丙丁鸡兔定亨通，戊己两干临四季，庚辛寅亥禄丰隆，壬癸巳申偏喜美。
TAIJI = [("甲乙", "子午"), ("丙丁", "酉卯"), ("戊己", "辰戌丑未"), ("庚辛", "寅亥"), ("壬癸", "巳申")]

# 甲乙巳午报君知，丙戊申宫丁己鸡，庚猪辛鼠壬逢虎，癸人见卯入云梯。
WENCHANG = [("甲", "巳"), ("乙", "午"), ("丙戊", "申"), ("丁己", "酉"), ("庚", "亥"), ("辛", "子"), ("壬", "寅"),
            ("癸", "卯")]

# 国印：甲见戌，乙见亥，丙见丑，丁见寅，戊见丑，己见寅，庚见辰，辛见巳，壬见未，癸见申。
GUOYIN = [("甲", "戌"), ("乙", "亥"), ("丙戊", "丑"), ("丁己", "寅"), ("庚", "辰"), ("辛", "巳"), ("壬", "未"),
          ("癸", "申")]

# 甲丙相邀入虎乡，更游鼠穴最高强，戊猴己未丁宜亥，乙癸逢牛卯禄昌，庚赶马头辛到巳，壬骑龙背喜非常。
FUXING = [("甲丙", "寅子"), ("戊", "申"), ("己", "未"), ("丁", "亥"), ("乙癸", "丑卯"), ("庚", "午"), ("辛", "巳"),
          ("壬", "辰")]

# 甲禄在寅，乙禄在卯，丙戊禄在巳，丁己禄在午，庚禄在申，辛禄在酉，壬禄在亥，癸禄在子。
LU = [("甲", "寅"), ("乙", "卯"), ("丙戊", "巳"), ("丁己", "午"), ("庚", "申"), ("辛", "酉"), ("壬", "亥"), ("癸", "子")]
LU_OF = expand(LU)

# 禄前一位为羊刃：甲刃在卯，乙刃在辰，丙戊刃在午，丁己刃在未，庚刃在酉，辛刃在戌，壬刃在子，癸刃在丑。
YANGREN = {s: b(LU_OF[s], 1) for s in STEMS}
assert YANGREN["甲"] == "卯" and YANGREN["乙"] == "辰" and YANGREN["癸"] == "丑"

# 飞刃：羊刃所冲之支（甲见酉，丙戊见子，壬见午）。
FEIREN = {s: clash(YANGREN[s]) for s in STEMS}

# 甲龙乙蛇丙戊羊，丁己猴歌庚犬方，辛猪壬牛癸逢虎，凡人遇此福气昌。（金舆在禄前二位）
JINYU = [("甲", "辰"), ("乙", "巳"), ("丙戊", "未"), ("丁己", "申"), ("庚", "戌"), ("辛", "亥"), ("壬", "丑"), ("癸", "寅")]
assert all(expand(JINYU)[s] == b(LU_OF[s], 2) for s in STEMS)

# 天厨：食神之禄。甲食丙，丙禄在巳，故甲见巳；乙见午，丙见巳，丁见午，戊见申，己见酉，
# 庚见亥，辛见子，壬见寅，癸见卯。
TIANCHU = {s: LU_OF[STEMS[(STEMS.index(s) + 2) % 10]] for s in STEMS}
assert TIANCHU["甲"] == "巳" and TIANCHU["戊"] == "申" and TIANCHU["癸"] == "卯"

# 学堂：日干长生之地。甲长生在亥，乙在午，丙戊在寅，丁己在酉，庚在巳，辛在子，壬在申，癸在卯。
XUETANG = [("甲", "亥"), ("乙", "午"), ("丙戊", "寅"), ("丁己", "酉"), ("庚", "巳"), ("辛", "子"), ("壬", "申"),
           ("癸", "卯")]

# 多情多欲少人知，六丙逢寅辛见鸡，癸临申上丁见未，甲乙午申庚见戌，世间只是众人妻，戊己怕辰壬怕子。
HONGYAN = [("丙", "寅"), ("辛", "酉"), ("癸", "申"), ("丁", "未"), ("甲", "午"), ("乙", "申"), ("庚", "戌"),
           ("戊己", "辰"), ("壬", "子")]

# 流霞：甲见酉，乙见戌，丙见未，丁见申，戊见巳，己见午，庚见辰，辛见卯，壬见亥，癸见寅。
LIUXIA = [("甲", "酉"), ("乙", "戌"), ("丙", "未"), ("丁", "申"), ("戊", "巳"), ("己", "午"), ("庚", "辰"),
          ("辛", "卯"), ("壬", "亥"), ("癸", "寅")]

# ---------------------------------------------------------------------------
# Stars found from a branch (year branch in nianzhi.txt, day branch in
# rizhi.txt): (branches of one 三合 group, branch where the star stands).

# 申子辰马在寅，寅午戌马在申，巳酉丑马在亥，亥卯未马在巳。
YIMA = [("申子辰", "寅"), ("寅午戌", "申"), ("巳酉丑", "亥"), ("亥卯未", "巳")]

# 咸池（桃花）：申子辰在酉，寅午戌在卯，巳酉丑在午，亥卯未在子。
TAOHUA = [("申子辰", "酉"), ("寅午戌", "卯"), ("巳酉丑", "午"), ("亥卯未", "子")]

# 华盖：寅午戌见戌，亥卯未见未，申子辰见辰，巳酉丑见丑（三合之墓库）。
HUAGAI = [("寅午戌", "戌"), ("亥卯未", "未"), ("申子辰", "辰"), ("巳酉丑", "丑")]

# 将星：寅午戌见午，申子辰见子，巳酉丑见酉，亥卯未见卯（三合之中神）。
JIANGXING = [("寅午戌", "午"), ("申子辰", "子"), ("巳酉丑", "酉"), ("亥卯未", "卯")]

# 劫煞：申子辰见巳，亥卯未见申，寅午戌见亥，巳酉丑见寅。
JIESHA = [("申子辰", "巳"), ("亥卯未", "申"), ("寅午戌", "亥"), ("巳酉丑", "寅")]

# 亡神：申子辰见亥，亥卯未见寅，寅午戌见巳，巳酉丑见申。
WANGSHEN = [("申子辰", "亥"), ("亥卯未", "寅"), ("寅午戌", "巳"), ("巳酉丑", "申")]

# 灾煞：申子辰见午，亥卯未见酉，寅午戌见子，巳酉丑见卯（冲将星）。
ZAISHA = [("申子辰", "午"), ("亥卯未", "酉"), ("寅午戌", "子"), ("巳酉丑", "卯")]
assert all(clash(expand(JIANGXING)[x]) == expand(ZAISHA)[x] for x in BRANCHES)

# 六厄：申子辰见卯，亥卯未见午，寅午戌见酉，巳酉丑见子。
LIUE = [("申子辰", "卯"), ("亥卯未", "午"), ("寅午戌", "酉"), ("巳酉丑", "子")]

# 孤辰寡宿：亥子丑人见寅为孤、见戌为寡；寅卯辰人见巳为孤、见丑为寡；
# 巳午未人见申为孤、见辰为寡；申酉戌人见亥为孤、见未为寡。
GUCHEN = [("亥子丑", "寅"), ("寅卯辰", "巳"), ("巳午未", "申"), ("申酉戌", "亥")]
GUASU = [("亥子丑", "戌"), ("寅卯辰", "丑"), ("巳午未", "辰"), ("申酉戌", "未")]

# 红鸾：卯上起子，逆数至本年支（子年见卯，丑年见寅，……亥年见辰）。
HONGLUAN = {x: b("卯", -BRANCHES.index(x)) for x in BRANCHES}
# 天喜：红鸾所冲（子年见酉，丑年见申，……）。
TIANXI = {x: clash(HONGLUAN[x]) for x in BRANCHES}
assert HONGLUAN["子"] == "卯" and HONGLUAN["亥"] == "辰" and TIANXI["子"] == "酉" and TIANXI["卯"] == "午"

# 元辰（大耗）：阳男阴女在岁支所冲之后一辰（子年见未），阴男阳女在所冲之前一辰（子年见巳）。
YUANCHEN_FORWARD = {x: b(clash(x), 1) for x in BRANCHES}
YUANCHEN_BACKWARD = {x: b(clash(x), -1) for x in BRANCHES}
assert YUANCHEN_FORWARD["子"] == "未" and YUANCHEN_BACKWARD["子"] == "巳" and YUANCHEN_FORWARD["丑"] == "申"

# ---------------------------------------------------------------------------
# Stars found from the month branch: (month branch, stems or branches).

# 天德：正丁二坤宫，三壬四辛同，五乾六甲上，七癸八艮逢，九丙十居乙，子巽丑庚中。
# （坤申，乾亥，艮寅，巽巳；正月为寅月）
TIANDE = {"寅": "丁", "卯": "申", "辰": "壬", "巳": "辛", "午": "亥", "未": "甲",
          "申": "癸", "酉": "寅", "戌": "丙", "亥": "乙", "子": "巳", "丑": "庚"}
# 天德合：与天德相合的干支（丁壬合，巳申合……）。
TIANDEHE = {m: combine(v) for m, v in TIANDE.items()}

# 月德：寅午戌月在丙，申子辰月在壬，亥卯未月在甲，巳酉丑月在庚。
YUEDE = [("寅午戌", "丙"), ("申子辰", "壬"), ("亥卯未", "甲"), ("巳酉丑", "庚")]
# 月德合：寅午戌月在辛，申子辰月在丁，亥卯未月在己，巳酉丑月在乙。
YUEDEHE = [(g, combine(v)) for g, v in YUEDE]
# 月空：月德所冲之干，寅午戌月在壬，申子辰月在丙，亥卯未月在庚，巳酉丑月在甲。
YUEKONG = [(g, {"丙": "壬", "壬": "丙", "甲": "庚", "庚": "甲"}[v]) for g, v in YUEDE]

# 天医：正月见丑，二月见寅，……（月支前一辰）。
TIANYI_DOCTOR = {m: b(m, -1) for m in BRANCHES}

# 德秀：寅午戌月丙丁为德、戊癸为秀；申子辰月壬癸戊己为德、丙辛甲己为秀；
# 巳酉丑月庚辛为德、乙庚为秀；亥卯未月甲乙为德、丁壬为秀。
DEXIU = [("寅午戌", "丙丁", "戊癸"), ("申子辰", "壬癸戊己", "丙辛甲己"), ("巳酉丑", "庚辛", "乙庚"),
         ("亥卯未", "甲乙", "丁壬")]
DEXIU_STEMS = [(g, "".join(dict.fromkeys(de + xiu))) for g, de, xiu in DEXIU]

# ---------------------------------------------------------------------------
# Day-pillar stars (rizhu.txt lines 1-5): the day pillar itself is one of
# these; a pillar of the chart gets the star when it is that day pillar.

# 壬辰庚戌与庚辰，戊戌魁罡四座神。
KUIGANG = ["壬辰", "庚戌", "庚辰", "戊戌"]
# 阴差阳错：丙子丁丑戊寅辛卯壬辰癸巳，丙午丁未戊申辛酉壬戌癸亥。
YINCHA = ["丙子", "丁丑", "戊寅", "辛卯", "壬辰", "癸巳", "丙午", "丁未", "戊申", "辛酉", "壬戌", "癸亥"]
# 甲辰乙巳与壬申，丙申丁亥及庚辰，戊戌癸亥加辛巳，己丑都来十位神。
SHIE = ["甲辰", "乙巳", "壬申", "丙申", "丁亥", "庚辰", "戊戌", "癸亥", "辛巳", "己丑"]
# 孤鸾：木火逢蛇大不祥（乙巳丁巳），金猪何必强猖狂（辛亥），土猴木虎夫何在（戊申甲寅），
# 再加丙午、戊午、壬子，共八日。
GULUAN = ["乙巳", "丁巳", "辛亥", "戊申", "甲寅", "丙午", "戊午", "壬子"]
# 金神：乙丑、己巳、癸酉三日。
JINSHEN = ["乙丑", "己巳", "癸酉"]


# 空亡（旬空）：甲子旬中戌亥空，甲戌旬中申酉空，甲申旬中午未空，
# 甲午旬中辰巳空，甲辰旬中寅卯空，甲寅旬中子丑空。
def xun_void(day_pillar):
    start = PILLARS.index(day_pillar) // 10 * 10
    return BRANCHES[(start + 10) % 12] + BRANCHES[(start + 11) % 12]


assert xun_void("甲子") == "戌亥" and xun_void("癸亥") == "子丑" and xun_void("壬申") == "戌亥"


# ---------------------------------------------------------------------------
# Day-and-hour stars (rizhus.txt): (day pillars, hour pillar).

def hour_pillar(day_stem, hour_branch):
    """五鼠遁：甲己还加甲，乙庚丙作初，丙辛从戊起，丁壬庚子居，戊癸何方发，壬子是真途。"""
    stem = (STEMS.index(day_stem) % 5 * 2 + BRANCHES.index(hour_branch)) % 10
    return STEMS[stem] + hour_branch


# 日禄归时：日干之禄落在时支（甲日丙寅时，乙日己卯时，丙日癸巳时，丁日丙午时，戊日丁巳时，
# 己日庚午时，庚日甲申时，辛日丁酉时，壬日辛亥时，癸日壬子时）。
RILU_GUISHI = {s: hour_pillar(s, LU_OF[s]) for s in STEMS}
assert RILU_GUISHI["甲"] == "丙寅" and RILU_GUISHI["癸"] == "壬子" and RILU_GUISHI["庚"] == "甲申"


# 拱禄：日时同干，两支夹拱日干之禄（癸亥日癸丑时、癸丑日癸亥时拱子，丁巳日丁未时、
# 己未日己巳时拱午，戊辰日戊午时拱巳）。Found by the rule: the day and hour
# branches stand one place either side of the 禄 and the hour pillar is one
# that the day can have.
def gonglu_pairs():
    pairs = []
    for day in PILLARS:
        s = day[0]
        lu = LU_OF[s]
        for hb in (b(lu, -1), b(lu, 1)):
            if day[1] in (b(lu, -1), b(lu, 1)) and day[1] != hb and hour_pillar(s, hb) == s + hb:
                pairs.append((day, s + hb))
    return pairs


GONGLU = gonglu_pairs()
assert sorted(GONGLU) == sorted([("癸亥", "癸丑"), ("癸丑", "癸亥"), ("丁巳", "丁未"), ("己未", "己巳"),
                                 ("戊辰", "戊午")])


# ---------------------------------------------------------------------------
# Building the lines.

def groups_of(mapping, order):
    """Per-key mapping -> [(keys, value)] with keys sharing a value run together."""
    out = {}
    for k in order:
        if k in mapping:
            out.setdefault(mapping[k], "")
            out[mapping[k]] += k
    return [(keys, v) for v, keys in out.items()]


def as_groups(table, order):
    return table if isinstance(table, list) else groups_of(table, order)


def chunk(value):
    """A value the reader can hold whole: cut into pieces of at most ten GBK bytes."""
    pieces, cur = [], ""
    for ch in value:
        if len((cur + ch).encode("gbk")) > MAX_VALUE_BYTES:
            pieces.append(cur)
            cur = ""
        cur += ch
    return pieces + [cur]


def pillar_chunk(pillars):
    """Pillar texts two characters at a time, never split across items."""
    per_item = MAX_VALUE_BYTES // 4
    return ["".join(pillars[i:i + per_item]) for i in range(0, len(pillars), per_item)]


def line(name, items):
    assert 1 <= len(name) <= NAME_WIDTH and " " not in name
    assert len(items) <= MAX_ITEMS, (name, len(items))
    for key, value in items:
        assert "," not in key + value and ":" not in key + value
        assert 0 < len(value.encode("gbk")) <= MAX_VALUE_BYTES, (name, value)
    return name.ljust(NAME_WIDTH) + ",".join(k + ":" + v for k, v in items)


def simple_line(name, table, order):
    return line(name, [(k, piece) for k, v in as_groups(table, order) for piece in chunk(v)])


def files():
    stem_stars = [("天乙贵人", TIANYI), ("太极贵人", TAIJI), ("文昌贵人", WENCHANG), ("国印贵人", GUOYIN),
                  ("福星贵人", FUXING), ("天厨贵人", TIANCHU)]
    day_stem_stars = stem_stars + [("禄神", LU), ("羊刃", YANGREN), ("飞刃", FEIREN), ("金舆", JINYU),
                                   ("学堂", XUETANG), ("红艳", HONGYAN), ("流霞", LIUXIA)]
    sanhe_stars = [("驿马", YIMA), ("桃花", TAOHUA), ("华盖", HUAGAI), ("将星", JIANGXING), ("劫煞", JIESHA),
                   ("亡神", WANGSHEN), ("灾煞", ZAISHA)]
    # Lines 3 and 4 are the pair the reader picks by the direction of luck.
    year_branch_stars = sanhe_stars[:2] + [("元辰", YUANCHEN_FORWARD), ("元辰", YUANCHEN_BACKWARD)] + \
        sanhe_stars[2:] + [("六厄", LIUE), ("孤辰", GUCHEN), ("寡宿", GUASU), ("红鸾", HONGLUAN), ("天喜", TIANXI)]
    assert len(year_branch_stars) == 14
    month_stars = [("天德", TIANDE), ("天德合", TIANDEHE), ("月德", YUEDE), ("月德合", YUEDEHE), ("天医", TIANYI_DOCTOR),
                   ("月空", YUEKONG), ("德秀贵人", DEXIU_STEMS)]
    month_order = BRANCHES[2:] + BRANCHES[:2]  # 正月寅 first

    # rizhu.txt: five day-pillar stars, then 空亡 keyed by the two void
    # branches with the day pillars of that decade as values.
    day_pillar_stars = [("魁罡", KUIGANG), ("阴差阳错", YINCHA), ("十恶大败", SHIE), ("孤鸾", GULUAN), ("金神", JINSHEN)]
    rizhu = [line(n, [(p, p) for p in ps]) for n, ps in day_pillar_stars]
    void_items = []
    for start in range(0, 60, 10):
        void = xun_void(PILLARS[start])
        void_items += [(void, v) for v in pillar_chunk(PILLARS[start:start + 10])]
    for i in range(0, len(void_items), 15):
        rizhu.append(line("空亡", void_items[i:i + 15]))

    rilu_items = [("".join(p for p in PILLARS if p[0] == s), RILU_GUISHI[s]) for s in STEMS]
    rizhus = [line("日禄归时", rilu_items), line("拱禄", GONGLU)]

    return {
        "niangan.txt": [simple_line(n, t, STEMS) for n, t in stem_stars],
        "nianzhi.txt": [simple_line(n, t, BRANCHES) for n, t in year_branch_stars],
        "yuezhi.txt": [simple_line(n, t, month_order) for n, t in month_stars],
        "rigan.txt": [simple_line(n, t, STEMS) for n, t in day_stem_stars],
        "rizhi.txt": [simple_line(n, t, BRANCHES) for n, t in sanhe_stars],
        "rizhu.txt": rizhu,
        "rizhus.txt": rizhus,
    }, {
        "stem": stem_stars, "day_stem": day_stem_stars, "sanhe": sanhe_stars, "year_branch": year_branch_stars,
        "month": month_stars, "day_pillar": day_pillar_stars,
    }


# ---------------------------------------------------------------------------
# Reading the files back as the program reads them, and checking them.

def trim(text):
    return text.strip(" \t\r\n\x00\x0b\x0c")


def parse(text):
    field = text[:NAME_WIDTH]
    name = trim(field)
    rest = trim(text.replace(field, ""))
    items = []
    while len(items) < MAX_ITEMS:
        head, comma, tail = rest.partition(",")
        items.append(head)
        if not comma:
            break
        rest = trim(tail)
    parsed = []
    for item in items:
        if not trim(item):
            continue
        key, colon, value = item.partition(":")
        if not colon:
            key, value = "", item
        value = trim(value.encode("gbk")[:MAX_VALUE_BYTES].decode("gbk", errors="replace"))
        parsed.append((key, value))
    return name, parsed


def hits(lines, test):
    out = []
    for text in lines:
        name, items = parse(text)
        out += [name for key, value in items if test(key, value)]
    return out


def check(written, tables):
    def expect(star_tables, key, target):
        return [n for n, t in star_tables if target in expand(as_groups(t, BRANCHES + STEMS)).get(key, "")]

    ng, nz, yz = written["niangan.txt"], written["nianzhi.txt"][:14], written["yuezhi.txt"]
    rg, rz, ru, rs = written["rigan.txt"], written["rizhi.txt"][:7], written["rizhu.txt"], written["rizhus.txt"]
    for s in STEMS:
        for t in BRANCHES:
            assert hits(ng, lambda k, v: s in k and t in v) == expect(tables["stem"], s, t), (s, t)
            assert hits(rg, lambda k, v: s in k and t in v) == expect(tables["day_stem"], s, t), (s, t)
    for x in BRANCHES:
        for t in BRANCHES:
            for reverse in (0, 1):
                used = [ln for i, ln in enumerate(nz) if not (i == 2 and reverse) and not (i == 3 and not reverse)]
                stars = [st for i, st in enumerate(tables["year_branch"])
                         if not (i == 2 and reverse) and not (i == 3 and not reverse)]
                assert hits(used, lambda k, v: x in k and t in v) == expect(stars, x, t), (x, t, reverse)
            assert hits(rz, lambda k, v: x in k and t in v) == expect(tables["sanhe"], x, t), (x, t)
        for p in PILLARS:
            got = hits(yz, lambda k, v: x in k and (p[0] in v or p[1] in v))
            want = [n for n, t in tables["month"]
                    if set(p) & set(expand(as_groups(t, BRANCHES)).get(x, ""))]
            assert got == want, (x, p)
    for p in PILLARS:
        for d in PILLARS:
            got = hits(ru[:5], lambda k, v: p in k and (d in v or v == "")) + \
                hits(ru[5:], lambda k, v: p[1] in k and d in v)
            want = [n for n, ps in tables["day_pillar"] if p == d and p in ps]
            if p[1] in xun_void(d):
                want.append("空亡")
            assert got == want, (p, d)
            got = hits(rs, lambda k, v: (d in k or k == "") and p in v)
            want = (["日禄归时"] if RILU_GUISHI[d[0]] == p else []) + (["拱禄"] if (d, p) in GONGLU else [])
            assert got == want, (d, p)


def main(argv):
    if len(argv) > 2:
        print(__doc__, file=sys.stderr)
        return 1
    data = argv[1] if len(argv) == 2 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
    folder = os.path.join(data, "shensha")
    os.makedirs(folder, exist_ok=True)
    written, tables = files()
    check(written, tables)
    for name, lines in written.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="\n") as out:
            out.write("".join(ln + "\n" for ln in lines))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

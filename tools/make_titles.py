#!/usr/bin/env python3
"""Writes the episode title records of the card and the one-line episode names.

Every record is laid out from a short markup so that the byte arithmetic is
computed, never counted by hand:

  {漢字|かんじ}  a base run with its reading; other characters have none.

Output (UTF-8, one line per episode, line N = episode N):
  resources/titlecard/titles.txt         line1,line2,ruby1,ruby2,line3
  resources/titlecard/episode_names.txt  the title on one line
"""

import os
import re
import sys

IDEO_SPACE = "\u3000"
DASH = "\u2015"  # full-width dash, 0x815C in code page 932
LENGTHS = (16, 18, 20, 22)
MAX_NAME_BYTES = 38

# (line1, line2, part word or None)
EPISODES = [
    ("{星環|せいかん}の{彼方|かなた}から", "{来|き}た{巨人|きょじん}", None),
    ("{燃|も}えよ！タンバー", "{初|はつ}{出撃|しゅつげき}", None),
    ("{月|つき}の{裏側|うらがわ}に", "{潜|ひそ}む{影|かげ}", None),
    ("{氷|こおり}の{衛星|えいせい}", "{救出|きゅうしゅつ}{作戦|さくせん}", None),
    ("{砕|くだ}けた{環|わ}の", "{小|ちい}さな{祈|いの}り", None),
    ("{母艦|ぼかん}アルテア", "{発進|はっしん}せよ", None),
    ("{謎|なぞ}の{少女|しょうじょ}は", "{星|ほし}を{読|よ}む", None),
    ("{嵐|あらし}を{呼|よ}ぶ", "{重力|じゅうりょく}の{罠|わな}", None),
    ("{裏切|うらぎ}りの", "{通信|つうしん}{回線|かいせん}", None),
    ("{決死|けっし}の{突入|とつにゅう}！", "{環|わ}の{中心|ちゅうしん}へ", None),
    ("{遥|はる}かなる", "{故郷|こきょう}の{青|あお}", None),
    ("{光|ひかり}の{翼|つばさ}を", "{広|ひろ}げて{飛|と}べ", None),
    ("{鋼鉄|こうてつ}の{心|こころ}に", "{涙|なみだ}はあるか", None),
    ("{砂|すな}の{惑星|わくせい}", "{最後|さいご}の{井戸|いど}", None),
    ("{敵将|てきしょう}ゼルガの", "{挑戦状|ちょうせんじょう}", None),
    ("{眠|ねむ}れる{遺跡|いせき}が", "{語|かた}るもの", None),
    ("{孤独|こどく}な{狙撃手|そげきしゅ}", "{星|ほし}に{散|ち}る", None),
    ("{約束|やくそく}の", "{流星群|りゅうせいぐん}", None),
    ("{仲間|なかま}を{信|しん}じて", "{撃|う}て！タンバー", None),
    ("{凍|こお}りついた", "{時間|じかん}の{街|まち}", None),
    ("{新型機|しんがたき}", "{襲来|しゅうらい}！", None),
    ("{星環|せいかん}{大決戦|だいけっせん}", "{燃|も}え{上|あ}がる{宙域|ちゅういき}", "前編"),
    ("{星環|せいかん}{大決戦|だいけっせん}", "{燃|も}え{上|あ}がる{宙域|ちゅういき}", "後編"),
    ("{傷|きず}ついた{翼|つばさ}の", "{帰還|きかん}", None),
    ("{幻影|げんえい}の", "{第十三惑星|だいじゅうさんわくせい}", None),
    ("{父|ちち}の{残|のこ}した", "{最後|さいご}の{言葉|ことば}", None),
    ("{宇宙|うちゅう}{海賊|かいぞく}の", "{黄金|おうごん}{伝説|でんせつ}", None),
    ("{偽|にせ}タンバー", "{出現|しゅつげん}！", None),
    ("{星|ほし}くずの", "{子守唄|こもりうた}", None),
    ("{瞬|またた}く{間|ま}の", "{大脱出|だいだっしゅつ}", None),
    ("{敵|てき}か{味方|みかた}か", "{謎|なぞ}の{戦士|せんし}", None),
    ("{環|わ}が{崩|くず}れる", "{日|ひ}", None),
    ("{希望|きぼう}を{運|はこ}ぶ", "{輸送船団|ゆそうせんだん}", None),
    ("{彗星|すいせい}{基地|きち}を", "{叩|たた}け", None),
    ("{少年|しょうねん}は", "{大人|おとな}になる", None),
    ("{沈黙|ちんもく}の{星|ほし}に", "{響|ひび}く{声|こえ}", None),
    ("{最後|さいご}の{補給|ほきゅう}", "{基地|きち}{陥落|かんらく}", None),
    ("{闇|やみ}に{浮|う}かぶ", "{黒|くろ}い{太陽|たいよう}", None),
    ("{友|とも}よ{永遠|えいえん}に", "{星|ほし}の{海|うみ}で", None),
    ("{皇帝|こうてい}ヴァルムの", "{素顔|すがお}", None),
    ("{全艦|ぜんかん}{集結|しゅうけつ}！", "{反撃|はんげき}の{時|とき}", None),
    ("{星環|せいかん}の{心臓部|しんぞうぶ}", "{突入|とつにゅう}", None),
    ("{命|いのち}を{燃|も}やせ", "タンバー", None),
    ("{光|ひかり}と{闇|やみ}の", "{果|は}てに", None),
    ("さらば{星環|せいかん}", "また{会|あ}う{日|ひ}まで", None),
]

MARKUP = re.compile(r"\{([^|{}]+)\|([^|{}]+)\}|([^{}])")


def cp932_len(text):
    return len(text.encode("cp932"))


def parse(markup):
    """Splits markup into (base text, reading or None) runs."""
    runs = []
    for m in MARKUP.finditer(markup):
        if m.group(3) is not None:
            runs.append((m.group(3), None))
        else:
            runs.append((m.group(1), m.group(2)))
    if "".join(b for b, _ in runs) != re.sub(r"\{([^|]+)\|[^}]+\}", r"\1", markup):
        sys.exit("bad markup: " + markup)
    return runs


def base_text(runs):
    return "".join(b for b, _ in runs)


def ruby_for(runs, k):
    """The reading line of k bytes per base byte, or None when a reading does not fit."""
    out = []
    for base, reading in runs:
        slot = k * cp932_len(base)
        if reading is None:
            if slot % 2:
                sys.exit("base without reading is not full-width: " + base)
            out.append(IDEO_SPACE * (slot // 2))
            continue
        spare = slot - cp932_len(reading)
        if spare < 0:
            return None
        left = spare // 2
        out.append(" " * left + reading + " " * (spare - left))
    return "".join(out)


def ruby_line(runs):
    if all(r is None for _, r in runs):
        return " "
    for k in (2, 3):
        ruby = ruby_for(runs, k)
        if ruby is not None:
            return ruby
    sys.exit("reading too long for its base: " + base_text(runs))


def layout(line1_markup, line2_markup, part):
    runs1, runs2 = parse(line1_markup), parse(line2_markup)
    len1, len2 = cp932_len(base_text(runs1)), cp932_len(base_text(runs2))
    need = max(len1, len2 + 2)  # line2 keeps at least one leading U+3000
    fitting = [n for n in LENGTHS if n >= need]
    if not fitting:
        sys.exit("title too long: " + base_text(runs1) + base_text(runs2))
    width = fitting[0]
    runs1 = runs1 + [(IDEO_SPACE, None)] * ((width - len1) // 2)
    runs2 = [(IDEO_SPACE, None)] * ((width - len2) // 2) + runs2
    line1, line2 = base_text(runs1), base_text(runs2)
    assert cp932_len(line1) == cp932_len(line2) == width
    if part is None:
        line3 = " "
    else:
        line3 = IDEO_SPACE * 9 + DASH + part + DASH + IDEO_SPACE
        assert cp932_len(line3) == 28
    fields = [line1, line2, ruby_line(runs1), ruby_line(runs2), line3]
    assert all(f and "," not in f for f in fields)
    name = base_text(parse(line1_markup)) + base_text(parse(line2_markup))
    if part is not None:
        name += "（" + part + "）"
    if cp932_len(name) > MAX_NAME_BYTES:
        sys.exit("episode name too long: " + name)
    return ",".join(fields), name


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    out_dir = os.path.join(root, "resources", "titlecard")
    os.makedirs(out_dir, exist_ok=True)
    if len(EPISODES) != 45:
        sys.exit("expected 45 episodes, have %d" % len(EPISODES))
    records, names = zip(*(layout(*e) for e in EPISODES))
    for file_name, lines in (("titles.txt", records), ("episode_names.txt", names)):
        with open(os.path.join(out_dir, file_name), "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()

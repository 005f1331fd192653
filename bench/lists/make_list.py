#!/usr/bin/env python3
"""Writes a contact list for list_bench: N invented contacts in five languages
as a CSV export (UTF-8, commas, a header row), with planted near-duplicates of
known kinds, and beside it a file naming the planted pairs.

    make_list.py N OUT.csv [--seed S] [--planted SHARE]

OUT.csv gets N data rows; OUT.pairs.csv gets `row_a,row_b,kind,language`, rows
counted from 1 after the header (row r is the list's contact r). Forenames are real;
surnames, companies and streets are built from syllables and parts, so they are
many and distinct. The same arguments always give the same files.
"""
import argparse
import csv
import random
import unicodedata

HEADER = ["Title", "FirstName", "Surname", "Position", "CompanyName", "Address1", "Address2", "Town",
          "County", "PostCode", "TelephoneNo", "EMailAddress", "Language"]

# Per language: forenames (with nicknames the engine knows for some), surname
# syllables, company words, legal forms (short, long), the word for "and", the
# word for "brothers" (long, short) when it has a short form, streets, towns.
LANGS = {
    "en": dict(
        titles=["Mr", "Mrs", "Ms", "Dr"],
        forenames=[("William", ["Bill", "Will"]), ("Robert", ["Bob", "Rob"]), ("James", ["Jim", "Jamie"]),
                   ("Richard", ["Dick", "Rick"]), ("Thomas", ["Tom"]), ("Edward", ["Ted", "Ned"]),
                   ("Margaret", []), ("Elizabeth", []), ("Catherine", []), ("Susan", []), ("Helen", []),
                   ("Charles", ["Charlie"]), ("Michael", ["Mike"]), ("Joseph", ["Joe"]), ("Samuel", ["Sam"]),
                   ("Alice", []), ("Emily", []), ("Fiona", []), ("Gareth", []), ("Owen", [])],
        syl=["ash", "brack", "col", "dun", "eld", "fal", "gar", "heth", "ing", "kett", "lyd", "march", "north",
             "oller", "pen", "quar", "rush", "stain", "tre", "umber", "vell", "weth", "yar", "thorn", "brom"],
        tails=["by", "ford", "well", "ton", "ley", "combe", "ridge", "field", "wood", "shaw", "worth", "gate"],
        trades=["Joinery", "Freight", "Optics", "Print", "Ceramics", "Seeds", "Marine", "Textiles", "Brewing",
                "Instruments", "Plumbing", "Glass", "Tools", "Foods"],
        legal=("Ltd", "Limited"), amp="and", bros=None,
        streets=["Mill Lane", "High Street", "Church Road", "Station Road", "Park Avenue", "Queens Walk"],
        towns=["Farrowby", "Ashcombe", "Kelderby", "Westmarch", "Pellbridge", "Dunmoor"]),
    "fr": dict(
        titles=["M.", "Mme", "Dr"],
        forenames=[("Jean", []), ("Pierre", []), ("François", []), ("Hélène", []), ("Amélie", []),
                   ("Benoît", []), ("Jérôme", []), ("Cécile", []), ("Élodie", []), ("Stéphane", []),
                   ("Jean-Pierre", ["Jean Pierre"]), ("Jean-Luc", ["Jean Luc"]), ("Nathalie", []),
                   ("Sébastien", []), ("Céline", []), ("Mathieu", []), ("Sophie", []), ("Gérard", [])],
        syl=["ber", "cha", "dé", "four", "gar", "lam", "mar", "pel", "ro", "ché", "vau", "bou", "gré", "mon",
             "tal", "bri", "leu", "sau", "fé", "cour"],
        tails=["ier", "on", "ot", "eau", "and", "ard", "et", "in", "ès", "ais", "oux", "elle"],
        trades=["Menuiserie", "Transports", "Optique", "Imprimerie", "Céramiques", "Semences", "Textiles",
                "Brasserie", "Verrerie", "Outillage", "Boulangerie"],
        legal=("SARL", "Société à responsabilité limitée"), amp="et", bros=None,
        streets=["rue des Lilas", "avenue Victor Hugo", "rue du Moulin", "boulevard Pasteur", "place de l'Église"],
        towns=["Valmoreau", "Saint-Ardel", "Brécourt", "Montelier", "Lavaudière"]),
    "de": dict(
        titles=["Herr", "Frau", "Dr."],
        forenames=[("Johannes", ["Hans"]), ("Wilhelm", ["Willi"]), ("Friedrich", ["Fritz"]),
                   ("Heinrich", ["Heinz"]), ("Joachim", ["Jochen"]), ("Jürgen", []), ("Günter", []),
                   ("Ursula", []), ("Brigitte", []), ("Sabine", []), ("Jörg", []), ("Bärbel", []),
                   ("Klaus", []), ("Monika", []), ("Andreas", []), ("Katharina", []), ("Uwe", [])],
        syl=["berg", "brü", "dorn", "eck", "fel", "gro", "hau", "kö", "lan", "mü", "neu", "ober", "rei",
             "schä", "stein", "tal", "wei", "zim", "bir", "hol"],
        tails=["mann", "er", "ner", "hoff", "bach", "ling", "stedt", "huber", "wald", "mayer", "bauer"],
        trades=["Holzbau", "Spedition", "Optik", "Druckerei", "Keramik", "Saatgut", "Textil", "Brauerei",
                "Glaswerk", "Werkzeugbau", "Metallbau"],
        legal=("GmbH", "Gesellschaft mit beschränkter Haftung"), amp="und", bros=("Gebrüder", "Gebr."),
        streets=["Hauptstraße", "Bahnhofstraße", "Mühlenweg", "Lindenallee", "Kirchgasse", "Am Markt"],
        towns=["Grünfeld", "Altenmoor", "Weißbach", "Kellersdorf", "Obertal"]),
    "it": dict(
        titles=["Sig.", "Sig.ra", "Dott."],
        forenames=[("Giuseppe", ["Beppe", "Pino"]), ("Giovanni", ["Gianni"]), ("Francesco", ["Checco"]),
                   ("Luigi", ["Gigi"]), ("Vincenzo", ["Enzo"]), ("Alessandro", ["Sandro"]), ("Lorenzo", ["Renzo"]),
                   ("Niccolò", []), ("Lucia", []), ("Chiara", []), ("Giulia", []), ("Francesca", []),
                   ("Paola", []), ("Marco", []), ("Andrea", []), ("Elena", []), ("Stefano", [])],
        syl=["bel", "car", "del", "fer", "gal", "lom", "mar", "pel", "ros", "san", "tor", "vit", "bon",
             "cos", "fan", "mon", "ric", "ser", "vol", "zan"],
        tails=["ini", "etti", "one", "ucci", "ardi", "elli", "otto", "ano", "ì", "esi", "aro", "ieri"],
        trades=["Falegnameria", "Trasporti", "Ottica", "Tipografia", "Ceramiche", "Sementi", "Tessuti",
                "Birrificio", "Vetreria", "Utensili", "Pastificio"],
        legal=("S.r.l.", "Società a responsabilità limitata"), amp="e", bros=("Fratelli", "F.lli"),
        streets=["Via Roma", "Via Garibaldi", "Corso Italia", "Piazza del Duomo", "Via dei Mille"],
        towns=["Valdorso", "Montecaldo", "San Vitale", "Borgoretto", "Castelmora"]),
    "es": dict(
        titles=["Sr.", "Sra.", "Dr."],
        forenames=[("José", ["Pepe"]), ("Francisco", ["Paco"]), ("Manuel", ["Manolo"]), ("Antonio", ["Toño"]),
                   ("Juan José", ["Juanjo"]), ("José María", ["Chema"]), ("María", []), ("Lucía", []),
                   ("Inés", []), ("Begoña", []), ("Andrés", []), ("Rubén", []), ("Ángela", []),
                   ("Sofía", []), ("Carmen", []), ("Javier", []), ("Raúl", [])],
        syl=["al", "bar", "cas", "del", "fer", "gar", "her", "ló", "mar", "nú", "or", "pé", "quin", "ro",
             "san", "ti", "val", "zu", "mu", "be"],
        tails=["ez", "ado", "ero", "illa", "ón", "uela", "ías", "ares", "iño", "eda", "ueta"],
        trades=["Carpintería", "Transportes", "Óptica", "Imprenta", "Cerámicas", "Semillas", "Textiles",
                "Cervecería", "Cristalería", "Herramientas", "Conservas"],
        legal=("S.L.", "Sociedad Limitada"), amp="y", bros=("Hermanos", "Hnos."),
        streets=["Calle Mayor", "Avenida de la Constitución", "Calle del Sol", "Plaza de España", "Camino Real"],
        towns=["Villanueva del Río", "Santa Olalla", "Torremar", "Valdecañas", "Puebla Alta"]),
}
CODES = list(LANGS)
KINDS = ["typo", "accent", "nickname", "legal_form", "ampersand", "word_order", "abbreviation"]


def strip_accents(text):
    return "".join(c for c in unicodedata.normalize("NFD", text) if unicodedata.category(c) != "Mn")


def surname(rnd, L):
    name = "".join(rnd.choice(L["syl"]) for _ in range(rnd.randint(1, 2))) + rnd.choice(L["tails"])
    return name[0].upper() + name[1:]


def company(rnd, L):
    """A company name: (name, parts) where parts lets a variant be rebuilt."""
    shape = rnd.random()
    first = surname(rnd, L)
    if shape < 0.3:
        core = [first, L["amp"], surname(rnd, L)]  # two founders
    elif shape < 0.45 and L["bros"]:
        core = [L["bros"][0], first] if L is not LANGS["es"] else [first, L["bros"][0]]
    else:
        core = [first, rnd.choice(L["trades"])]
    legal = L["legal"][0] if rnd.random() < 0.8 else ""
    return core, legal


def render(core, legal):
    return " ".join(core + ([legal] if legal else []))


def typo(rnd, word):
    if len(word) < 4:
        return word + word[-1]
    i = rnd.randint(1, len(word) - 2)
    op = rnd.randrange(4)
    if op == 0:
        return word[:i] + word[i + 1] + word[i] + word[i + 2:]  # swapped letters
    if op == 1:
        return word[:i] + word[i + 1:]  # dropped letter
    if op == 2:
        return word[:i] + word[i] + word[i:]  # doubled letter
    return word[:i] + rnd.choice("aeiourstnl".replace(word[i], "")) + word[i + 1:]  # wrong letter


def make_contact(rnd, code, companies):
    L = LANGS[code]
    fn, _ = rnd.choice(L["forenames"])
    core, legal = rnd.choice(companies[code])
    n = rnd.randrange(1, 400)
    return {
        "Title": rnd.choice(L["titles"]), "FirstName": fn, "Surname": surname(rnd, L),
        "Position": rnd.choice(["", "Buyer", "Director", "Manager", "Accounts"]),
        "CompanyName": render(core, legal), "_core": core, "_legal": legal,
        "Address1": f"{n} {rnd.choice(L['streets'])}" if code in ("en", "fr") else f"{rnd.choice(L['streets'])} {n}",
        "Address2": "", "Town": rnd.choice(L["towns"]), "County": "",
        "PostCode": f"{rnd.randrange(10000, 99999)}", "TelephoneNo": f"0{rnd.randrange(100000000, 999999999)}",
        "EMailAddress": "", "Language": code,
    }


def variant(rnd, base, kind):
    """A near-duplicate of `base` of the given kind, or None when `base` has nothing to vary."""
    L = LANGS[base["Language"]]
    dup = dict(base)
    core, legal = list(base["_core"]), base["_legal"]
    if kind == "typo":
        dup["Surname"] = typo(rnd, base["Surname"])
    elif kind == "accent":
        for field in ("Surname", "FirstName"):
            plain = strip_accents(base[field])
            if plain != base[field]:
                dup[field] = plain
                break
        else:
            return None
    elif kind == "nickname":
        nicks = dict(L["forenames"]).get(base["FirstName"])
        if not nicks:
            return None
        dup["FirstName"] = rnd.choice(nicks)
    elif kind == "legal_form":
        if not legal:
            return None
        dup["CompanyName"] = render(core, L["legal"][1])
    elif kind == "ampersand":
        if L["amp"] not in core:
            return None
        dup["CompanyName"] = render([("&" if w == L["amp"] else w) for w in core], legal)
    elif kind == "word_order":
        if len(core) != 2 or L["bros"] and L["bros"][0] in core:
            return None
        dup["CompanyName"] = render(core[::-1], legal)
    elif kind == "abbreviation":
        if not L["bros"] or L["bros"][0] not in core:
            return None
        dup["CompanyName"] = render([(L["bros"][1] if w == L["bros"][0] else w) for w in core], legal)
    if dup["CompanyName"] == base["CompanyName"] and dup["Surname"] == base["Surname"] \
            and dup["FirstName"] == base["FirstName"]:
        return None
    # The copy was typed again: its own phone number and no title now and then.
    dup["TelephoneNo"] = f"0{rnd.randrange(100000000, 999999999)}"
    if rnd.random() < 0.3:
        dup["Title"] = ""
    return dup


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("count", type=int)
    ap.add_argument("out")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--planted", type=float, default=0.02, help="share of rows that are planted copies")
    args = ap.parse_args()
    rnd = random.Random(args.seed)

    # Companies are shared by several contacts, as in a real customer list.
    companies = {c: [company(rnd, LANGS[c]) for _ in range(max(20, args.count // 25))] for c in CODES}
    planted = int(args.count * args.planted)
    rows = [make_contact(rnd, rnd.choice(CODES), companies) for _ in range(args.count - planted)]
    pairs = []
    kind_index = 0
    tries = 0
    while len(pairs) < planted:
        kind = KINDS[kind_index % len(KINDS)]
        base_row = rnd.randrange(len(rows))
        base = rows[base_row]
        dup = variant(rnd, base, kind)
        tries += 1
        if dup is None:
            if tries > 1000 * (len(pairs) + 1):
                raise SystemExit(f"no contact to plant a copy of kind {kind}: the list is too small")
            continue  # look for another contact that has what this kind varies
        kind_index += 1
        rows.append(dup)
        pairs.append((base_row, len(rows) - 1, kind, base["Language"]))
    # Copies scattered through the list, as they come in real exports.
    order = list(range(len(rows)))
    rnd.shuffle(order)
    position = {old: new for new, old in enumerate(order)}
    for r in rows:
        first = strip_accents(r["FirstName"]).lower().replace(" ", "")
        last = strip_accents(r["Surname"]).lower()
        r["EMailAddress"] = f"{first}.{last}@example.invalid"

    with open(args.out, "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f)
        w.writerow(HEADER)
        for old in order:
            w.writerow([rows[old][h] for h in HEADER])
    side = args.out[:-4] if args.out.endswith(".csv") else args.out
    with open(side + ".pairs.csv", "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f)
        w.writerow(["row_a", "row_b", "kind", "language"])
        w.writerows(sorted([min(position[a], position[b]) + 1, max(position[a], position[b]) + 1, kind, code]
                           for a, b, kind, code in pairs))


if __name__ == "__main__":
    main()

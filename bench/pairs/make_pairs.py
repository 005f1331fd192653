#!/usr/bin/env python3
"""Regenerates the labelled pair files <lang>.tsv from the invented name lists below.

Columns: kind, label (1 same entity, 0 different), text1, text2. UTF-8.
Positives are hand-listed variants (nicknames, spelling and phonetic variants,
abbreviations, legal forms) topped up with realistic typing slips; negatives
pair each entry with the most alike different entry of the same list.
Run from this folder: python3 make_pairs.py
"""
import difflib
import random

import category_pairs as cat

PER_LABEL = 45

DATA = {
    "en": {
        "forenames": [
            ("Catherine", ["Kathryn", "Katherine", "Cathy", "Kate"]), ("William", ["Bill", "Will", "Wiliam"]),
            ("Philip", ["Phillip", "Phil", "Filip"]), ("Stephen", ["Steven", "Steve"]), ("Jonathan", ["Johnathan", "Jon"]),
            ("Elizabeth", ["Elisabeth", "Liz", "Beth"]), ("Margaret", ["Maggie", "Margret"]), ("Robert", ["Rob", "Bob"]),
            ("Geoffrey", ["Jeffrey", "Jeff"]), ("Sean", ["Shaun", "Shawn"]), ("Aileen", ["Eileen", "Ailene"]),
            ("Deborah", ["Debra", "Debbie"]), ("Anne", ["Ann", "Annie"]), ("Mathew", ["Matthew", "Matt"]),
            ("Zoe", ["Zoë", "Zoey"]), ("Nicholas", ["Nicolas", "Nick"]), ("Alan", ["Allan", "Allen"]),
            ("Sara", ["Sarah"]), ("Lindsay", ["Lindsey"]), ("Christopher", ["Kristopher", "Chris"]),
            ("Rebecca", ["Rebekah", "Becky"]), ("Jacqueline", ["Jackie"]), ("Graham", ["Graeme"]),
            ("Brian", ["Bryan"]), ("Neil", ["Neal"]), ("Carl", ["Karl"]), ("Claire", ["Clare"]),
            ("Martin", []), ("Morton", []), ("Mary", []), ("Marie", []), ("Dean", []), ("Diane", []),
            ("Jane", []), ("Joan", []), ("Janet", []), ("Barry", []), ("Henry", []), ("Louise", []), ("Lewis", []),
            ("Francis", []), ("Frances", []), ("Laura", []), ("Lauren", []), ("Adam", []), ("Aidan", []),
        ],
        "surnames": [
            ("Smith", ["Smyth", "Smithe"]), ("Phillips", ["Philips", "Filips"]), ("Meyer", ["Maier", "Mayer"]),
            ("Thompson", ["Thomson", "Tompson"]), ("MacDonald", ["McDonald", "Macdonald"]), ("Clark", ["Clarke"]),
            ("Reid", ["Reed", "Read"]), ("Gray", ["Grey"]), ("Stephenson", ["Stevenson"]), ("Harris", ["Harries"]),
            ("Davies", ["Davis", "Davys"]), ("Wright", ["Right", "Wrigth"]), ("Knight", ["Night"]),
            ("Mitchell", ["Mitchel", "Michell"]), ("Lamb", ["Lambe"]), ("Johnson", ["Jonson", "Johnston"]),
            ("Simpson", ["Simson"]), ("Cooke", ["Cook"]), ("Hughes", ["Hughs", "Huges"]), ("Matthews", ["Mathews"]),
            ("Morton", []), ("Martin", []), ("Hartley", []), ("Hartman", []), ("Barker", []), ("Baker", []),
            ("Parker", []), ("Walker", []), ("Waller", []), ("Fletcher", []), ("Fisher", []), ("Turner", []),
            ("Tanner", []), ("Collins", []), ("Cullen", []), ("Bennett", []), ("Burnett", []), ("Holmes", []),
            ("Holland", []), ("Ward", []), ("Wood", []), ("Webb", []), ("Watts", []), ("Lane", []), ("Long", []),
        ],
        "legal": ["Ltd", "Limited", "Plc", "LLP"],
        "legal_pairs": [("Ltd", "Limited"), ("Ltd", ""), ("Limited", ""), ("Plc", ""), ("& Co", "and Company")],
        "stems": ["Harwick", "Hartwell", "Brambleton", "Brambley", "Corvale", "Corbridge", "Ashwendle", "Ashwenby",
                  "Kestrel", "Kessington", "Maplecroft", "Mapleford", "Ravensby", "Ravenhill", "Thornacre",
                  "Thornavon", "Wexcombe", "Wexley", "Silverbrook", "Silverdune", "Penhallow", "Penwarden"],
        "sectors": ["Foods", "Engineering", "Logistics", "Builders", "Print", "Motors", "Consulting", "Textiles"],
        "streets": ["Elmwood", "Elmfield", "Larch", "Larkspur", "Beacon", "Beckett", "Ashgrove", "Ashvale",
                    "Millbrook", "Millfield", "Orchard", "Orchid", "Rowan", "Rowland", "Hawthorn", "Hawkins",
                    "Chapel", "Chandler", "Kingsley", "Kingsway", "Abbey", "Albany"],
        "types": [("Road", "Rd"), ("Street", "St"), ("Avenue", "Ave"), ("Lane", "Ln"), ("Close", "Cl"),
                  ("Crescent", "Cres"), ("Drive", "Dr"), ("Gardens", "Gdns")],
        "address": "{n} {name} {type}",
    },
    "fr": {
        "forenames": [
            ("François", ["Francois", "Franck"]), ("Thibault", ["Thibaut", "Thibaud"]), ("Jean-Pierre", ["Jean Pierre", "J-Pierre"]),
            ("Stéphane", ["Stephane", "Stefane"]), ("Mathieu", ["Matthieu", "Mattieu"]), ("Geneviève", ["Genevieve", "Ginette"]),
            ("Hélène", ["Helene", "Elène"]), ("Philippe", ["Philipe", "Filipe"]), ("Catherine", ["Katherine", "Cathy"]),
            ("Raphaël", ["Raphael", "Rafael"]), ("Gaëlle", ["Gaelle", "Gaële"]), ("Anaïs", ["Anais"]),
            ("Guillaume", ["Guilaume", "Guillome"]), ("Michèle", ["Michelle", "Michele"]), ("Frédéric", ["Frederic", "Fred"]),
            ("Jérôme", ["Jerome", "Gérôme"]), ("Benoît", ["Benoit"]), ("Clément", ["Clement"]), ("Laurent", ["Laurant"]),
            ("Sylvie", ["Silvie"]), ("Yannick", ["Yanick", "Yannik"]), ("Christelle", ["Cristelle"]), ("Joël", ["Joel"]),
            ("Martin", []), ("Martine", []), ("Simon", []), ("Simone", []), ("Jean", []), ("Jeanne", []),
            ("Daniel", []), ("Danielle", []), ("Marin", []), ("Marine", []), ("Léon", []), ("Léonie", []),
            ("Louis", []), ("Louise", []), ("Denis", []), ("Denise", []), ("Yvon", []), ("Yvonne", []),
            ("Gilles", []), ("Gilbert", []), ("Hugo", []), ("Hugues", []),
        ],
        "surnames": [
            ("Rousseau", ["Roussot", "Rouseau"]), ("Dupont", ["Dupond", "Dupon"]), ("Lefebvre", ["Lefèvre", "Lefevre"]),
            ("Thibault", ["Thibaut", "Thibaud"]), ("Moreau", ["Morot", "Moreaux"]), ("Gauthier", ["Gautier", "Gaultier"]),
            ("Girault", ["Giraud", "Girod"]), ("Mercier", ["Mercié", "Mersier"]), ("Chevalier", ["Chevallier"]),
            ("Lemaître", ["Lemaitre", "Lemettre"]), ("Arnault", ["Arnaud", "Arnaut"]), ("Boucher", ["Bouché"]),
            ("Faure", ["Fort", "Faur"]), ("Renaud", ["Renault", "Reno"]), ("Perrin", ["Perin"]),
            ("Guérin", ["Guerin", "Guairin"]), ("Besançon", ["Besancon"]), ("Michaud", ["Michault", "Micheau"]),
            ("Martin", []), ("Martineau", []), ("Bernard", []), ("Bertrand", []), ("Durand", []), ("Durant-Lebas", []),
            ("Petit", []), ("Petitjean", []), ("Robert", []), ("Roberge", []), ("Richard", []), ("Richaud", []),
            ("Fournier", []), ("Fourcade", []), ("Girard", []), ("Giraudoux", []), ("Bonnet", []), ("Bonneau", []),
            ("Lambert", []), ("Lamartine", []), ("Fontaine", []), ("Fonteneau", []), ("Roux", []), ("Rouxel", []),
        ],
        "legal_pairs": [("SARL", ""), ("SA", "S.A."), ("SAS", ""), ("& Fils", "et Fils"), ("SARL", "S.A.R.L.")],
        "stems": ["Belvaux", "Belvoir", "Chantemerle", "Chanteloup", "Dorvane", "Dormeuil", "Fromenteau",
                  "Fromental", "Lavergne", "Laverdure", "Montclair", "Montcalme", "Rivesaltre", "Riveneuve",
                  "Sauveterre", "Sauvignac", "Vauclerc", "Vaucelles", "Beaulac", "Beaumarais"],
        "sectors": ["Transports", "Boulangerie", "Imprimerie", "Menuiserie", "Conseil", "Textiles", "Électricité", "Garage"],
        "streets": ["des Lilas", "des Lys", "du Moulin", "du Mouton", "Saint-Honoré", "Saint-Onésime", "des Acacias",
                    "des Ajoncs", "de la Gare", "de la Garenne", "Victor Lamarche", "Victor Lamarque", "des Tilleuls",
                    "des Tuileries", "du Château", "du Chapitre", "Jean Morvellec", "Jean Morvan", "de la Fontaine", "de la Forge"],
        "types": [("rue", "r."), ("avenue", "av."), ("boulevard", "bd"), ("place", "pl."), ("impasse", "imp."),
                  ("chemin", "ch."), ("allée", "all."), ("route", "rte")],
        "address": "{n} {type} {name}",
    },
    "de": {
        "forenames": [
            ("Jürgen", ["Juergen", "Jurgen"]), ("Stefan", ["Stephan", "Steffen"]), ("Christian", ["Kristian", "Chris"]),
            ("Katharina", ["Katarina", "Kathrin", "Katrin"]), ("Jörg", ["Joerg", "Jorg"]), ("Michael", ["Michi", "Micha"]),
            ("Matthias", ["Mathias", "Matias"]), ("Günther", ["Günter", "Gunther"]), ("Sabine", ["Sabina", "Bine"]),
            ("Claudia", ["Klaudia"]), ("Carsten", ["Karsten"]), ("Mareike", ["Mareicke", "Maraike"]),
            ("Ralf", ["Ralph"]), ("Wolfgang", ["Wolf", "Wolfgan"]), ("Joachim", ["Jochen", "Achim"]),
            ("Susanne", ["Susanna", "Suse"]), ("Björn", ["Bjoern", "Bjorn"]), ("Heike", ["Haike"]),
            ("Kai", ["Kay", "Cai"]), ("Uwe", ["Uve"]), ("Dörte", ["Doerte", "Dörthe"]), ("Elisabeth", ["Elisabet", "Lisa"]),
            ("Hans", []), ("Heinz", []), ("Heiner", []), ("Anna", []), ("Anja", []), ("Karl", []), ("Karin", []),
            ("Lena", []), ("Lina", []), ("Frank", []), ("Franz", []), ("Jan", []), ("Jana", []), ("Lukas", []),
            ("Lars", []), ("Paul", []), ("Paula", []), ("Emil", []), ("Emma", []), ("Ute", []), ("Udo", []),
        ],
        "surnames": [
            ("Schmidt", ["Schmitt", "Schmid", "Schmitz"]), ("Müller", ["Mueller", "Muller", "Möller"]),
            ("Meyer", ["Maier", "Mayer", "Meier"]), ("König", ["Koenig", "Konig"]), ("Becker", ["Bäcker", "Beker"]),
            ("Pfeiffer", ["Pfeifer", "Pheiffer"]), ("Lehmann", ["Leman", "Lehman"]), ("Seitz", ["Seiz", "Saitz"]),
            ("Vogel", ["Fogel", "Vogl"]), ("Fuchs", ["Fux", "Fuks"]), ("Schäfer", ["Schaefer", "Schafer", "Schäffer"]),
            ("Weiß", ["Weiss", "Weis"]), ("Hoffmann", ["Hofmann", "Hofman"]), ("Krüger", ["Krueger", "Kruger"]),
            ("Schulz", ["Schultz", "Schulze"]), ("Wagner", ["Wagener"]), ("Neumann", ["Neuman", "Naumann"]),
            ("Bauer", []), ("Baier", []), ("Fischer", []), ("Fichter", []), ("Weber", []), ("Weller", []),
            ("Richter", []), ("Riedel", []), ("Wolf", []), ("Wolter", []), ("Braun", []), ("Brandt", []),
            ("Zimmermann", []), ("Zimmer", []), ("Hartmann", []), ("Hermann", []), ("Krause", []), ("Kraus", []),
            ("Lange", []), ("Lang", []), ("Werner", []), ("Wenzel", []), ("Schwarz", []), ("Schwab", []),
        ],
        "legal_pairs": [("GmbH", ""), ("GmbH", "G.m.b.H."), ("AG", ""), ("KG", ""), ("GmbH & Co. KG", "GmbH & Co KG")],
        "stems": ["Hallbrecht", "Hallberg", "Kornfeld", "Kornwald", "Lindhorst", "Lindholm", "Rabenstein",
                  "Rabenau", "Sonnleitner", "Sonnenberg", "Wettekamp", "Wettering", "Eichwald", "Eichler",
                  "Brunnhuber", "Brunnmeier", "Tannreuther", "Tannberg", "Falkenried", "Falkenhain"],
        "sectors": ["Maschinenbau", "Spedition", "Druckerei", "Bäckerei", "Elektrotechnik", "Baustoffe", "Textil", "Beratung"],
        "streets": ["Linden", "Lilien", "Bahnhof", "Bachmann", "Kirch", "Kirschgarten", "Wald", "Wiesen", "Rosen",
                    "Rosmarin", "Mühlen", "Mühlbach", "Garten", "Gerber", "Schellner", "Schenkel", "Eichen", "Eschen",
                    "Tannen", "Tauben"],
        # Only -straße has a common written short form; the others vary in spelling and hyphens.
        "types": [("straße", "str."), ("straße", "strasse"), ("platz", "pl."), ("straße", "-Straße"), ("weg", "-Weg")],
        "address": "{name}{type} {n}",
    },
    "it": {
        "forenames": [
            ("Giacomo", ["Jacomo", "Giacommo"]), ("Giovanni", ["Giovani", "Gianni", "Nanni"]), ("Giuseppe", ["Giusepe", "Beppe", "Peppe"]),
            ("Francesco", ["Francesko", "Franco", "Cesco"]), ("Federica", ["Federika", "Fede"]), ("Chiara", ["Kiara", "Chiarra"]),
            ("Alessandro", ["Alesandro", "Sandro", "Ale"]), ("Antonella", ["Antonela", "Nella"]), ("Matteo", ["Mateo", "Mattteo"]),
            ("Raffaele", ["Rafaele", "Raffaello", "Lello"]), ("Filippo", ["Filipo", "Pippo"]), ("Cristina", ["Christina", "Cristna"]),
            ("Gianluca", ["Gian Luca", "Gian-Luca"]), ("Massimo", ["Massimmo", "Max"]), ("Ludovica", ["Lodovica"]),
            ("Jacopo", ["Iacopo", "Giacopo"]), ("Emanuele", ["Emmanuele", "Manuele"]), ("Niccolò", ["Nicolò", "Niccolo", "Nicola"]),
            ("Mario", []), ("Maria", []), ("Luca", []), ("Lucia", []), ("Paolo", []), ("Paola", []), ("Carlo", []),
            ("Carla", []), ("Franco", []), ("Franca", []), ("Simone", []), ("Simona", []), ("Dario", []), ("Daria", []),
            ("Marco", []), ("Marta", []), ("Enzo", []), ("Enza", []), ("Bruno", []), ("Bruna", []), ("Pietro", []), ("Pia", []),
            ("Renato", []), ("Renata", []),
        ],
        "surnames": [
            # Surnames that differ in their final vowel (Lombardo, Lombardi) are different
            # families: they belong among the negatives, not here.
            ("Bianchi", ["Bianki", "Bianci"]), ("Ricci", ["Rici", "Riccì"]), ("Battaglia", ["Battalia", "Bataglia"]),
            ("Gherardi", ["Gerardi", "Gherardy"]), ("Mazza", ["Maza", "Mazzà"]), ("Pasquale", ["Pascuale", "Pasqale"]),
            ("Ferraro", ["Feraro", "Ferarro"]), ("Cacciapuoti", ["Caciapuoti", "Cacciapuotti"]), ("Colombo", ["Colonbo", "Collombo"]),
            ("Esposito", ["Espósito", "Esposto"]), ("Greco", ["Grecco", "Grieco"]), ("Marchetti", ["Marketti", "Marcetti"]),
            ("Sciarra", ["Sciara", "Shiarra"]), ("Gagliardi", ["Galiardi", "Gaglardi"]), ("Lombardo", ["Lonbardo"]),
            ("Zanetti", ["Zannetti", "Zanett"]), ("Castiglione", ["Castilione", "Castiglone"]), ("D'Angelo", ["D Angelo", "Dangelo"]),
            ("Rossi", []), ("Russo", []), ("Romano", []), ("Romagnoli", []), ("Conti", []), ("Costa", []), ("Fontana", []),
            ("Fontanella", []), ("Rizzo", []), ("Rizzi", []), ("Moretti", []), ("Morelli", []), ("Barbieri", []),
            ("Barbera", []), ("Galli", []), ("Gallo", []), ("Mancini", []), ("Mancuso", []), ("Leone", []), ("Longo", []),
            ("Vitale", []), ("Villa", []),
        ],
        "legal_pairs": [("S.p.A.", ""), ("S.r.l.", "SRL"), ("S.r.l.", ""), ("S.n.c.", ""), ("& Figli", "e Figli")],
        "stems": ["Bellavista", "Bellaria", "Colleverde", "Collevecchio", "Fiordaliso", "Fiorbello", "Montebruno",
                  "Montebello", "Pratoalto", "Pratolungo", "Rivabella", "Rivalta", "Selvagrande", "Selvanera",
                  "Torrechiara", "Torrenova", "Valdisole", "Valdoro", "Acquaviva", "Acquasanta"],
        "sectors": ["Trasporti", "Tipografia", "Costruzioni", "Alimentari", "Meccanica", "Tessuti", "Consulenze", "Arredamenti"],
        "streets": ["Giuseppe Verdani", "Giuseppe Vertani", "Roma", "Romagna", "Garibotti", "Galimberti", "dei Mille",
                    "dei Mulini", "Cavorsi", "Cavalieri", "San Francesco", "San Fruttuoso", "delle Rose", "delle Rocce",
                    "Dante Alberighi", "Dante Aliprandi", "Mazzanti", "Manzotti", "XX Settembre", "IV Novembre"],
        "types": [("Via", "V."), ("Piazza", "P.zza"), ("Corso", "C.so"), ("Viale", "V.le"), ("Largo", "L.go")],
        "address": "{type} {name} {n}",
    },
    "es": {
        "forenames": [
            ("Javier", ["Xavier", "Javi"]), ("José", ["Jose", "Pepe"]), ("Guillermo", ["Guilermo", "Memo"]),
            ("Jesús", ["Jesus", "Chuy"]), ("Francisco", ["Paco", "Francisko", "Pancho"]), ("Ignacio", ["Ignasio", "Nacho"]),
            ("Yolanda", ["Llolanda", "Yoli"]), ("Begoña", ["Begona", "Bego"]), ("Inmaculada", ["Inma", "Immaculada"]),
            ("Álvaro", ["Alvaro", "Albaro"]), ("Vicente", ["Bicente", "Vicent"]), ("Gonzalo", ["Gonsalo", "Gonza"]),
            ("Concepción", ["Concepcion", "Concha", "Conchi"]), ("Rocío", ["Rocio", "Rosío"]), ("Enrique", ["Enrrique", "Quique"]),
            ("Raquel", ["Rakel", "Raquél"]), ("Dolores", ["Lola", "Dolors"]), ("Joaquín", ["Joaquin", "Juaquin"]),
            ("Mario", []), ("María", []), ("Juan", []), ("Juana", []), ("Julio", []), ("Julia", []), ("Pablo", []),
            ("Paula", []), ("Carlos", []), ("Carla", []), ("Luis", []), ("Luisa", []), ("Manuel", []), ("Manuela", []),
            ("Antonio", []), ("Antonia", []), ("Sergio", []), ("Sonia", []), ("Rubén", []), ("Rebeca", []),
            ("Diego", []), ("Diana", []), ("Marta", []), ("Mateo", []),
        ],
        "surnames": [
            ("González", ["Gonzalez", "Gonsales", "Gonzales"]), ("Vázquez", ["Vasquez", "Velázquez"]), ("Hernández", ["Ernández", "Hernandes"]),
            ("Jiménez", ["Giménez", "Ximénez", "Jimenez"]), ("Muñoz", ["Munoz", "Muños"]), ("Llorente", ["Yorente", "Llorent"]),
            ("Valle", ["Balle", "Del Valle"]), ("Cebrián", ["Zebrián", "Cebrian"]), ("Chávez", ["Chaves", "Chavez"]),
            ("Bravo", ["Brabo"]), ("Villalobos", ["Villalobo", "Bilalobos"]), ("Sánchez", ["Sanchez", "Sanches"]),
            ("Rodríguez", ["Rodriguez", "Rodrigues"]), ("Quintero", ["Kintero", "Quinteros"]), ("Ibáñez", ["Ibanez", "Yáñez"]),
            ("Herrero", ["Herrera", "Errero"]), ("Zapata", ["Sapata", "Zapatta"]), ("Echeverría", ["Etxeberria", "Echevarría"]),
            ("García", []), ("Garcés", []), ("López", []), ("Lorenzo", []), ("Martínez", []), ("Marín", []),
            ("Pérez", []), ("Peña", []), ("Gómez", []), ("Gálvez", []), ("Díaz", []), ("Duarte", []), ("Moreno", []),
            ("Molina", []), ("Romero", []), ("Roldán", []), ("Navarro", []), ("Nadal", []), ("Ruiz", []), ("Ríos", []),
            ("Castro", []), ("Castillo", []),
        ],
        "legal_pairs": [("S.L.", ""), ("S.A.", "SA"), ("S.L.", "Sociedad Limitada"), ("S.A.", ""), ("e Hijos", "y Hijos")],
        "stems": ["Almendral", "Almenara", "Buenavista", "Buenaventura", "Castellar", "Castelnou", "Fuentesol",
                  "Fuenterrey", "Montalbo", "Montejaque", "Peñalara", "Peñaflor", "Riosaldo", "Riofrío",
                  "Torreblanca", "Torremolar", "Valdeazor", "Valdemar", "Sierralta", "Sierranueva"],
        "sectors": ["Transportes", "Imprenta", "Construcciones", "Alimentación", "Asesores", "Textiles", "Carpintería", "Talleres"],
        "streets": ["Mayor", "Mayoral", "de la Paz", "de la Plaza", "del Carmen", "del Carmen Alto", "Real", "Reina",
                    "San Vicente", "San Valentín", "de Cerdanes", "de Cervera", "Gran Vía", "Gran Capitán",
                    "del Olivo", "del Olmo", "de Golla", "de Gomera", "Alcalá", "Alcántara"],
        "types": [("Calle", "C/"), ("Avenida", "Avda."), ("Plaza", "Pza."), ("Paseo", "Pº"), ("Camino", "Cno.")],
        "address": "{type} {name} {n}",
    },
}

NEIGHBOURS = {c: n for c, n in zip("qwertyuiopasdfghjklzxcvbnm",
                                     ["wa", "qes", "wrd", "etf", "ryg", "tuh", "yij", "uok", "ipl", "ol",
                                      "qsz", "awdx", "sefc", "drgv", "fthb", "gyjn", "hukm", "jil", "kop", "asx",
                                      "zsdc", "xdfv", "cfgb", "vghn", "bhjm", "njk"])}


def typo(rng, text):
    """One realistic keyboard slip, never on the first letter."""
    letters = [i for i, ch in enumerate(text) if ch.isalpha() and i > 0]
    if not letters:
        return text
    i = rng.choice(letters)
    op = rng.randrange(4)
    if op == 0:
        return text[:i] + text[i + 1:]
    if op == 1 and i + 1 < len(text) and text[i + 1].isalpha():
        return text[:i] + text[i + 1] + text[i] + text[i + 2:]
    if op == 2:
        return text[:i] + text[i] + text[i:]
    low = text[i].lower()
    if low in NEIGHBOURS:
        return text[:i] + rng.choice(NEIGHBOURS[low]) + text[i + 1:]
    return text[:i] + text[i + 1:]


def nearest_negatives(rng, names, count):
    """Each name with the most alike other name: the confusable different entity."""
    pairs = set()
    for a in names:
        others = sorted((difflib.SequenceMatcher(None, a.lower(), b.lower()).ratio(), b) for b in names if b != a)
        for _, b in reversed(others[-2:]):
            pairs.add(tuple(sorted((a, b))))
    pairs = sorted(pairs)
    rng.shuffle(pairs)
    return pairs[:count]


def name_pairs(rng, entries):
    pos = [(c, v) for c, vs in entries for v in vs]
    bases = [c for c, _ in entries]
    while len(pos) < PER_LABEL:
        base = rng.choice(bases)
        slip = typo(rng, base)
        if slip != base:
            pos.append((base, slip))
    neg = nearest_negatives(rng, bases, PER_LABEL)
    return pos[:PER_LABEL], neg


def company_pairs(rng, d):
    pos, neg = [], []
    stems, sectors = d["stems"], d["sectors"]
    for k in range(PER_LABEL):
        stem, sector = stems[k % len(stems)], sectors[k % len(sectors)]
        long_form, short_form = d["legal_pairs"][k % len(d["legal_pairs"])]
        a = f"{stem} {sector} {long_form}".strip()
        variant = k % 4
        if variant == 0:
            b = f"{stem} {sector} {short_form}".strip()
        elif variant == 1:
            b = f"{typo(rng, stem)} {sector} {short_form}".strip()
        elif variant == 2:
            b = f"{stem.upper()} {sector.upper()} {long_form}".strip()
        else:
            b = f"{sector} {stem} {long_form}".strip()
        pos.append((a, b))
    for k in range(PER_LABEL):
        i = k % len(stems)
        sector = sectors[k % len(sectors)]
        legal = d["legal_pairs"][k % len(d["legal_pairs"])][0]
        # Stems are listed in look-alike pairs. (The same house name in another
        # trade is not used: the product drops trade words before keying.)
        partner = stems[i ^ 1]
        other_legal = d["legal_pairs"][(k + 1) % len(d["legal_pairs"])][0] if k % 3 == 2 else legal
        neg.append((f"{stems[i]} {sector} {legal}", f"{partner} {sector} {other_legal}"))
    return pos, neg


def address_pairs(rng, d):
    pos, neg = [], []
    names, types, fmt = d["streets"], d["types"], d["address"]
    for k in range(PER_LABEL):
        name, (full, short) = names[k % len(names)], types[k % len(types)]
        n = str(rng.randint(1, 140))
        a = fmt.format(n=n, name=name, type=full)
        variant = k % 3
        if variant == 0:
            b = fmt.format(n=n, name=name, type=short)
        elif variant == 1:
            b = fmt.format(n=n, name=typo(rng, name), type=full)
        else:
            b = fmt.format(n=n, name=name.upper(), type=short.upper())
        pos.append((a, b.strip()))
    for k in range(PER_LABEL):
        i = k % len(names)
        full = types[k % len(types)][0]
        n = str(rng.randint(1, 140))
        if k % 3 == 2:
            # Same street, another house.
            m = str(int(n) + rng.randint(2, 30))
            neg.append((fmt.format(n=n, name=names[i], type=full), fmt.format(n=m, name=names[i], type=full)))
        else:
            neg.append((fmt.format(n=n, name=names[i], type=full), fmt.format(n=n, name=names[i ^ 1], type=full)))
    return pos, neg


ROMAN = [(1000, "M"), (900, "CM"), (500, "D"), (400, "CD"), (100, "C"), (90, "XC"), (50, "L"), (40, "XL"),
         (10, "X"), (9, "IX"), (5, "V"), (4, "IV"), (1, "I")]


def roman(n):
    out = ""
    for value, letters in ROMAN:
        while n >= value:
            out += letters
            n -= value
    return out


def forename_category_pairs(lang):
    rows = []
    for short, names in cat.NICKNAMES[lang]:
        rows += [(1, short, name) for name in names]
    rows += [(0, m, f) for m, f in cat.GENDER_PAIRS[lang]]
    rows += list(cat.FORENAME_EXTRA[lang])
    return rows


def company_category_pairs(rng, lang):
    d = cat.COMPANIES[lang]
    rows = []
    for full, short in d["abbrev"]:
        for stem in rng.sample(d["stems"], 2):
            rows.append((1, full.format(s=stem), short.format(s=stem)))
    for t1, t2 in d["trades"]:
        for stem in rng.sample(d["stems"], 2):
            if lang == "en":
                rows.append((0, f"{stem} {t1}", f"{stem} {t2}"))
            else:
                rows.append((0, f"{t1} {stem}", f"{t2} {stem}"))
    return rows


def address_category_pairs(rng, lang):
    d = cat.NUMBERS[lang]
    words = d["words"]
    rows = []
    numbers = sorted(words)
    for template in d["templates"]:
        for n in rng.sample(numbers, 5):
            rows.append((1, template.format(n=n), template.format(n=words[n])))
        for n in rng.sample(numbers, 4):
            other = rng.choice([m for m in numbers if m != n])
            rows.append((0, template.format(n=n), template.format(n=words[other])))
            near = n + rng.choice([1, 10, -1]) if n > 1 else n + 10
            rows.append((0, template.format(n=n), template.format(n=near)))
    for template in d["roman_templates"]:
        for n in (2, 3, 4, 5, 6, 9, 11, 12, 14, 16, 24):
            if n in words or rng.random() < 0.5:
                rows.append((1, template.format(r=roman(n)), template.format(r=n)))
        for a, b in ((2, 3), (4, 6), (11, 12), (14, 16), (9, 11), (24, 26)):
            rows.append((0, template.format(r=roman(a)), template.format(r=roman(b))))
    for template in d["ordinal_templates"]:
        for n, (word, digits) in d["ordinals"].items():
            rows.append((1, template.format(o=word), template.format(o=digits)))
        pairs = list(d["ordinals"].items())
        for (n1, (w1, _)), (n2, (_, g2)) in zip(pairs, pairs[1:]):
            rows.append((0, template.format(o=w1), template.format(o=g2)))
    rows += list(cat.STREETS[lang])
    return rows


def full_name_pairs(rng, lang):
    d = cat.FULL_NAMES[lang]
    surnames = d["surnames"]
    rows = []
    unambiguous = [(short, names[0]) for short, names in cat.NICKNAMES[lang] if len(names) == 1]
    ambiguous = [(short, names) for short, names in cat.NICKNAMES[lang] if len(names) > 1]
    for short, name in rng.sample(unambiguous, 8):
        s = rng.choice(surnames)
        rows.append((1, f"{short} {s}", f"{name} {s}"))
    for short, names in rng.sample(ambiguous, 6):
        s = rng.choice(surnames)
        rows.append((1, f"{short} {s}", f"{rng.choice(names)} {s}"))
    for plain, written in d["titles"]:
        for _ in range(2):
            s = rng.choice(surnames)
            name = rng.choice(unambiguous)[1]
            rows.append((1, f"{plain} {name} {s}", f"{written} {name} {s}"))
    for _ in range(6):
        s = rng.choice(surnames)
        name = rng.choice(unambiguous)[1]
        rows.append((1, f"{name} {s}", f"{s}, {name}"))
    for m, f in rng.sample(cat.GENDER_PAIRS[lang], 12):
        s = rng.choice(surnames)
        rows.append((0, f"{m} {s}", f"{f} {s}"))
    for _ in range(8):
        s1, s2 = rng.sample(surnames, 2)
        name = rng.choice(unambiguous)[1]
        rows.append((0, f"{name} {s1}", f"{name} {s2}"))
    for (n1, _), (n2, _) in zip(rng.sample(unambiguous, 6), rng.sample(unambiguous, 6)):
        if n1 != n2:
            s = rng.choice(surnames)
            rows.append((0, f"{n1} {s}", f"{n2} {s}"))
    return rows


def main():
    for lang, d in DATA.items():
        rng = random.Random(f"tarnwick-{lang}")
        rows = []
        for kind, (pos, neg) in (("forenames", name_pairs(rng, d["forenames"])),
                                 ("surnames", name_pairs(rng, d["surnames"])),
                                 ("companies", company_pairs(rng, d)),
                                 ("addresses", address_pairs(rng, d))):
            rows += [(kind, "1", a, b) for a, b in pos] + [(kind, "0", a, b) for a, b in neg]
        # The categories of the second round, from their own random stream so the
        # pairs above stay as they were.
        crng = random.Random(f"tarnwick-categories-{lang}")
        for kind, extra in (("forenames", forename_category_pairs(lang)),
                            ("surnames", list(cat.SURNAME_EXTRA[lang])),
                            ("companies", company_category_pairs(crng, lang)),
                            ("addresses", address_category_pairs(crng, lang)),
                            ("names", full_name_pairs(crng, lang))):
            rows += [(kind, str(label), a, b) for label, a, b in extra]
        with open(f"{lang}.tsv", "w", encoding="utf-8", newline="\n") as f:
            f.write("# kind\tlabel\ttext1\ttext2\n")
            for row in rows:
                f.write("\t".join(row) + "\n")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the demo collection into data/demo: Clasical.dat and the eight name lists.

The files are in the program's code page (Windows-1253) with CR LF line ends, exactly as Sonvella
reads and writes them. Run it again after changing the tables below; the output is committed.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEMO = os.path.join(HERE, "..", "..", "data", "demo")
WIDTHS = [45, 45, 60, 75, 115, 115]
DELETED = ("~~~", "", "", "", "", "")

# One record per musical work: Identity, Composer, Title, Orchestra (and conductor), Soloists, Cover.
RECORDS = [
    ("No9001 CD", "Johann Sebastian Bach", "Goldberg Variations, BWV 988", "",
     "Glenn Gould, piano", "CBS Masterworks, digital recording of 1981"),
    ("No9002 CD", "Ludwig van Beethoven", "Symphony No. 5 in C minor, Op. 67",
     "Wiener Philharmoniker  Carlos Kleiber", "", "Deutsche Grammophon, 1974-76"),
    ("No9002 CD", "Ludwig van Beethoven", "Symphony No. 7 in A major, Op. 92",
     "Wiener Philharmoniker  Carlos Kleiber", "", "Deutsche Grammophon, 1974-76"),
    ("No9003 LP", "Giacomo Puccini", "Tosca",
     "Orchestra e Coro del Teatro alla Scala  Victor de Sabata",
     "Maria Callas  Giuseppe Di Stefano  Tito Gobbi", "EMI Columbia, 2 LP, 1953"),
    ("No9004 SACD", "Gustav Mahler", "Symphony No. 2 in C minor \"Resurrection\"",
     "Budapest Festival Orchestra  Ivan Fischer",
     "Lisa Milne  Birgit Remmert  Hungarian Radio Choir", "Channel Classics, hybrid SACD, 2 discs"),
    ("No9005 CD", "Alban Berg", "Wozzeck", "New York Philharmonic  Δημήτρης Μητρόπουλος",
     "Mack Harrell  Eileen Farrell  Frederick Jagel", "Columbia, concert performance of 1951, 2 CD"),
    ("No9006 CD", "Μίκης Θεοδωράκης", "Άξιον Εστί", "Ορχήστρα και χορωδία  Μίκης Θεοδωράκης",
     "Γρηγόρης Μπιθικώτσης  Μάνος Κατράκης (αφηγητής)", "Columbia Ελλάδος, 1964"),
    ("No9007 CD", "Jean Sibelius", "Violin Concerto in D minor, Op. 47 (original version)",
     "Lahti Symphony Orchestra  Osmo Vanska", "Leonidas Kavakos, violin", "BIS, 1991, the concerto as first played in 1904"),
    ("No9007 CD", "Jean Sibelius", "Violin Concerto in D minor, Op. 47 (final version)",
     "Lahti Symphony Orchestra  Osmo Vanska", "Leonidas Kavakos, violin", "BIS, 1991"),
    ("No9008 LP", "Ludwig van Beethoven", "Symphony No. 9 in D minor, Op. 125 \"Choral\"",
     "Berliner Philharmoniker  Herbert von Karajan",
     "Gundula Janowitz  Hilde Roessel-Majdan  Waldemar Kmentt  Walter Berry  Wiener Singverein",
     "Deutsche Grammophon, 1962"),
    DELETED,
    ("No9009 DVD", "Wolfgang Amadeus Mozart", "Le nozze di Figaro, K. 492",
     "Orchestra of the Royal Opera House  Antonio Pappano",
     "Erwin Schrott  Miah Persson  Dorothea Roeschmann  Gerald Finley", "Opus Arte, 2 DVD, Covent Garden 2006"),
    ("No9010 MC", "Antonio Vivaldi", "The Four Seasons: Spring, RV 269", "I Musici",
     "Felix Ayo, violin", "Philips, cassette"),
    ("No9010 MC", "Antonio Vivaldi", "The Four Seasons: Summer, RV 315", "I Musici",
     "Felix Ayo, violin", "Philips, cassette"),
    ("No9010 MC", "Antonio Vivaldi", "The Four Seasons: Autumn, RV 293", "I Musici",
     "Felix Ayo, violin", "Philips, cassette"),
    ("No9010 MC", "Antonio Vivaldi", "The Four Seasons: Winter, RV 297", "I Musici",
     "Felix Ayo, violin", "Philips, cassette"),
    ("No9011 Shellac-78", "Ruggero Leoncavallo", "Pagliacci: Vesti la giubba", "",
     "Enrico Caruso, tenor", "Victor Red Seal, 78 rpm, 1907"),
    ("No9012 EP-45", "Vincenzo Bellini", "Norma: Casta diva",
     "Orchestra e Coro del Teatro alla Scala  Tullio Serafin", "Maria Callas",
     "Columbia, 45 rpm, from the Norma of 1954"),
    ("No9013 CD", "Frederic Chopin", "Piano Concerto No. 1 in E minor, Op. 11",
     "London Symphony Orchestra  Claudio Abbado", "Martha Argerich, piano", "Deutsche Grammophon, 1968"),
    ("No9013 CD", "Franz Liszt", "Piano Concerto No. 1 in E flat major, S. 124",
     "London Symphony Orchestra  Claudio Abbado", "Martha Argerich, piano", "Deutsche Grammophon, 1968"),
] + [
    ("No9014 CD", "Johann Sebastian Bach", "Cello Suite No. %d in %s, BWV %d" % (n, key, bwv), "",
     "Pierre Fournier, cello", "Archiv Produktion, 2 CD, 1960")
    for n, key, bwv in [(1, "G major", 1007), (2, "D minor", 1008), (3, "C major", 1009),
                        (4, "E flat major", 1010), (5, "C minor", 1011), (6, "D major", 1012)]
] + [
    ("No9015 VC", "Gustav Mahler", "Symphony No. 5 in C sharp minor",
     "Wiener Philharmoniker  Leonard Bernstein", "", "Unitel film of 1972, video cassette"),
    ("No9016 MD", "Claude Debussy", "String Quartet in G minor, Op. 10", "", "Quartetto Italiano",
     "Philips, copied to MiniDisc"),
    # "no9016" for "No9016": one MiniDisc that media counting and the re-sort see as two.
    ("no9016 MD", "Maurice Ravel", "String Quartet in F major", "", "Quartetto Italiano",
     "Philips, copied to MiniDisc"),
    ("No9017 DAT", "Antonin Dvorak", "Symphony No. 9 in E minor, Op. 95 \"From the New World\"",
     "Berliner Philharmoniker  Rafael Kubelik", "", "Deutsche Grammophon, copied to DAT"),
    ("No9018 REEL", "Igor Stravinsky", "The Rite of Spring", "Columbia Symphony Orchestra  Igor Stravinsky",
     "", "Columbia, reel-to-reel tape, 1960"),
    ("No9018 REEL", "Igor Stravinsky", "Petrushka (1947 version)",
     "Columbia Symphony Orchestra  Igor Stravinsky", "", "Columbia, reel-to-reel tape, 1960"),
    ("No9019 DCC", "Pyotr Ilyich Tchaikovsky", "Symphony No. 5 in E minor, Op. 64",
     "Leningrad Philharmonic Orchestra  Evgeny Mravinsky", "", "Deutsche Grammophon, 1960, DCC"),
    ("No9019 DCC", "Pyotr Ilyich Tchaikovsky", "Symphony No. 6 in B minor, Op. 74 \"Pathetique\"",
     "Leningrad Philharmonic Orchestra  Evgeny Mravinsky", "", "Deutsche Grammophon, 1960, DCC"),
    ("No9020 DVD-A", "Gustav Holst", "The Planets, Op. 32", "London Philharmonic Orchestra  Sir Adrian Boult",
     "", "EMI, recording of 1978, DVD-Audio"),
    ("No9021 CD", "Franz Schubert", "Winterreise, D. 911", "",
     "Dietrich Fischer-Dieskau, baritone  Gerald Moore, piano", "Deutsche Grammophon, 1971"),
    # Typed in small letters: the Collection Check shows it as a variant of "Wiener Philharmoniker".
    ("No9022 CD", "Wolfgang Amadeus Mozart", "Requiem in D minor, K. 626", "wiener philharmoniker  Karl Boehm",
     "Edith Mathis  Julia Hamari  Wieslaw Ochman  Karl Ridderbusch  Wiener Staatsopernchor",
     "Deutsche Grammophon, 1971"),
    ("No9023 CD", "Sergei Rachmaninov", "Piano Concerto No. 2 in C minor, Op. 18",
     "London Symphony Orchestra  Andre Previn", "Vladimir Ashkenazy, piano", "Decca, 2 CD"),
    ("No9023 CD", "Sergei Rachmaninov", "Piano Concerto No. 3 in D minor, Op. 30",
     "London Symphony Orchestra  Andre Previn", "Vladimir Ashkenazy, piano", "Decca, 2 CD"),
    ("No9024 CD", "George Frideric Handel", "Messiah, HWV 56", "The English Concert and Choir  Trevor Pinnock",
     "Arleen Auger  Anne Sofie von Otter  Michael Chance  Howard Crook  John Tomlinson",
     "Archiv Produktion, 2 CD, 1988"),
    ("No9025 LP", "Joseph Haydn", "Trumpet Concerto in E flat major, Hob. VIIe:1",
     "National Philharmonic Orchestra  Raymond Leppard", "Wynton Marsalis, trumpet", "CBS Masterworks, 1982"),
    ("No9025 LP", "Johann Nepomuk Hummel", "Trumpet Concerto in E major",
     "National Philharmonic Orchestra  Raymond Leppard", "Wynton Marsalis, trumpet", "CBS Masterworks, 1982"),
    ("No9025 LP", "Leopold Mozart", "Trumpet Concerto in D major",
     "National Philharmonic Orchestra  Raymond Leppard", "Wynton Marsalis, trumpet", "CBS Masterworks, 1982"),
    ("No9026 CD", "Antonin Dvorak", "Cello Concerto in B minor, Op. 104",
     "Chicago Symphony Orchestra  Daniel Barenboim", "Jacqueline du Pre, cello", "EMI, 1970"),
    ("No9027 CD", "Edward Elgar", "Cello Concerto in E minor, Op. 85",
     "London Symphony Orchestra  Sir John Barbirolli", "Jacqueline du Pre, cello", "EMI, 1965"),
    ("No9027 CD", "Edward Elgar", "Sea Pictures, Op. 37", "London Symphony Orchestra  Sir John Barbirolli",
     "Janet Baker, mezzo-soprano", "EMI, 1965"),
    DELETED,
    ("No9028 CD", "Frederic Chopin", "Nocturnes", "", "Arthur Rubinstein, piano", "RCA Victor, 2 CD, 1965"),
    ("No9029 LP", "Johannes Brahms", "Symphony No. 4 in E minor, Op. 98", "Wiener Philharmoniker  Carlos Kleiber",
     "", "Deutsche Grammophon, 1981"),
    ("No9030 CD", "Giuseppe Verdi", "Messa da Requiem", "Philharmonia Orchestra and Chorus  Carlo Maria Giulini",
     "Elisabeth Schwarzkopf  Christa Ludwig  Nicolai Gedda  Nicolai Ghiaurov", "EMI, 2 CD, 1964"),
    ("No9031 SACD", "Johann Sebastian Bach", "Mass in B minor, BWV 232", "Bach Collegium Japan  Masaaki Suzuki",
     "Carolyn Sampson  Rachel Nicholls  Robin Blaze  Gerd Turk  Peter Kooij", "BIS, hybrid SACD, 2 discs, 2007"),
    ("No9032 CD", "Gustav Mahler", "Symphony No. 1 in D major", "Minneapolis Symphony Orchestra  Δημήτρης Μητρόπουλος",
     "", "Columbia, recording of 1940, reissued on CD"),
    ("No9033 MC", "Μάνος Χατζιδάκις", "Ο Μεγάλος Ερωτικός", "Μάνος Χατζιδάκις",
     "Φλέρυ Νταντωνάκη  Δημήτρης Ψαριανός", "1972, κασέτα"),
    ("No9034 CD", "Ludwig van Beethoven", "Piano Sonata No. 8 in C minor, Op. 13 \"Pathetique\"", "",
     "Wilhelm Kempff, piano", "Deutsche Grammophon, 1965"),
    ("No9034 CD", "Ludwig van Beethoven", "Piano Sonata No. 14, Op. 27 No. 2 \"Moonlight\"", "",
     "Wilhelm Kempff, piano", "Deutsche Grammophon, 1965"),
    ("No9034 CD", "Ludwig van Beethoven", "Piano Sonata No. 23 in F minor, Op. 57 \"Appassionata\"", "",
     "Wilhelm Kempff, piano", "Deutsche Grammophon, 1965"),
    ("No9035 LP", "Felix Mendelssohn", "Violin Concerto in E minor, Op. 64",
     "Boston Symphony Orchestra  Charles Munch", "Jascha Heifetz, violin", "RCA Living Stereo"),
    ("No9035 LP", "Max Bruch", "Violin Concerto No. 1 in G minor, Op. 26",
     "New Symphony Orchestra of London  Sir Malcolm Sargent", "Jascha Heifetz, violin", "RCA Living Stereo"),
    ("No9036 DVD", "Ludwig van Beethoven", "Symphony No. 9 \"Ode to Freedom\", Berlin 25.12.1989",
     "Members of six orchestras  Leonard Bernstein",
     "June Anderson  Sarah Walker  Klaus Koenig  Jan-Hendrik Rootering", "Euroarts, DVD"),
    ("No9037 CD", "Erik Satie", "Gymnopedies", "", "Pascal Roge, piano", "Decca, 1984"),
    ("No9037 CD", "Erik Satie", "Gnossiennes", "", "Pascal Roge, piano", "Decca, 1984"),
    # Both of Gould's Goldberg Variations once more, each title typed its own way: the Works
    # window puts them with No9001 under BWV 988, and the Collection Check offers to write the
    # number one way.
    ("No9038 CD", "Johann Sebastian Bach", "Goldberg-Variationen BWV988", "",
     "Glenn Gould, piano", "Sony Classical, A State of Wonder, 3 CD: the recording of 1955"),
    ("No9038 CD", "Johann Sebastian Bach", "Aria with 30 variations (bwv. 988)", "",
     "Glenn Gould, piano", "Sony Classical, A State of Wonder, 3 CD: the recording of 1981"),
    # The Gymnopedies of No9037 once more: a second copy, or the same disc catalogued twice.
    ("No9039 CD", "Erik Satie", "Gymnopedies", "", "Pascal Roge, piano", "Decca, 1984, bought again"),
]

# The pick lists hold the names of the records, all but two: Ruggero Leoncavallo and Felix Ayo
# are left out, so that the Collection Check has names to offer for "Add to list".
LISTS = {
    "Composers.txt": [
        "Johann Sebastian Bach", "Ludwig van Beethoven", "Wolfgang Amadeus Mozart", "Gustav Mahler",
        "Johannes Brahms", "Franz Schubert", "Frederic Chopin", "Pyotr Ilyich Tchaikovsky",
        "Antonin Dvorak", "Giuseppe Verdi", "Giacomo Puccini", "Antonio Vivaldi",
        "George Frideric Handel", "Joseph Haydn", "Igor Stravinsky", "Claude Debussy",
        "Maurice Ravel", "Jean Sibelius", "Sergei Rachmaninov", "Edward Elgar", "Alban Berg",
        "Erik Satie", "Felix Mendelssohn", "Franz Liszt", "Gustav Holst", "Ralph Vaughan Williams",
        "Νίκος Σκαλκώτας", "Μίκης Θεοδωράκης", "Μάνος Χατζιδάκις", "Vincenzo Bellini",
        "Johann Nepomuk Hummel", "Leopold Mozart", "Max Bruch",
    ],
    "Conductors.txt": [
        "Carlos Kleiber", "Herbert von Karajan", "Leonard Bernstein", "Claudio Abbado",
        "Karl Boehm", "Sir John Barbirolli", "Carlo Maria Giulini", "Evgeny Mravinsky",
        "Trevor Pinnock", "Masaaki Suzuki", "Ivan Fischer", "Δημήτρης Μητρόπουλος",
        "Victor de Sabata", "Osmo Vanska", "Antonio Pappano", "Tullio Serafin", "Rafael Kubelik",
        "Igor Stravinsky", "Andre Previn", "Raymond Leppard", "Daniel Barenboim",
        "Sir Adrian Boult", "Charles Munch", "Sir Malcolm Sargent", "Neville Marriner",
        "Μίκης Θεοδωράκης", "Μάνος Χατζιδάκις",
    ],
    "Title.txt": [
        "Symphony No.", "Piano Concerto No.", "Violin Concerto", "Cello Concerto", "String Quartet",
        "Piano Sonata No.", "Requiem", "Mass", "in C major", "in D minor", "Op.", "BWV", "K.",
    ],
    "Orchestras.txt": [
        "Wiener Philharmoniker", "Berliner Philharmoniker", "London Symphony Orchestra",
        "Philharmonia Orchestra", "Chicago Symphony Orchestra", "New York Philharmonic",
        "Academy of St Martin in the Fields", "Budapest Festival Orchestra", "Bach Collegium Japan",
        "Κρατική Ορχήστρα Αθηνών", "Orchestra e Coro del Teatro alla Scala",
        "Lahti Symphony Orchestra", "Orchestra of the Royal Opera House", "I Musici",
        "Columbia Symphony Orchestra", "Leningrad Philharmonic Orchestra",
        "London Philharmonic Orchestra", "The English Concert and Choir",
        "National Philharmonic Orchestra", "Philharmonia Orchestra and Chorus",
        "Minneapolis Symphony Orchestra", "Boston Symphony Orchestra",
        "New Symphony Orchestra of London", "Members of six orchestras", "Ορχήστρα και χορωδία",
    ],
    "AKSoloists.txt": [
        "Martha Argerich, piano", "Vladimir Ashkenazy, piano", "Pierre Fournier, cello",
        "Glenn Gould, piano", "Jascha Heifetz, violin", "Leonidas Kavakos, violin",
        "Wilhelm Kempff, piano", "Jacqueline du Pre, cello", "Iona Brown, violin",
    ],
    "LZSoloists.txt": [
        "Wynton Marsalis, trumpet", "Pascal Roge, piano", "Arthur Rubinstein, piano",
        "Δημήτρης Σγούρος, πιάνο", "Gerald Moore, piano", "Quartetto Italiano",
    ],
    "Vocal.txt": [
        "Maria Callas", "Enrico Caruso", "Dietrich Fischer-Dieskau", "Christa Ludwig",
        "Elisabeth Schwarzkopf", "Janet Baker", "Wiener Singverein", "Hungarian Radio Choir",
        "Enrico Caruso, tenor", "Dietrich Fischer-Dieskau, baritone", "Janet Baker, mezzo-soprano",
        "Giuseppe Di Stefano", "Tito Gobbi", "Lisa Milne", "Birgit Remmert", "Mack Harrell",
        "Eileen Farrell", "Frederick Jagel", "Gundula Janowitz", "Hilde Roessel-Majdan",
        "Waldemar Kmentt", "Walter Berry", "Erwin Schrott", "Miah Persson", "Dorothea Roeschmann",
        "Gerald Finley", "Edith Mathis", "Julia Hamari", "Wieslaw Ochman", "Karl Ridderbusch",
        "Wiener Staatsopernchor", "Arleen Auger", "Anne Sofie von Otter", "Michael Chance",
        "Howard Crook", "John Tomlinson", "Nicolai Gedda", "Nicolai Ghiaurov", "Carolyn Sampson",
        "Rachel Nicholls", "Robin Blaze", "Gerd Turk", "Peter Kooij", "June Anderson",
        "Sarah Walker", "Klaus Koenig", "Jan-Hendrik Rootering", "Γρηγόρης Μπιθικώτσης",
        "Μάνος Κατράκης (αφηγητής)", "Φλέρυ Νταντωνάκη", "Δημήτρης Ψαριανός",
    ],
    "Labels.txt": [
        "Deutsche Grammophon", "Decca", "EMI", "Philips", "RCA Victor", "CBS Masterworks", "BIS",
        "Archiv Produktion", "Channel Classics",
    ],
}


def record_bytes(fields):
    out = b""
    for text, width in zip(fields, WIDTHS):
        data = text.encode("cp1253")
        if len(data) > width:
            sys.exit("too long for its field (%d): %s" % (width, text))
        out += data.ljust(width, b" ")
    assert len(out) == 455
    return out


def main():
    with open(os.path.join(DEMO, "Clasical.dat"), "wb") as f:
        for fields in RECORDS:
            f.write(record_bytes(fields))
    for name, names in LISTS.items():
        with open(os.path.join(DEMO, name), "wb") as f:
            for n in names:
                # As the program writes a name that holds a comma: in double quotes.
                line = '"%s"' % n if "," in n and '"' not in n else n
                f.write(line.encode("cp1253") + b"\r\n")
    media = len({r[0] for r in RECORDS if r[0] != "~~~"})
    print("%d records on %d media" % (len(RECORDS), media))


if __name__ == "__main__":
    main()

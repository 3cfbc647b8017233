<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Animation</name>
    <message>
        <source>a frame per test would make %1 frames, more than the %2 an animation may have: made a frame per entry instead (%3 frames)</source>
        <translation>ein Bild je Test ergäbe %1 Bilder, mehr als die %2, die eine Animation haben darf: stattdessen ein Bild je Eintrag (%3 Bilder)</translation>
    </message>
</context>
<context>
    <name>Code</name>
    <message>
        <source>k ← e, compared by UTF-16 code unit</source>
        <translation>k ← e, verglichen nach UTF-16-Codeeinheiten</translation>
    </message>
    <message>
        <source>k ← the leading number of field f of e</source>
        <translation>k ← die führende Zahl von Feld f von e</translation>
    </message>
    <message>
        <source>k ← the leading number of e;  its companion goes along</source>
        <translation>k ← die führende Zahl von e;  sein Begleiter geht mit</translation>
    </message>
    <message>
        <source>k ← the leading number of e</source>
        <translation>k ← die führende Zahl von e</translation>
    </message>
    <message>
        <source>insert e at gap j;  go on to the next entry</source>
        <translation>füge e in Lücke j ein;  weiter mit dem nächsten Eintrag</translation>
    </message>
    <message>
        <source>for j ← 1 to m + 1:    ▹ from the low end</source>
        <translation>für j ← 1 bis m + 1:    ▹ vom unteren Ende</translation>
    </message>
    <message>
        <source>for j ← m + 1 down to 1:    ▹ from the high end</source>
        <translation>für j ← m + 1 abwärts bis 1:    ▹ vom oberen Ende</translation>
    </message>
    <message>
        <source>hi ← j − 1    ▹ a gap before j may fit</source>
        <translation>hi ← j − 1    ▹ eine Lücke vor j kann passen</translation>
    </message>
    <message>
        <source>else:    ▹ the first gap that fits</source>
        <translation>sonst:    ▹ die erste Lücke, die passt</translation>
    </message>
    <message>
        <source>▹ gap j: list[j − 1] to list[j];  m: entries placed</source>
        <translation>▹ Lücke j: list[j − 1] bis list[j];  m: platzierte Einträge</translation>
    </message>
    <message>
        <source>for each entry e, in input order:</source>
        <translation>für jeden Eintrag e, in Eingabereihenfolge:</translation>
    </message>
    <message>
        <source>drop e: k is already placed</source>
        <translation>verwirf e: k ist schon platziert</translation>
    </message>
    <message>
        <source>drop e: k is at or beyond a sentinel</source>
        <translation>verwirf e: k liegt auf oder jenseits eines Wächters</translation>
    </message>
    <message>
        <source>drop e: k lies beyond a sentinel</source>
        <translation>verwirf e: k liegt jenseits eines Wächters</translation>
    </message>
    <message>
        <source>take the sentinels out:  result ← list[1 … m]</source>
        <translation>nimm die Wächter heraus:  Ergebnis ← list[1 … m]</translation>
    </message>
    <message>
        <source>entry %1 of %2: %3 · k = %4 · </source>
        <translation>Eintrag %1 von %2: %3 · k = %4 · </translation>
    </message>
    <message>
        <source>gap %1: list[%2] = %3, list[%1] = %4 · </source>
        <translation>Lücke %1: list[%2] = %3, list[%1] = %4 · </translation>
    </message>
    <message>
        <source>m = %1 placed · steps %2 · moves %3</source>
        <translation>m = %1 platziert · Schritte %2 · Bewegungen %3</translation>
    </message>
    <message>
        <source>if list[j − 1] &lt; k &lt; list[j]:</source>
        <translation>falls list[j − 1] &lt; k &lt; list[j]:</translation>
    </message>
    <message>
        <source>if list[j − 1] ≤ k ≤ list[j]:</source>
        <translation>falls list[j − 1] ≤ k ≤ list[j]:</translation>
    </message>
    <message>
        <source>while lo ≤ hi:  j ← ⌊(lo + hi) / 2⌋</source>
        <translation>solange lo ≤ hi:  j ← ⌊(lo + hi) / 2⌋</translation>
    </message>
    <message>
        <source>if k &gt; list[j]:  lo ← j + 1</source>
        <translation>falls k &gt; list[j]:  lo ← j + 1</translation>
    </message>
    <message>
        <source>else if k &lt; list[j − 1] or (k = list[j − 1] and j &gt; 1):</source>
        <translation>sonst falls k &lt; list[j − 1] oder (k = list[j − 1] und j &gt; 1):</translation>
    </message>
</context>
<context>
    <name>Drops</name>
    <message>
        <source>all %1 keys</source>
        <translation>alle %1 Schlüssel</translation>
    </message>
    <message>
        <source>%1 of %2 keys</source>
        <translation>%1 von %2 Schlüsseln</translation>
    </message>
    <message>
        <source>lie above the high sentinel %1</source>
        <translation>liegen über dem oberen Wächter %1</translation>
    </message>
    <message>
        <source>lie below the low sentinel %1</source>
        <translation>liegen unter dem unteren Wächter %1</translation>
    </message>
    <message>
        <source>equal a sentinel</source>
        <translation>gleichen einem Wächter</translation>
    </message>
    <message>
        <source>%1; %2 keeps only keys between %3 and %4</source>
        <translation>%1; %2 behält nur Schlüssel zwischen %3 und %4</translation>
    </message>
    <message>
        <source>%1; %2 keeps only keys from %3 to %4</source>
        <translation>%1; %2 behält nur Schlüssel von %3 bis %4</translation>
    </message>
    <message>
        <source>below the low sentinel</source>
        <translation>unter dem unteren Wächter</translation>
    </message>
    <message>
        <source>above the high sentinel</source>
        <translation>über dem oberen Wächter</translation>
    </message>
    <message>
        <source>equal to a sentinel</source>
        <translation>gleich einem Wächter</translation>
    </message>
    <message>
        <source>key already placed</source>
        <translation>Schlüssel schon platziert</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>under a second</source>
        <translation>unter einer Sekunde</translation>
    </message>
    <message>
        <source>about %1 s</source>
        <translation>etwa %1 s</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>etwa %1 min</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 holds more than 100,000 entries</source>
        <translation>%1 enthält mehr als 100.000 Einträge</translation>
    </message>
    <message>
        <source>%1: line %2 is not UTF-8 text</source>
        <translation>%1: Zeile %2 ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1 holds no entries</source>
        <translation>%1 enthält keine Einträge</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1 is a folder, not a text file</source>
        <translation>%1 ist ein Ordner, keine Textdatei</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device, a pipe or a socket): open a text file</source>
        <translation>%1 ist keine reguläre Datei (ein Gerät, eine Pipe oder ein Socket): Öffnen Sie eine Textdatei</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, the most a file of entries may hold</source>
        <translation>%1 ist größer als %2 MiB, das Höchste, was eine Datei mit Einträgen enthalten darf</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Everywhere</source>
        <translation>Überall</translation>
    </message>
    <message>
        <source>Run the plan</source>
        <translation>Den Plan ausführen</translation>
    </message>
    <message>
        <source>Cancel the run; what it measured is kept</source>
        <translation>Den Lauf abbrechen; was er gemessen hat, bleibt</translation>
    </message>
    <message>
        <source>Open an input file</source>
        <translation>Eine Eingabedatei öffnen</translation>
    </message>
    <message>
        <source>Export the run shown as CSV</source>
        <translation>Den gezeigten Lauf als CSV exportieren</translation>
    </message>
    <message>
        <source>Export the chart shown as PNG</source>
        <translation>Das gezeigte Diagramm als PNG exportieren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>The guide to the tab in view</source>
        <translation>Die Anleitung zum sichtbaren Reiter</translation>
    </message>
    <message>
        <source>The tab, control or menu whose underlined letter it is</source>
        <translation>Der Reiter, das Element oder das Menü mit diesem unterstrichenen Buchstaben</translation>
    </message>
    <message>
        <source>The next or the previous control</source>
        <translation>Das nächste oder das vorige Element</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Hinein- oder herauszoomen</translation>
    </message>
    <message>
        <source>Zoom to the rectangle, or out</source>
        <translation>Auf das Rechteck zoomen, oder heraus</translation>
    </message>
    <message>
        <source>Undo the zoom</source>
        <translation>Den Zoom zurücknehmen</translation>
    </message>
    <message>
        <source>Chart legends</source>
        <translation>Diagrammlegenden</translation>
    </message>
    <message>
        <source>The entry above or below</source>
        <translation>Der Eintrag darüber oder darunter</translation>
    </message>
    <message>
        <source>Show or hide the entry&apos;s series</source>
        <translation>Die Reihe des Eintrags zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Sort by the current column, ascending or descending</source>
        <translation>Nach der aktuellen Spalte sortieren, aufsteigend oder absteigend</translation>
    </message>
    <message>
        <source>Select every row</source>
        <translation>Alle Zeilen auswählen</translation>
    </message>
    <message>
        <source>Copy the selected rows with their header</source>
        <translation>Die gewählten Zeilen mit ihrer Kopfzeile kopieren</translation>
    </message>
    <message>
        <source>Step through</source>
        <translation>Schritt für Schritt</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Abspielen oder anhalten</translation>
    </message>
    <message>
        <source>One test on or back</source>
        <translation>Einen Test vor oder zurück</translation>
    </message>
    <message>
        <source>One entry on or back</source>
        <translation>Einen Eintrag vor oder zurück</translation>
    </message>
    <message>
        <source>The run&apos;s start or end</source>
        <translation>Anfang oder Ende des Laufs</translation>
    </message>
    <message>
        <source>Go on after a verdict, as Right does</source>
        <translation>Nach einem Urteil weiter, wie mit Rechts</translation>
    </message>
    <message>
        <source>Predict mode</source>
        <translation>Vorhersagemodus</translation>
    </message>
    <message>
        <source>Choose the gap</source>
        <translation>Die Lücke wählen</translation>
    </message>
    <message>
        <source>Answer: the gap chosen</source>
        <translation>Antwort: die gewählte Lücke</translation>
    </message>
    <message>
        <source>Answer: dropped</source>
        <translation>Antwort: verworfen</translation>
    </message>
    <message>
        <source>&lt;h2&gt;&lt;a name=&quot;time&quot;&gt;&lt;/a&gt;Time&lt;/h2&gt;&lt;p&gt;Each line is a routine on one input shape: the median time of the repetitions at each size n, a band over the middle half of the repetitions (one far from the others is a star, left out of the band), and its floor dashed with hollow markers: a standard stable sort that gives the identical result. Both axes are logarithmic, so a power law n&lt;sup&gt;b&lt;/sup&gt; is a straight line whose slope is b; the legend gives b with its 95 % interval and R², and faint reference slopes of n, n log n and n² to read it against.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;steps&quot;&gt;&lt;/a&gt;Steps&lt;/h2&gt;&lt;p&gt;The positions the scan tested. The law of the cost is exact: steps = n + A, where A counts the pairs of entries already in order. Ascending input costs n(n+1)/2 steps and descending n, dotted on top; the legend says how many measured points lie on them.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;ratio&quot;&gt;&lt;/a&gt;Ratio&lt;/h2&gt;&lt;p&gt;Each routine&apos;s median time over its floor&apos;s. A line that rises with n grows faster than the floor&apos;s n log n.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;order&quot;&gt;&lt;/a&gt;Order&lt;/h2&gt;&lt;p&gt;After an order sweep: steps, moves and entries really shifted against the input&apos;s sortedness s, the share of pairs in order, beside the law&apos;s lines steps = n + s·n(n−1)/2 and moves = n + (1−s)·n(n−1)/2. The scan starts at the low end, so sorted input, where every entry goes last, is the slow case. Measure the variants too and their steps appear beside: the scan from the high end costs n + (1−s)·n(n−1)/2, on the moves&apos; line, so the two cross at s = 0.5; halving stays under a flat bound, and order matters to it only through the moves.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;results&quot;&gt;&lt;/a&gt;Results&lt;/h2&gt;&lt;p&gt;Every measurement of the run shown, with its order and the law&apos;s prediction, the median and spread of its repetitions, and a repetition far from the others flagged ⚑. A result that differs from the floor&apos;s, or counts that differ from the law&apos;s, would be red: a fault of this program.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;step-through&quot;&gt;&lt;/a&gt;Step through&lt;/h2&gt;&lt;p&gt;One run on a short list: the list being built between its sentinels, the two cells under test and the test written out, the entry placed (+) or dropped (−) with its reason, and the counts so far beside the law&apos;s totals. In predict mode you say where each entry goes first; a verdict is marked ✓ or ✗. A race steps a second run beside the first. Beside each list, the routine&apos;s code: the line of the moment lit and marked ▶, with the entry, its key, the gap&apos;s two keys and the counts so far; Show code hides it.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;&lt;a name=&quot;time&quot;&gt;&lt;/a&gt;Zeit&lt;/h2&gt;&lt;p&gt;Jede Linie ist eine Routine auf einer Form der Eingabe: die mittlere Zeit (Median) der Wiederholungen bei jeder Größe n, ein Band über die mittlere Hälfte der Wiederholungen (eine, die weit von den anderen liegt, ist ein Stern und bleibt außerhalb des Bandes) und ihre Basis, gestrichelt mit hohlen Markern: eine übliche stabile Sortierung, die dasselbe Ergebnis liefert. Beide Achsen sind logarithmisch, daher ist ein Potenzgesetz n&lt;sup&gt;b&lt;/sup&gt; eine Gerade mit der Steigung b; die Legende nennt b mit seinem 95-%-Intervall und R², und blasse Vergleichssteigungen n, n log n und n² helfen beim Ablesen.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;steps&quot;&gt;&lt;/a&gt;Schritte&lt;/h2&gt;&lt;p&gt;Die Positionen, die der Suchlauf geprüft hat. Das Kostengesetz ist exakt: Schritte = n + A, wobei A die Paare von Einträgen zählt, die schon in Ordnung sind. Aufsteigende Eingabe kostet n(n+1)/2 Schritte und absteigende n, gepunktet darüber; die Legende sagt, wie viele gemessene Punkte darauf liegen.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;ratio&quot;&gt;&lt;/a&gt;Verhältnis&lt;/h2&gt;&lt;p&gt;Die mittlere Zeit jeder Routine geteilt durch die ihrer Basis. Eine Linie, die mit n steigt, wächst schneller als das n log n der Basis.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;order&quot;&gt;&lt;/a&gt;Reihenfolge&lt;/h2&gt;&lt;p&gt;Nach einem Durchlauf über die Ordnung: Schritte, Bewegungen und wirklich verschobene Einträge gegen die Sortiertheit s der Eingabe, den Anteil der Paare in Ordnung, neben den Linien des Gesetzes Schritte = n + s·n(n−1)/2 und Bewegungen = n + (1−s)·n(n−1)/2. Der Suchlauf beginnt am unteren Ende, daher ist sortierte Eingabe, bei der jeder Eintrag ans Ende kommt, der langsame Fall. Messen Sie auch die Varianten, dann erscheinen ihre Schritte daneben: der Suchlauf vom oberen Ende kostet n + (1−s)·n(n−1)/2, auf der Linie der Bewegungen, daher kreuzen sich beide bei s = 0,5; die Halbierung bleibt unter einer flachen Schranke, und die Ordnung zählt für sie nur über die Bewegungen.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;results&quot;&gt;&lt;/a&gt;Ergebnisse&lt;/h2&gt;&lt;p&gt;Jede Messung des gezeigten Laufs, mit ihrer Ordnung und der Vorhersage des Gesetzes, dem Median und der Streuung ihrer Wiederholungen; eine Wiederholung, die weit von den anderen liegt, ist mit ⚑ markiert. Ein Ergebnis, das von dem der Basis abweicht, oder Zählungen, die von denen des Gesetzes abweichen, wären rot: ein Fehler dieses Programms.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;step-through&quot;&gt;&lt;/a&gt;Schritt für Schritt&lt;/h2&gt;&lt;p&gt;Ein Lauf auf einer kurzen Liste: die Liste, die zwischen ihren Wächtern entsteht, die beiden geprüften Zellen und der ausgeschriebene Test, der platzierte (+) oder verworfene (−) Eintrag mit seinem Grund und die bisherigen Zählungen neben den Summen des Gesetzes. Im Vorhersagemodus sagen Sie zuerst, wohin jeder Eintrag kommt; ein Urteil wird mit ✓ oder ✗ markiert. Ein Wettlauf führt einen zweiten Lauf neben dem ersten. Neben jeder Liste steht der Code der Routine: die aktuelle Zeile hervorgehoben und mit ▶ markiert, mit dem Eintrag, seinem Schlüssel, den beiden Schlüsseln der Lücke und den bisherigen Zählungen; „Code anzeigen“ blendet ihn aus.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Predict, then check&lt;/h2&gt;&lt;p&gt;Each answer follows from the law of the cost. Say yours first, then check it in the explorer.&lt;/p&gt;&lt;ol&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;Which input makes SortNumbersUnique drop the most?&lt;/b&gt; Check: measure it on every shape at n = 1,000 and read the Results tab&apos;s dropped column.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Answer:&lt;/i&gt; equal keys. Every entry after the first finds its key placed: 999 drops, each after m + 1 = 2 steps, as only one entry is ever placed: 1 + 2 × 999 = 1,999 steps.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;At what sortedness do the scans from the low end and from the high end cost the same?&lt;/b&gt; Check: an order sweep of SortNumbers and SortNumbersFromHigh, on the Order tab.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Answer:&lt;/i&gt; s = 0.5, where n + s·n(n−1)/2 = n + (1−s)·n(n−1)/2.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;How many steps do SortNumbers and SortNumbersFromHigh take on 1,000 ascending keys?&lt;/b&gt; Check: the Steps tab or the Results tab.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Answer:&lt;/i&gt; 500,500 = n(n+1)/2 and 1,000 = n: every entry is the largest so far, at the far end from the low sentinel and next to the high one.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;On 1,000 equal keys, both scans take 1,000 steps. Which makes more moves?&lt;/b&gt; Check: the moves column of the Results tab.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Answer:&lt;/i&gt; the scan from the low end: each entry goes before the equal keys placed, 500,500 moves in all; from the high end each goes after them, one move each, 1,000.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;On the 21 start-up vectors, what bound does the law put on the gaps SortNumbersBinary tests for one entry?&lt;/b&gt; Check: step through it; the strip of steps shows each entry&apos;s.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Answer:&lt;/i&gt; 5. The 21st entry meets at most 20 placed entries, 21 gaps, and halving 21 gaps takes at most ⌊log₂ 21⌋ + 1 = 5 tests. The strip shows at most 4: a bound need not be reached.&lt;/p&gt;&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;h2&gt;Vorhersagen, dann prüfen&lt;/h2&gt;&lt;p&gt;Jede Antwort folgt aus dem Kostengesetz. Sagen Sie zuerst Ihre, dann prüfen Sie sie im Programm.&lt;/p&gt;&lt;ol&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;Welche Eingabe lässt SortNumbersUnique am meisten verwerfen?&lt;/b&gt; Prüfen: Messen Sie es auf jeder Form bei n = 1.000 und lesen Sie die Spalte „Verworfen“ im Reiter Ergebnisse.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Antwort:&lt;/i&gt; gleiche Schlüssel. Jeder Eintrag nach dem ersten findet seinen Schlüssel schon platziert: 999 Verwerfungen, jede nach m + 1 = 2 Schritten, da immer nur ein Eintrag platziert ist: 1 + 2 × 999 = 1.999 Schritte.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;Bei welcher Sortiertheit kosten die Suchläufe vom unteren und vom oberen Ende gleich viel?&lt;/b&gt; Prüfen: ein Durchlauf über die Ordnung mit SortNumbers und SortNumbersFromHigh, im Reiter Reihenfolge.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Antwort:&lt;/i&gt; s = 0,5, wo n + s·n(n−1)/2 = n + (1−s)·n(n−1)/2.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;Wie viele Schritte brauchen SortNumbers und SortNumbersFromHigh für 1.000 aufsteigende Schlüssel?&lt;/b&gt; Prüfen: der Reiter Schritte oder der Reiter Ergebnisse.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Antwort:&lt;/i&gt; 500.500 = n(n+1)/2 und 1.000 = n: jeder Eintrag ist der bisher größte, am fernen Ende vom unteren Wächter und direkt neben dem oberen.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;Bei 1.000 gleichen Schlüsseln brauchen beide Suchläufe 1.000 Schritte. Welcher macht mehr Bewegungen?&lt;/b&gt; Prüfen: die Spalte „Bewegungen“ im Reiter Ergebnisse.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Antwort:&lt;/i&gt; der Suchlauf vom unteren Ende: jeder Eintrag kommt vor die schon platzierten gleichen Schlüssel, 500.500 Bewegungen insgesamt; vom oberen Ende kommt jeder dahinter, eine Bewegung je Eintrag, 1.000.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;Welche Schranke setzt das Gesetz bei den 21 Startvektoren für die Lücken, die SortNumbersBinary für einen Eintrag prüft?&lt;/b&gt; Prüfen: Gehen Sie es Schritt für Schritt durch; der Streifen der Schritte zeigt die jedes Eintrags.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Antwort:&lt;/i&gt; 5. Der 21. Eintrag trifft auf höchstens 20 platzierte Einträge, 21 Lücken, und das Halbieren von 21 Lücken braucht höchstens ⌊log₂ 21⌋ + 1 = 5 Tests. Der Streifen zeigt höchstens 4: eine Schranke muss nicht erreicht werden.&lt;/p&gt;&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;sentinel-cost %1&lt;/h2&gt;&lt;p&gt;How the cost of sorting by sentinel insertion grows with size and input order.&lt;/p&gt;&lt;p&gt;Free software under the GNU General Public License, version 3 or any later version: you may share and change it under its terms. It comes with no warranty.&lt;/p&gt;&lt;p&gt;The manual: &lt;tt&gt;man sentinel-cost&lt;/tt&gt;, and &lt;tt&gt;sentinel-cost --help&lt;/tt&gt;. The source, and its README, come with the program&apos;s source package.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;sentinel-cost %1&lt;/h2&gt;&lt;p&gt;Wie die Kosten des Sortierens durch Einfügen zwischen Wächtern mit der Größe und der Ordnung der Eingabe wachsen.&lt;/p&gt;&lt;p&gt;Freie Software unter der GNU General Public License, Version 3 oder jeder späteren Version: Sie dürfen sie nach deren Bedingungen weitergeben und verändern. Sie kommt ohne jede Gewährleistung.&lt;/p&gt;&lt;p&gt;Das Handbuch: &lt;tt&gt;man sentinel-cost&lt;/tt&gt; und &lt;tt&gt;sentinel-cost --help&lt;/tt&gt;. Der Quelltext und seine README liegen dem Quellpaket des Programms bei.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Reading the explorer</source>
        <translation>Das Programm lesen</translation>
    </message>
    <message>
        <source>&lt;h2&gt;&lt;a name=&quot;references&quot;&gt;&lt;/a&gt;What a result is compared with&lt;/h2&gt;&lt;p&gt;Each result is compared with a stable sort of the same input that orders equal keys as the routine does, and the floor is that sort timed. The scan from the high end places each entry after the equal keys already placed, so equal keys keep their input order: its reference is the standard stable sort. The scans that stop at the first fit from the low end, halving among them, place each entry before the equal keys already placed: their reference is the stable sort with equal keys in reverse order. A strict routine keeps the first entry of each key: its reference is the stable sort keeping the first of each key. The step-through names the reference of its routine under the result.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;&lt;a name=&quot;references&quot;&gt;&lt;/a&gt;Womit ein Ergebnis verglichen wird&lt;/h2&gt;&lt;p&gt;Jedes Ergebnis wird mit einer stabilen Sortierung derselben Eingabe verglichen, die gleiche Schlüssel so ordnet wie die Routine; die Basis ist diese Sortierung, gemessen. Der Suchlauf vom oberen Ende setzt jeden Eintrag hinter die schon platzierten gleichen Schlüssel, so behalten gleiche Schlüssel ihre Eingabereihenfolge: sein Vergleich ist die gewöhnliche stabile Sortierung. Die Suchläufe, die beim ersten Passen vom unteren Ende halten, das Halbieren eingeschlossen, setzen jeden Eintrag vor die schon platzierten gleichen Schlüssel: ihr Vergleich ist die stabile Sortierung mit gleichen Schlüsseln in umgekehrter Reihenfolge. Eine strenge Routine behält den ersten Eintrag jedes Schlüssels: ihr Vergleich ist die stabile Sortierung, die den ersten jedes Schlüssels behält. Schritt für Schritt nennt unter dem Ergebnis den Vergleich seiner Routine.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>OrderChart</name>
    <message>
        <source>scan from the low end</source>
        <translation>Suchlauf vom unteren Ende</translation>
    </message>
    <message>
        <source>scan from the high end</source>
        <translation>Suchlauf vom oberen Ende</translation>
    </message>
    <message>
        <source>halving</source>
        <translation>Halbierung</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>choose at least one routine</source>
        <translation>wählen Sie mindestens eine Routine</translation>
    </message>
    <message>
        <source>choose at least one shape</source>
        <translation>wählen Sie mindestens eine Form</translation>
    </message>
    <message>
        <source>choose at least one size</source>
        <translation>wählen Sie mindestens eine Größe</translation>
    </message>
    <message>
        <source>repetitions must be 1 to %1</source>
        <translation>Wiederholungen müssen 1 bis %1 sein</translation>
    </message>
    <message>
        <source>a file is measured as given: its shape is &quot;given&quot;</source>
        <translation>eine Datei wird so gemessen, wie sie ist: ihre Form ist „given“</translation>
    </message>
    <message>
        <source>the shape &quot;given&quot; is for a file (--input)</source>
        <translation>die Form „given“ ist für eine Datei (--input)</translation>
    </message>
    <message>
        <source>size %1 is outside 1 to 100,000</source>
        <translation>Größe %1 liegt außerhalb von 1 bis 100.000</translation>
    </message>
    <message>
        <source>size %1 is more than the file&apos;s %2 entries</source>
        <translation>Größe %1 ist mehr als die %2 Einträge der Datei</translation>
    </message>
    <message>
        <source>From (%1) lies above To (%2): choose sizes from the smaller to the larger</source>
        <translation>Von (%1) liegt über Bis (%2): wählen Sie die Größen von der kleineren zur größeren</translation>
    </message>
</context>
<context>
    <name>Predict</name>
    <message>
        <source>No gap encloses %1: dropped, %2.</source>
        <translation>Keine Lücke umschließt %1: verworfen, %2.</translation>
    </message>
    <message>
        <source>At the highest gap that encloses %1: %2.</source>
        <translation>An der höchsten Lücke, die %1 umschließt: %2.</translation>
    </message>
    <message>
        <source>At the first gap that encloses %1: %2.</source>
        <translation>An der ersten Lücke, die %1 umschließt: %2.</translation>
    </message>
    <message>
        <source> %1 gaps enclose %2: the highest one wins.</source>
        <translation> %1 Lücken umschließen %2: die höchste gewinnt.</translation>
    </message>
    <message>
        <source> %1 gaps enclose %2: the first one wins.</source>
        <translation> %1 Lücken umschließen %2: die erste gewinnt.</translation>
    </message>
    <message>
        <source>✓ Right: dropped, %1.</source>
        <translation>✓ Richtig: verworfen, %1.</translation>
    </message>
    <message>
        <source>✓ Right: %1</source>
        <translation>✓ Richtig: %1</translation>
    </message>
    <message>
        <source>✗ Not dropped. %1</source>
        <translation>✗ Nicht verworfen. %1</translation>
    </message>
    <message>
        <source>✗ At the gap you picked: %1. %2</source>
        <translation>✗ An der gewählten Lücke: %1. %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a list and a routine, then Load.</source>
        <translation>Wählen Sie eine Liste und eine Routine, dann Laden.</translation>
    </message>
    <message>
        <source>Entry %1 of %2: %3, key %4</source>
        <translation>Eintrag %1 von %2: %3, Schlüssel %4</translation>
    </message>
    <message>
        <source>, with %1</source>
        <translation>, mit %1</translation>
    </message>
    <message>
        <source>Done: the sentinels are removed.</source>
        <translation>Fertig: die Wächter sind entfernt.</translation>
    </message>
    <message>
        <source>The list starts with its two sentinels.</source>
        <translation>Die Liste beginnt mit ihren beiden Wächtern.</translation>
    </message>
    <message>
        <source>Dropped: %1.</source>
        <translation>Verworfen: %1.</translation>
    </message>
    <message>
        <source>Steps of each entry: 1 + the earlier entries with a larger key; a dropped entry tests every position</source>
        <translation>Schritte je Eintrag: 1 + die früheren Einträge mit größerem Schlüssel; ein verworfener Eintrag prüft jede Position</translation>
    </message>
    <message>
        <source>Steps of each entry: at most ⌊log₂(m + 1)⌋ + 1 for m entries placed</source>
        <translation>Schritte je Eintrag: höchstens ⌊log₂(m + 1)⌋ + 1 bei m platzierten Einträgen</translation>
    </message>
    <message>
        <source>Steps of each entry: 1 + the earlier entries with a smaller key; a dropped entry tests every position</source>
        <translation>Schritte je Eintrag: 1 + die früheren Einträge mit kleinerem Schlüssel; ein verworfener Eintrag prüft jede Position</translation>
    </message>
    <message>
        <source>Dropped (%1)</source>
        <translation>Verworfen (%1)</translation>
    </message>
    <message>
        <source>Result:       %1</source>
        <translation>Ergebnis:           %1</translation>
    </message>
    <message>
        <source>Stable sort: %1</source>
        <translation>Stabile Sortierung: %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Run %1: %2 on %3, %4</source>
        <translation>Lauf %1: %2 auf %3, %4</translation>
    </message>
    <message>
        <source>Cost model of %1: time = %2 ns × n + %3 ns × steps + %4 ns × shifted;
entries explain %5 %, steps %6 %, shifted entries %7 % of the time measured.</source>
        <translation>Kostenmodell von %1: Zeit = %2 ns × n + %3 ns × Schritte + %4 ns × Verschobene;
Einträge erklären %5 %, Schritte %6 %, verschobene Einträge %7 % der gemessenen Zeit.</translation>
    </message>
    <message>
        <source>n (entries)</source>
        <translation>n (Einträge)</translation>
    </message>
    <message>
        <source>reference slope: %1</source>
        <translation>Vergleichssteigung: %1</translation>
    </message>
    <message>
        <source>A line that grows as %1, for comparison</source>
        <translation>Eine Linie, die wie %1 wächst, zum Vergleich</translation>
    </message>
    <message>
        <source>: floor</source>
        <translation>: Basis</translation>
    </message>
    <message>
        <source>A standard stable sort, same result</source>
        <translation>Eine übliche stabile Sortierung, gleiches Ergebnis</translation>
    </message>
    <message>
        <source>band: the middle half of the repetitions; ☆ one far from the others, left out of the band</source>
        <translation>Band: die mittlere Hälfte der Wiederholungen; ☆ eine weit von den anderen, außerhalb des Bandes</translation>
    </message>
    <message>
        <source>Each line is the median of the repetitions at each n; the band runs from the lower to the upper quartile, and a star marks a repetition more than three median absolute deviations from the median</source>
        <translation>Jede Linie ist der Median der Wiederholungen bei jedem n; das Band reicht vom unteren bis zum oberen Quartil, und ein Stern markiert eine Wiederholung, die mehr als drei mittlere absolute Abweichungen vom Median entfernt liegt</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>%1, exact for ascending</source>
        <translation>%1, exakt für aufsteigend</translation>
    </message>
    <message>
        <source>n, exact for descending</source>
        <translation>n, exakt für absteigend</translation>
    </message>
    <message>
        <source>%1: %2 of %3 points on it</source>
        <translation>%1: %2 von %3 Punkten darauf</translation>
    </message>
    <message>
        <source>The law of the cost for distinct keys, as made inputs have them</source>
        <translation>Das Kostengesetz für verschiedene Schlüssel, wie erzeugte Eingaben sie haben</translation>
    </message>
    <message>
        <source>scan steps</source>
        <translation>Suchschritte</translation>
    </message>
    <message>
        <source>Median time over the floor&apos;s median time</source>
        <translation>Mittlere Zeit geteilt durch die mittlere Zeit der Basis</translation>
    </message>
    <message>
        <source>×1: as fast as the floor</source>
        <translation>×1: so schnell wie die Basis</translation>
    </message>
    <message>
        <source>time over the floor&apos;s</source>
        <translation>Zeit geteilt durch die der Basis</translation>
    </message>
    <message>
        <source>Nothing measured yet: choose what to measure, then Run (F5).</source>
        <translation>Noch nichts gemessen: Wählen Sie, was gemessen wird, dann Ausführen (F5).</translation>
    </message>
    <message>
        <source>The run shown is an order sweep at one size: read its cost against sortedness on the Order tab (Alt+D).</source>
        <translation>Der gezeigte Lauf ist ein Durchlauf über die Ordnung bei einer Größe: Lesen Sie seine Kosten gegen die Sortiertheit im Reiter Reihenfolge (Alt+F).</translation>
    </message>
    <message>
        <source>The run shown has no inputs of chosen sortedness: choose Sweep: Order, at one size, then Run (F5).</source>
        <translation>Der gezeigte Lauf hat keine Eingaben gewählter Sortiertheit: Wählen Sie Durchlauf: Ordnung, festes n, dann Ausführen (F5).</translation>
    </message>
    <message>
        <source>1 repetition</source>
        <translation>1 Wiederholung</translation>
    </message>
    <message>
        <source>%1 repetitions</source>
        <translation>%1 Wiederholungen</translation>
    </message>
    <message>
        <source>%1
n = %2
median %3; middle half %4 to %5
%6</source>
        <translation>%1
n = %2
Median %3; mittlere Hälfte %4 bis %5
%6</translation>
    </message>
    <message>
        <source>sortedness: ordered pairs ÷ all pairs (n = %1)</source>
        <translation>Sortiertheit: geordnete Paare ÷ alle Paare (n = %1)</translation>
    </message>
    <message>
        <source>time (median)</source>
        <translation>Zeit (Median)</translation>
    </message>
    <message>
        <source>law: steps = %1</source>
        <translation>Gesetz: Schritte = %1</translation>
    </message>
    <message>
        <source>Scanning from the low end: sorted input is the slow case</source>
        <translation>Suchlauf vom unteren Ende: sortierte Eingabe ist der langsame Fall</translation>
    </message>
    <message>
        <source>law: moves, and the high end&apos;s steps = %1</source>
        <translation>Gesetz: Bewegungen und die Schritte vom oberen Ende = %1</translation>
    </message>
    <message>
        <source>law: moves = %1</source>
        <translation>Gesetz: Bewegungen = %1</translation>
    </message>
    <message>
        <source>Walking down from the high end passes exactly the entries an insertion shifts</source>
        <translation>Der Weg vom oberen Ende hinab passiert genau die Einträge, die ein Einfügen verschiebt</translation>
    </message>
    <message>
        <source>bound: halving&apos;s steps ≤ %1</source>
        <translation>Schranke: Schritte der Halbierung ≤ %1</translation>
    </message>
    <message>
        <source>Halving the m + 1 gaps: order matters only to the moves</source>
        <translation>Halbieren der m + 1 Lücken: die Ordnung zählt nur für die Bewegungen</translation>
    </message>
    <message>
        <source>steps, %1</source>
        <translation>Schritte, %1</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Gaps the scan tested</source>
        <translation>Vom Suchlauf geprüfte Lücken</translation>
    </message>
    <message>
        <source>time, %1 (right axis)</source>
        <translation>Zeit, %1 (rechte Achse)</translation>
    </message>
    <message>
        <source>time (right axis)</source>
        <translation>Zeit (rechte Achse)</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>Bewegungen</translation>
    </message>
    <message>
        <source>Entries after each insertion point</source>
        <translation>Einträge nach jeder Einfügestelle</translation>
    </message>
    <message>
        <source>shifted: entries the list really moves</source>
        <translation>verschoben: Einträge, die die Liste wirklich bewegt</translation>
    </message>
    <message>
        <source>✓ identical to %1</source>
        <translation>✓ gleich %1</translation>
    </message>
    <message>
        <source>✗ differs from %1</source>
        <translation>✗ weicht ab von %1</translation>
    </message>
    <message>
        <source>Inserted into gap %1: it is list[%1] now.</source>
        <translation>In Lücke %1 eingefügt: jetzt list[%1].</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 points, from %2 to %3</source>
        <translation>%1 Punkte, von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 gegen %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>The key store moves the shorter side of a list under %1 entries an insertion, then about the square root of the list&apos;s size</source>
        <translation>Der Schlüsselspeicher bewegt je Einfügen die kürzere Seite einer Liste unter %1 Einträgen, danach etwa die Quadratwurzel der Listengröße</translation>
    </message>
</context>
<context>
    <name>Routines</name>
    <message>
        <source>%1 (variant)</source>
        <translation>%1 (Variante)</translation>
    </message>
    <message>
        <source>A routine of the demo</source>
        <translation>Eine Routine der Demo</translation>
    </message>
    <message>
        <source>A variant of SortNumbers, not a routine of the demo: %1</source>
        <translation>Eine Variante von SortNumbers, keine Routine der Demo: %1</translation>
    </message>
    <message>
        <source>scan from the high end</source>
        <translation>Suchlauf vom oberen Ende</translation>
    </message>
    <message>
        <source>binary search for the gap</source>
        <translation>binäre Suche nach der Lücke</translation>
    </message>
    <message>
        <source>the standard stable sort</source>
        <translation>der gewöhnlichen stabilen Sortierung</translation>
    </message>
    <message>
        <source>the stable sort with equal keys in reverse order</source>
        <translation>der stabilen Sortierung mit gleichen Schlüsseln in umgekehrter Reihenfolge</translation>
    </message>
    <message>
        <source>the stable sort keeping the first of each key</source>
        <translation>der stabilen Sortierung, die den ersten jedes Schlüssels behält</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>nothing was measured</source>
        <translation>nichts wurde gemessen</translation>
    </message>
    <message>
        <source>the %1 measurements before it are kept</source>
        <translation>die %1 Messungen davor bleiben erhalten</translation>
    </message>
    <message>
        <source>this run makes %1 measurements and takes %2</source>
        <translation>dieser Lauf macht %1 Messungen und dauert %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the stored %1 &quot;%2&quot; could not be used</source>
        <translation>der gespeicherte Wert für %1 „%2“ war nicht verwendbar</translation>
    </message>
    <message>
        <source>%1; made number texts are measured instead</source>
        <translation>%1; stattdessen werden erzeugte Zahltexte gemessen</translation>
    </message>
    <message>
        <source>a file is measured as given</source>
        <translation>eine Datei wird so gemessen, wie sie ist</translation>
    </message>
    <message>
        <source>made input is measured in the default shapes</source>
        <translation>erzeugte Eingabe wird in den voreingestellten Formen gemessen</translation>
    </message>
    <message>
        <source>the stored sizes pass the input&apos;s %1 entries</source>
        <translation>die gespeicherten Größen übersteigen die %1 Einträge der Eingabe</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>routines</source>
        <translation>Routinen</translation>
    </message>
    <message>
        <source>shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>repetitions</source>
        <translation>Wiederholungen</translation>
    </message>
</context>
<context>
    <name>Shapes</name>
    <message>
        <source>Pairs swapped</source>
        <translation>Vertauschte Paare</translation>
    </message>
    <message>
        <source>Run length</source>
        <translation>Länge der Läufe</translation>
    </message>
    <message>
        <source>Sawtooth teeth</source>
        <translation>Zähne des Sägezahns</translation>
    </message>
    <message>
        <source>Sortedness</source>
        <translation>Sortiertheit</translation>
    </message>
    <message>
        <source>about sqrt(n) distinct keys</source>
        <translation>etwa sqrt(n) verschiedene Schlüssel</translation>
    </message>
    <message>
        <source>ascending, 1 % swapped</source>
        <translation>aufsteigend, 1 % vertauscht</translation>
    </message>
    <message>
        <source>ascending, K random pairs swapped</source>
        <translation>aufsteigend, K zufällige Paare vertauscht</translation>
    </message>
    <message>
        <source>ascending runs of L keys in random order</source>
        <translation>aufsteigende Läufe von L Schlüsseln in zufälliger Reihenfolge</translation>
    </message>
    <message>
        <source>T ascending teeth, each spanning the whole range of keys</source>
        <translation>T aufsteigende Zähne, jeder über den ganzen Schlüsselbereich</translation>
    </message>
    <message>
        <source>ascending, then descending</source>
        <translation>aufsteigend, dann absteigend</translation>
    </message>
    <message>
        <source>a sortedness S from 0 to 1, reached exactly</source>
        <translation>eine Sortiertheit S von 0 bis 1, genau erreicht</translation>
    </message>
    <message>
        <source>a file&apos;s lines in their own order</source>
        <translation>die Zeilen einer Datei in ihrer eigenen Reihenfolge</translation>
    </message>
</context>
<context>
    <name>StepCounts</name>
    <message>
        <source>at most %1</source>
        <translation>höchstens %1</translation>
    </message>
    <message>
        <source>keys %1 of %2 (the sentinels&apos; among them) · steps %3 of %4 · placed %5 of %6 · dropped %7 of %8 · moves %9 of %10 · shifted %11</source>
        <translation>Schlüssel %1 von %2 (die der Wächter darunter) · Schritte %3 von %4 · platziert %5 von %6 · verworfen %7 von %8 · Bewegungen %9 von %10 · verschoben %11</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>fits</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>goes on</source>
        <translation>weiter</translation>
    </message>
    <message>
        <source>the typed list</source>
        <translation>die eingegebene Liste</translation>
    </message>
    <message>
        <source>the list has %1 entries; at most %2 can be stepped through</source>
        <translation>die Liste hat %1 Einträge; höchstens %2 lassen sich Schritt für Schritt durchgehen</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>low sentinel</source>
        <translation>unterer Wächter</translation>
    </message>
    <message>
        <source>high sentinel</source>
        <translation>oberer Wächter</translation>
    </message>
</context>
<context>
    <name>sentinel::ChartLegend</name>
    <message>
        <source>Legend: Space shows or hides the series under focus, arrows move</source>
        <translation>Legende: Leertaste zeigt oder verbirgt die Reihe im Fokus, Pfeiltasten bewegen</translation>
    </message>
</context>
<context>
    <name>sentinel::CodePanel</name>
    <message>
        <source>Code line %1 of %2: %3 — %4</source>
        <translation>Codezeile %1 von %2: %3 — %4</translation>
    </message>
    <message>
        <source>The routine&apos;s code</source>
        <translation>Der Code der Routine</translation>
    </message>
    <message>
        <source>Load a run to see its routine&apos;s code.</source>
        <translation>Laden Sie einen Lauf, um den Code seiner Routine zu sehen.</translation>
    </message>
    <message>
        <source>Code of %1</source>
        <translation>Code von %1</translation>
    </message>
</context>
<context>
    <name>sentinel::CostWindow</name>
    <message>
        <source>Sentinel insertion: cost explorer</source>
        <translation>Einfügen zwischen Wächtern: Kosten-Explorer</translation>
    </message>
    <message>
        <source>Charts and results</source>
        <translation>Diagramme und Ergebnisse</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Schritte</translation>
    </message>
    <message>
        <source>R&amp;atio</source>
        <translation>&amp;Verhältnis</translation>
    </message>
    <message>
        <source>Or&amp;der</source>
        <translation>Reihen&amp;folge</translation>
    </message>
    <message>
        <source>Res&amp;ults</source>
        <translation>&amp;Ergebnisse</translation>
    </message>
    <message>
        <source>Step throu&amp;gh</source>
        <translation>Schritt für Schri&amp;tt</translation>
    </message>
    <message>
        <source>Open a text file, one entry a line</source>
        <translation>Eine Textdatei öffnen, ein Eintrag je Zeile</translation>
    </message>
    <message>
        <source>Choose what to measure, then Run (F5).</source>
        <translation>Wählen Sie, was gemessen wird, dann Ausführen (F5).</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Input File…</source>
        <translation>Eingabedatei ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Export Results as &amp;CSV…</source>
        <translation>Ergebnisse als &amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Export the run shown</source>
        <translation>Den gezeigten Lauf exportieren</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG…</source>
        <translation>Diagramm als &amp;PNG exportieren…</translation>
    </message>
    <message>
        <source>Export the chart shown</source>
        <translation>Das gezeigte Diagramm exportieren</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Export Step-Through as C&amp;SV…</source>
        <translation>Schritt für Schritt als C&amp;SV exportieren…</translation>
    </message>
    <message>
        <source>Export every test of the run</source>
        <translation>Jeden Test des Laufs exportieren</translation>
    </message>
    <message>
        <source>Export Step-Through as &amp;GIF…</source>
        <translation>Schritt für Schritt als &amp;GIF exportieren…</translation>
    </message>
    <message>
        <source>A frame per test</source>
        <translation>Ein Bild je Test</translation>
    </message>
    <message>
        <source>A frame per entry</source>
        <translation>Ein Bild je Eintrag</translation>
    </message>
    <message>
        <source>Export the run as an animation</source>
        <translation>Den Lauf als Animation exportieren</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>GIF image (*.gif)</source>
        <translation>GIF-Bild (*.gif)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Messen</translation>
    </message>
    <message>
        <source>Restore &amp;Defaults…</source>
        <translation>&amp;Voreinstellungen wiederherstellen…</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Guide to This Tab</source>
        <translation>&amp;Anleitung zu diesem Reiter</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation>&amp;Übungen</translation>
    </message>
    <message>
        <source>&amp;About sentinel-cost</source>
        <translation>Ü&amp;ber sentinel-cost</translation>
    </message>
    <message>
        <source>About sentinel-cost</source>
        <translation>Über sentinel-cost</translation>
    </message>
    <message>
        <source>Put every setting of the plan back to its default? The results shown stay.</source>
        <translation>Jede Einstellung des Plans auf ihre Voreinstellung zurücksetzen? Die gezeigten Ergebnisse bleiben.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lese %1…</translation>
    </message>
    <message>
        <source>Not opened: %1</source>
        <translation>Nicht geöffnet: %1</translation>
    </message>
    <message>
        <source>Settings restored, except: %1.</source>
        <translation>Einstellungen wiederhergestellt, außer: %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Run a measurement to export its results</source>
        <translation>Führen Sie eine Messung aus, um ihre Ergebnisse zu exportieren</translation>
    </message>
    <message>
        <source>Wrote %1 rows of %2 to %3</source>
        <translation>%1 Zeilen von %2 nach %3 geschrieben</translation>
    </message>
    <message>
        <source>Load a run in Step through to export it</source>
        <translation>Laden Sie einen Lauf in Schritt für Schritt, um ihn zu exportieren</translation>
    </message>
    <message>
        <source>Wrote both panes&apos; %1 tests to %2</source>
        <translation>Die %1 Tests beider Hälften nach %2 geschrieben</translation>
    </message>
    <message>
        <source>Wrote %1 tests to %2</source>
        <translation>%1 Tests nach %2 geschrieben</translation>
    </message>
    <message>
        <source>Wrote %1 frames to %2</source>
        <translation>%1 Bilder nach %2 geschrieben</translation>
    </message>
    <message>
        <source>Wrote %1: %2</source>
        <translation>%1 geschrieben: %2</translation>
    </message>
    <message>
        <source>Choose a chart&apos;s tab to export it</source>
        <translation>Wählen Sie den Reiter eines Diagramms, um es zu exportieren</translation>
    </message>
    <message>
        <source>Wrote the chart to %1</source>
        <translation>Diagramm nach %1 geschrieben</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Time chart</source>
        <translation>Zeitdiagramm</translation>
    </message>
    <message>
        <source>Scan steps</source>
        <translation>Suchschritte</translation>
    </message>
    <message>
        <source>Steps chart</source>
        <translation>Schrittdiagramm</translation>
    </message>
    <message>
        <source>Time ÷ floor</source>
        <translation>Zeit ÷ Basis</translation>
    </message>
    <message>
        <source>Ratio chart</source>
        <translation>Verhältnisdiagramm</translation>
    </message>
    <message>
        <source>Cost against order</source>
        <translation>Kosten gegen Ordnung</translation>
    </message>
    <message>
        <source>Order chart</source>
        <translation>Ordnungsdiagramm</translation>
    </message>
    <message>
        <source>numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>fields that start with a number</source>
        <translation>Felder, die mit einer Zahl beginnen</translation>
    </message>
    <message>
        <source>words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Opened %1: %2 entries.</source>
        <translation>%1 geöffnet: %2 Einträge.</translation>
    </message>
    <message>
        <source>Its lines are %1: %2 is chosen to measure them.</source>
        <translation>Ihre Zeilen sind %1: %2 ist gewählt, um sie zu messen.</translation>
    </message>
    <message>
        <source>Run (F5) to measure it.</source>
        <translation>Ausführen (F5) misst sie.</translation>
    </message>
</context>
<context>
    <name>sentinel::ResultsModel</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>More than three median absolute deviations from the median of its %1 repetitions</source>
        <translation>Mehr als drei mittlere absolute Abweichungen vom Median seiner %1 Wiederholungen entfernt</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>What the entries are</source>
        <translation>Was die Einträge sind</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>The order of the input</source>
        <translation>Die Ordnung der Eingabe</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Entries sorted</source>
        <translation>Sortierte Einträge</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>The repetition, from 1</source>
        <translation>Die Wiederholung, ab 1</translation>
    </message>
    <message>
        <source>Time (µs)</source>
        <translation>Zeit (µs)</translation>
    </message>
    <message>
        <source>The routine alone, on a monotonic clock</source>
        <translation>Die Routine allein, auf einer monotonen Uhr</translation>
    </message>
    <message>
        <source>Floor (µs)</source>
        <translation>Basis (µs)</translation>
    </message>
    <message>
        <source>A standard stable sort giving the same result, on the same input</source>
        <translation>Eine übliche stabile Sortierung mit demselben Ergebnis, auf derselben Eingabe</translation>
    </message>
    <message>
        <source>Same result</source>
        <translation>Gleiches Ergebnis</translation>
    </message>
    <message>
        <source>Whether the routine&apos;s result is the floor&apos;s</source>
        <translation>Ob das Ergebnis der Routine das der Basis ist</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Keys read: n and the two sentinels&apos; (n + 2)</source>
        <translation>Gelesene Schlüssel: n und die der beiden Wächter (n + 2)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Positions the scan tested</source>
        <translation>Vom Suchlauf geprüfte Positionen</translation>
    </message>
    <message>
        <source>Placed</source>
        <translation>Platziert</translation>
    </message>
    <message>
        <source>Entries inserted</source>
        <translation>Eingefügte Einträge</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Verworfen</translation>
    </message>
    <message>
        <source>Entries dropped: a key equal to one placed, or beyond a sentinel</source>
        <translation>Verworfene Einträge: ein Schlüssel gleich einem platzierten oder jenseits eines Wächters</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Bewegungen</translation>
    </message>
    <message>
        <source>Entries after each insertion point</source>
        <translation>Einträge nach jeder Einfügestelle</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>The sortedness an order sweep asked for</source>
        <translation>Die Sortiertheit, nach der ein Durchlauf über die Ordnung fragte</translation>
    </message>
    <message>
        <source>Sortedness</source>
        <translation>Sortiertheit</translation>
    </message>
    <message>
        <source>Ordered pairs over all pairs</source>
        <translation>Geordnete Paare geteilt durch alle Paare</translation>
    </message>
    <message>
        <source>Ordered pairs</source>
        <translation>Geordnete Paare</translation>
    </message>
    <message>
        <source>Unordered pairs</source>
        <translation>Ungeordnete Paare</translation>
    </message>
    <message>
        <source>Steps predicted</source>
        <translation>Vorhergesagte Schritte</translation>
    </message>
    <message>
        <source>By the law of the cost, from the input alone</source>
        <translation>Nach dem Kostengesetz, allein aus der Eingabe</translation>
    </message>
    <message>
        <source>Moves predicted</source>
        <translation>Vorhergesagte Bewegungen</translation>
    </message>
    <message>
        <source>Shifted</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>Entries the list really moved</source>
        <translation>Einträge, die die Liste wirklich bewegt hat</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>The vector width the scan ran at</source>
        <translation>Die Vektorbreite, mit der der Suchlauf lief</translation>
    </message>
    <message>
        <source>Median (µs)</source>
        <translation>Median (µs)</translation>
    </message>
    <message>
        <source>Of the repetitions at this routine, shape and n</source>
        <translation>Der Wiederholungen bei dieser Routine, Form und n</translation>
    </message>
    <message>
        <source>Spread (µs)</source>
        <translation>Streuung (µs)</translation>
    </message>
    <message>
        <source>The fewest to the most seconds of the repetitions</source>
        <translation>Die wenigsten bis meisten Sekunden der Wiederholungen</translation>
    </message>
    <message>
        <source>CSV column: %1</source>
        <translation>CSV-Spalte: %1</translation>
    </message>
    <message>
        <source>%1.
CSV column: %2</source>
        <translation>%1.
CSV-Spalte: %2</translation>
    </message>
</context>
<context>
    <name>sentinel::ResultsTable</name>
    <message>
        <source>Results table</source>
        <translation>Ergebnistabelle</translation>
    </message>
    <message>
        <source>No measurements yet: choose what to measure on the left, then Run (F5).</source>
        <translation>Noch keine Messungen: Wählen Sie links, was gemessen wird, dann Ausführen (F5).</translation>
    </message>
</context>
<context>
    <name>sentinel::RunControl</name>
    <message>
        <source>

Run it?</source>
        <translation>

Ausführen?</translation>
    </message>
    <message>
        <source>Shown: %1, measured at start. Choose what to measure, then Run (F5).</source>
        <translation>Gezeigt: %1, beim Start gemessen. Wählen Sie, was gemessen wird, dann Ausführen (F5).</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Breche ab…</translation>
    </message>
    <message>
        <source>%1
measurement %2 of %3; %4 left</source>
        <translation>%1
Messung %2 von %3; noch %4</translation>
    </message>
    <message>
        <source>Cancelled after %1 measurements; they are kept as %2.</source>
        <translation>Abgebrochen nach %1 Messungen; sie bleiben als %2.</translation>
    </message>
    <message>
        <source>Cancelled before any measurement; the results shown stay.</source>
        <translation>Vor jeder Messung abgebrochen; die gezeigten Ergebnisse bleiben.</translation>
    </message>
    <message>
        <source>Done: %1 measurements; %2; scanned at %3.</source>
        <translation>Fertig: %1 Messungen; %2; Suchlauf mit %3.</translation>
    </message>
    <message>
        <source>every result is identical to the floor&apos;s</source>
        <translation>jedes Ergebnis gleicht dem der Basis</translation>
    </message>
    <message>
        <source>%1 results differ from the floor&apos;s</source>
        <translation>%1 Ergebnisse weichen von denen der Basis ab</translation>
    </message>
    <message>
        <source>Within %1 s, by the cost model:
%2</source>
        <translation>Innerhalb von %1 s, nach dem Kostenmodell:
%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: the cost model does not explain the time (R² %2)</source>
        <translation>%1: das Kostenmodell erklärt die Zeit nicht (R² %2)</translation>
    </message>
    <message>
        <source>%1: n = %2 (R² %3)</source>
        <translation>%1: n = %2 (R² %3)</translation>
    </message>
    <message>
        <source>%1: n = %2, extrapolated %3 times past the %4 measured (R² %5)</source>
        <translation>%1: n = %2, %3-mal über die gemessenen %4 hinaus hochgerechnet (R² %5)</translation>
    </message>
    <message>
        <source>This run makes %1 measurements and takes %2, give or take a factor of two.</source>
        <translation>Dieser Lauf macht %1 Messungen und dauert %2, bis auf einen Faktor zwei.</translation>
    </message>
    <message>
        <source>%1, %2, n = %3, run %4 of %5</source>
        <translation>%1, %2, n = %3, Lauf %4 von %5</translation>
    </message>
</context>
<context>
    <name>sentinel::RunStatus</name>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Measure the plan (F5)</source>
        <translation>Den Plan messen (F5)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop the run; what it measured is kept (Esc)</source>
        <translation>Den Lauf anhalten; was er gemessen hat, bleibt (Esc)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Run shown</source>
        <translation>Gezeigter Lauf</translation>
    </message>
    <message>
        <source>Run laid over it</source>
        <translation>Darübergelegter Lauf</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Time budget</source>
        <translation>Zeitbudget</translation>
    </message>
    <message>
        <source>The largest n each routine sorts within this time, from the cost model of the run shown</source>
        <translation>Das größte n, das jede Routine in dieser Zeit sortiert, nach dem Kostenmodell des gezeigten Laufs</translation>
    </message>
    <message>
        <source>Shown ru&amp;n</source>
        <translation>Gezeigter &amp;Lauf</translation>
    </message>
    <message>
        <source>Laid o&amp;ver</source>
        <translation>Darüber&amp;gelegt</translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation>B&amp;udget</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
</context>
<context>
    <name>sentinel::SettingsPanel</name>
    <message>
        <source>Routines</source>
        <translation>Routinen</translation>
    </message>
    <message>
        <source>Input kind</source>
        <translation>Art der Eingabe</translation>
    </message>
    <message>
        <source>Number texts, as CreateNumber makes them</source>
        <translation>Zahltexte, wie CreateNumber sie erzeugt</translation>
    </message>
    <message>
        <source>Four-capital words, as CreateString makes them</source>
        <translation>Wörter aus vier Großbuchstaben, wie CreateString sie erzeugt</translation>
    </message>
    <message>
        <source>Op&amp;en file…</source>
        <translation>Datei &amp;öffnen…</translation>
    </message>
    <message>
        <source>Open file…</source>
        <translation>Datei öffnen…</translation>
    </message>
    <message>
        <source>Measure a text file, one entry a line</source>
        <translation>Eine Textdatei messen, ein Eintrag je Zeile</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Durchlauf</translation>
    </message>
    <message>
        <source>Sizes, doubling</source>
        <translation>Größen, verdoppelt</translation>
    </message>
    <message>
        <source>Order, at one size</source>
        <translation>Ordnung, festes n</translation>
    </message>
    <message>
        <source>Levels of sortedness</source>
        <translation>Stufen der Sortiertheit</translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>S&amp;weep</source>
        <translation>Dur&amp;chlauf</translation>
    </message>
    <message>
        <source>Fr&amp;om</source>
        <translation>V&amp;on</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>B&amp;is</translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation>Stufe&amp;n</translation>
    </message>
    <message>
        <source>Re&amp;petitions</source>
        <translation>&amp;Wiederholungen</translation>
    </message>
    <message>
        <source>The one size n of the order sweep</source>
        <translation>Die eine Größe n des Durchlaufs über die Ordnung</translation>
    </message>
    <message>
        <source>File: %1 (%2 entries)</source>
        <translation>Datei: %1 (%2 Einträge)</translation>
    </message>
    <message>
        <source>Number texts (CreateNumber)</source>
        <translation>Zahltexte (CreateNumber)</translation>
    </message>
    <message>
        <source>Words (CreateString)</source>
        <translation>Wörter (CreateString)</translation>
    </message>
    <message>
        <source>Vector texts x,y,z (field 0)</source>
        <translation>Vektortexte x,y,z (Feld 0)</translation>
    </message>
    <message>
        <source>Vector texts &quot;x,y,z&quot;, keyed on field 0</source>
        <translation>Vektortexte „x,y,z“, Schlüssel aus Feld 0</translation>
    </message>
    <message>
        <source>Numbers with companions</source>
        <translation>Zahlen mit Begleitern</translation>
    </message>
    <message>
        <source>Whole numbers, each with a text of a companion list</source>
        <translation>Ganze Zahlen, jede mit einem Text einer Begleitliste</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Kleinstes n</translation>
    </message>
    <message>
        <source>Largest size</source>
        <translation>Größtes n</translation>
    </message>
    <message>
        <source>Add a shape like this one</source>
        <translation>Eine Form wie diese hinzufügen</translation>
    </message>
    <message>
        <source>Offer the shape chosen once more, with a parameter of its own</source>
        <translation>Die gewählte Form noch einmal anbieten, mit eigenem Parameter</translation>
    </message>
    <message>
        <source>Remove this shape</source>
        <translation>Diese Form entfernen</translation>
    </message>
    <message>
        <source>Remove the shape chosen from the list</source>
        <translation>Die gewählte Form aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Choose a shape with a parameter in the list to set it here</source>
        <translation>Wählen Sie in der Liste eine Form mit Parameter, um ihn hier einzustellen</translation>
    </message>
</context>
<context>
    <name>sentinel::StepControls</name>
    <message>
        <source>Step back one entry</source>
        <translation>Einen Eintrag zurück</translation>
    </message>
    <message>
        <source>Back one entry (Up or Page Up)</source>
        <translation>Einen Eintrag zurück (Hoch oder Bild hoch)</translation>
    </message>
    <message>
        <source>Step back one test</source>
        <translation>Einen Test zurück</translation>
    </message>
    <message>
        <source>Back one test (Left)</source>
        <translation>Einen Test zurück (Links)</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Abspielen oder anhalten</translation>
    </message>
    <message>
        <source>Play or pause (Space)</source>
        <translation>Abspielen oder anhalten (Leertaste)</translation>
    </message>
    <message>
        <source>Step one test</source>
        <translation>Einen Test weiter</translation>
    </message>
    <message>
        <source>One test (Right)</source>
        <translation>Ein Test (Rechts)</translation>
    </message>
    <message>
        <source>Step one entry</source>
        <translation>Einen Eintrag weiter</translation>
    </message>
    <message>
        <source>One entry (Down or Page Down)</source>
        <translation>Ein Eintrag (Runter oder Bild runter)</translation>
    </message>
    <message>
        <source>&amp;Predict</source>
        <translation>Vorhersa&amp;gen</translation>
    </message>
    <message>
        <source>Predict mode</source>
        <translation>Vorhersagemodus</translation>
    </message>
    <message>
        <source>Say where each entry goes before it is placed</source>
        <translation>Sagen Sie, wohin jeder Eintrag kommt, bevor er platziert wird</translation>
    </message>
    <message>
        <source>Dropped (D)</source>
        <translation>Verworfen (D)</translation>
    </message>
    <message>
        <source>Answer: dropped</source>
        <translation>Antwort: verworfen</translation>
    </message>
    <message>
        <source>The entry fits no gap: it is dropped (D)</source>
        <translation>Der Eintrag passt in keine Lücke: er wird verworfen (D)</translation>
    </message>
    <message>
        <source>Sho&amp;w code</source>
        <translation>Code &amp;anzeigen</translation>
    </message>
    <message>
        <source>Show the routine&apos;s code</source>
        <translation>Den Code der Routine zeigen</translation>
    </message>
    <message>
        <source>The routine&apos;s code beside the list, its line lit</source>
        <translation>Der Code der Routine neben der Liste, seine Zeile hervorgehoben</translation>
    </message>
    <message>
        <source>Speed, steps a second</source>
        <translation>Tempo, Schritte je Sekunde</translation>
    </message>
    <message>
        <source>1 step a second</source>
        <translation>1 Schritt je Sekunde</translation>
    </message>
    <message>
        <source>%1 steps a second</source>
        <translation>%1 Schritte je Sekunde</translation>
    </message>
    <message>
        <source>Position in the run</source>
        <translation>Position im Lauf</translation>
    </message>
    <message>
        <source>Predict mode is for one run: choose Nothing under Race beside it, then Load</source>
        <translation>Der Vorhersagemodus ist für einen Lauf: Wählen Sie Nichts unter Wettlauf daneben, dann Laden</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
</context>
<context>
    <name>sentinel::StepPane</name>
    <message>
        <source>The list being built</source>
        <translation>Die entstehende Liste</translation>
    </message>
    <message>
        <source>%1: the list being built</source>
        <translation>%1: die entstehende Liste</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>sentinel::StepSource</name>
    <message>
        <source>List to step through</source>
        <translation>Liste zum Durchgehen</translation>
    </message>
    <message>
        <source>The demo&apos;s 21 start-up vectors</source>
        <translation>Die 21 Startvektoren der Demo</translation>
    </message>
    <message>
        <source>A short random list</source>
        <translation>Eine kurze Zufallsliste</translation>
    </message>
    <message>
        <source>A list you type or paste</source>
        <translation>Eine Liste, die Sie eingeben oder einfügen</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <source>Field index</source>
        <translation>Feldindex</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>Lade&amp;n</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Record the routine&apos;s run on this list</source>
        <translation>Den Lauf der Routine auf dieser Liste aufzeichnen</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>fi&amp;eld</source>
        <translation>Feld&amp;index</translation>
    </message>
    <message>
        <source>&amp;Routine</source>
        <translation>&amp;Routine</translation>
    </message>
    <message>
        <source>Ra&amp;ce beside it</source>
        <translation>&amp;Wettlauf daneben</translation>
    </message>
    <message>
        <source>Kind of random list</source>
        <translation>Art der Zufallsliste</translation>
    </message>
    <message>
        <source>Shape of random list</source>
        <translation>Form der Zufallsliste</translation>
    </message>
    <message>
        <source>Entries in random list</source>
        <translation>Einträge der Zufallsliste</translation>
    </message>
    <message>
        <source>Typed list, one entry a line</source>
        <translation>Eingegebene Liste, ein Eintrag je Zeile</translation>
    </message>
    <message>
        <source>One entry a line, at most 60</source>
        <translation>Ein Eintrag je Zeile, höchstens 60</translation>
    </message>
    <message>
        <source>21 vector texts, keyed on field 0; the paired routines take the 21 start-up numbers as keys and the texts as companion.</source>
        <translation>21 Vektortexte, nach Feld 0 sortiert; die Paar-Routinen nehmen die 21 Startzahlen als Schlüssel und die Texte als Begleiter.</translation>
    </message>
    <message>
        <source>Race beside it</source>
        <translation>Wettlauf daneben</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Another routine</source>
        <translation>Eine andere Routine</translation>
    </message>
    <message>
        <source>The same routine on the list reversed</source>
        <translation>Dieselbe Routine auf der umgekehrten Liste</translation>
    </message>
    <message>
        <source>The same routine on the list in ascending key order</source>
        <translation>Dieselbe Routine auf der Liste in aufsteigender Schlüsselordnung</translation>
    </message>
    <message>
        <source>Routine of the race&apos;s right pane</source>
        <translation>Routine der rechten Hälfte des Wettlaufs</translation>
    </message>
    <message>
        <source>%1 on the list reversed</source>
        <translation>%1 auf der umgekehrten Liste</translation>
    </message>
    <message>
        <source>%1 on the list in ascending key order</source>
        <translation>%1 auf der Liste in aufsteigender Schlüsselordnung</translation>
    </message>
</context>
<context>
    <name>sentinel::StepView</name>
    <message>
        <source>%1 cannot take this list: %2</source>
        <translation>%1 kann diese Liste nicht nehmen: %2</translation>
    </message>
    <message>
        <source>Left pane, %1</source>
        <translation>Linke Hälfte, %1</translation>
    </message>
    <message>
        <source>Right pane, %1</source>
        <translation>Rechte Hälfte, %1</translation>
    </message>
    <message>
        <source>Where does %1 go? Gap %2 of %3, between %4 and %5: Left and Right choose a gap, Return confirms, D says dropped.</source>
        <translation>Wohin kommt %1? Lücke %2 von %3, zwischen %4 und %5: Links und Rechts wählen eine Lücke, Eingabe bestätigt, D sagt verworfen.</translation>
    </message>
    <message>
        <source> Right or Return goes on.</source>
        <translation> Rechts oder Eingabe geht weiter.</translation>
    </message>
</context>
</TS>

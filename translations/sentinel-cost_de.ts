<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Animation</name>
    <message>
        <source>a frame per test would make %1 frames, more than the %2 an animation may have: made a frame per entry instead (%3 frames)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Drops</name>
    <message>
        <source>all %1 keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lie above the high sentinel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lie below the low sentinel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equal a sentinel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2 keeps only keys between %3 and %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2 keeps only keys from %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below the low sentinel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above the high sentinel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equal to a sentinel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key already placed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>under a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 holds more than 100,000 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: line %2 is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file (a device, a pipe or a socket): open a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, the most a file of entries may hold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the run; what it measured is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an input file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the run shown as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the chart shown as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The guide to the tab in view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tab, control or menu whose underlined letter it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next or the previous control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom to the rectangle, or out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart legends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry above or below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the entry&apos;s series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by the current column, ascending or descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select every row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected rows with their header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One test on or back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One entry on or back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run&apos;s start or end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on after a verdict, as Right does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predict mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the gap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer: the gap chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer: dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;&lt;a name=&quot;time&quot;&gt;&lt;/a&gt;Time&lt;/h2&gt;&lt;p&gt;Each line is a routine on one input shape: the median time of the repetitions at each size n, a band over the middle half of the repetitions (one far from the others is a star, left out of the band), and its floor dashed with hollow markers: a standard stable sort that gives the identical result. Both axes are logarithmic, so a power law n&lt;sup&gt;b&lt;/sup&gt; is a straight line whose slope is b; the legend gives b with its 95 % interval and R², and faint reference slopes of n, n log n and n² to read it against.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;steps&quot;&gt;&lt;/a&gt;Steps&lt;/h2&gt;&lt;p&gt;The positions the scan tested. The law of the cost is exact: steps = n + A, where A counts the pairs of entries already in order. Ascending input costs n(n+1)/2 steps and descending n, dotted on top; the legend says how many measured points lie on them.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;ratio&quot;&gt;&lt;/a&gt;Ratio&lt;/h2&gt;&lt;p&gt;Each routine&apos;s median time over its floor&apos;s. A line that rises with n grows faster than the floor&apos;s n log n.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;order&quot;&gt;&lt;/a&gt;Order&lt;/h2&gt;&lt;p&gt;After an order sweep: steps, moves and entries really shifted against the input&apos;s sortedness s, the share of pairs in order, beside the law&apos;s lines steps = n + s·n(n−1)/2 and moves = n + (1−s)·n(n−1)/2. The scan starts at the low end, so sorted input, where every entry goes last, is the slow case. Measure the variants too and their steps appear beside: the scan from the high end costs n + (1−s)·n(n−1)/2, on the moves&apos; line, so the two cross at s = 0.5; halving stays under a flat bound, and order matters to it only through the moves.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;results&quot;&gt;&lt;/a&gt;Results&lt;/h2&gt;&lt;p&gt;Every measurement of the run shown, with its order and the law&apos;s prediction, the median and spread of its repetitions, and a repetition far from the others flagged ⚑. A result that differs from the floor&apos;s, or counts that differ from the law&apos;s, would be red: a fault of this program.&lt;/p&gt;&lt;h2&gt;&lt;a name=&quot;step-through&quot;&gt;&lt;/a&gt;Step through&lt;/h2&gt;&lt;p&gt;One run on a short list: the list being built between its sentinels, the two cells under test and the test written out, the entry placed (+) or dropped (−) with its reason, and the counts so far beside the law&apos;s totals. In predict mode you say where each entry goes first; a verdict is marked ✓ or ✗. A race steps a second run beside the first. Beside each list, the routine&apos;s code: the line of the moment lit and marked ▶, with the entry, its key, the gap&apos;s two keys and the counts so far; Show code hides it.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Predict, then check&lt;/h2&gt;&lt;p&gt;Each answer follows from the law of the cost. Say yours first, then check it in the explorer.&lt;/p&gt;&lt;ol&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;Which input makes SortNumbersUnique drop the most?&lt;/b&gt; Check: measure it on every shape at n = 1,000 and read the Results tab&apos;s dropped column.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Answer:&lt;/i&gt; equal keys. Every entry after the first finds its key placed: 999 drops, each after m + 1 = 2 steps, as only one entry is ever placed: 1 + 2 × 999 = 1,999 steps.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;At what sortedness do the scans from the low end and from the high end cost the same?&lt;/b&gt; Check: an order sweep of SortNumbers and SortNumbersFromHigh, on the Order tab.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Answer:&lt;/i&gt; s = 0.5, where n + s·n(n−1)/2 = n + (1−s)·n(n−1)/2.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;How many steps do SortNumbers and SortNumbersFromHigh take on 1,000 ascending keys?&lt;/b&gt; Check: the Steps tab or the Results tab.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Answer:&lt;/i&gt; 500,500 = n(n+1)/2 and 1,000 = n: every entry is the largest so far, at the far end from the low sentinel and next to the high one.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;On 1,000 equal keys, both scans take 1,000 steps. Which shifts more?&lt;/b&gt; Check: the moves column of the Results tab.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Answer:&lt;/i&gt; the scan from the low end: each entry goes before the equal keys placed, 500,500 moves in all; from the high end each goes after them, one move each, 1,000.&lt;/p&gt;&lt;/li&gt;&lt;li&gt;&lt;p&gt;&lt;b&gt;On the 21 start-up vectors, what bound does the law put on the gaps SortNumbersBinary tests for one entry?&lt;/b&gt; Check: step through it; the strip of steps shows each entry&apos;s.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Answer:&lt;/i&gt; 5. The 21st entry meets at most 20 placed entries, 21 gaps, and halving 21 gaps takes at most ⌊log₂ 21⌋ + 1 = 5 tests. The strip shows at most 4: a bound need not be reached.&lt;/p&gt;&lt;/li&gt;&lt;/ol&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;sentinel-cost %1&lt;/h2&gt;&lt;p&gt;How the cost of sorting by sentinel insertion grows with size and input order.&lt;/p&gt;&lt;p&gt;Free software under the GNU General Public License, version 3 or any later version: you may share and change it under its terms. It comes with no warranty.&lt;/p&gt;&lt;p&gt;The manual: &lt;tt&gt;man sentinel-cost&lt;/tt&gt;, and &lt;tt&gt;sentinel-cost --help&lt;/tt&gt;. The source, and its README, come with the program&apos;s source package.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the explorer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrderChart</name>
    <message>
        <source>scan from the low end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scan from the high end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>halving</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>choose at least one routine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose at least one shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose at least one size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repetitions must be 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file is measured as given: its shape is &quot;given&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the shape &quot;given&quot; is for a file (--input)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>size %1 is outside 1 to 100,000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>size %1 is more than the file&apos;s %2 entries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Predict</name>
    <message>
        <source>No gap encloses %1: dropped, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the highest gap that encloses %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the first gap that encloses %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 gaps enclose %2: the highest one wins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 gaps enclose %2: the first one wins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ Right: dropped, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ Right: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✗ Not dropped. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✗ At the gap you picked: %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a list and a routine, then Load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1 of %2: %3, key %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: the sentinels are removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list starts with its two sentinels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserted after position %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps of each entry: 1 + the earlier entries with a larger key; a dropped entry tests every position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps of each entry: at most ⌊log₂(m + 1)⌋ + 1 for m entries placed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps of each entry: 1 + the earlier entries with a smaller key; a dropped entry tests every position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result:       %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stable sort: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓ identical to the standard stable sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✗ differs from the stable sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run %1: %2 on %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost model of %1: time = %2 ns × n + %3 ns × steps + %4 ns × shifted;
entries explain %5 %, steps %6 %, shifted entries %7 % of the time measured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n (entries)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reference slope: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A line that grows as %1, for comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A standard stable sort, same result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>band: the middle half of the repetitions; ☆ one far from the others, left out of the band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each line is the median of the repetitions at each n; the band runs from the lower to the upper quartile, and a star marks a repetition more than three median absolute deviations from the median</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, exact for ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n, exact for descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3 points on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The law of the cost for distinct keys, as made inputs have them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scan steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median time over the floor&apos;s median time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>×1: as fast as the floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time over the floor&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing measured yet: choose what to measure, then Run (F5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run shown is an order sweep at one size: read its cost against sortedness on the Order tab (Alt+D).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run shown has no inputs of chosen sortedness: choose Sweep: Order, at one size, then Run (F5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 repetition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 repetitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
n = %2
median %3; middle half %4 to %5
%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time ÷ floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ratio chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost against order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sortedness: ordered pairs ÷ all pairs (n = %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>steps, moves, entries shifted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time (median)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>law: steps = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning from the low end: sorted input is the slow case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>law: moves, and the high end&apos;s steps = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>law: moves = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walking down from the high end passes exactly the entries an insertion shifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bound: halving&apos;s steps ≤ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halving the m + 1 gaps: order matters only to the moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>steps, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaps the scan tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time, %1 (right axis)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time (right axis)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries after each insertion point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shifted: entries the list really moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key store moves about the square root of the list&apos;s size an insertion</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Routines</name>
    <message>
        <source>%1 (variant)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A routine of the demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A variant of SortNumbers, not a routine of the demo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scan from the high end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>binary search for the gap</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the stored %1 &quot;%2&quot; could not be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; made number texts are measured instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file is measured as given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>made input is measured in the default shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stored sizes pass the input&apos;s %1 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>routines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repetitions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepCounts</name>
    <message>
        <source>at most %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keys %1 of %2 · steps %3 of %4 · placed %5 of %6 · dropped %7 of %8 · moves %9 of %10 · shifted %11</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>fits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>goes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the typed list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list has %1 entries; at most %2 can be stepped through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low sentinel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high sentinel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::ChartLegend</name>
    <message>
        <source>Legend: Space shows or hides the series under focus, arrows move</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::CodePanel</name>
    <message>
        <source>Code line %1 of %2: %3 — %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The routine&apos;s code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a run to see its routine&apos;s code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::CostWindow</name>
    <message>
        <source>Sentinel insertion: cost explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts and results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;atio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or&amp;der</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res&amp;ults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step throu&amp;gh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a text file, one entry a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what to measure, then Run (F5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Input File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Results as &amp;CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the run shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the chart shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Step-Through as C&amp;SV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export every test of the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Step-Through as &amp;GIF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A frame per test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A frame per entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the run as an animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF image (*.gif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore &amp;Defaults…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Guide to This Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About sentinel-cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About sentinel-cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put every setting of the plan back to its default? The results shown stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened %1: %2 entries. Run (F5) to measure it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This run takes %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Run it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown: %1, measured at start. Choose what to measure, then Run (F5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
measurement %2 of %3; %4 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1 measurements; %2; scanned at %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every result is identical to the floor&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 results differ from the floor&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled after %1 measurements; they are kept as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled before any measurement; the results shown stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped after %1 measurements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: n = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Within %1 s, by the cost model:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings restored, except: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run a measurement to export its results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 rows of %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a run in Step through to export it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote both panes&apos; %1 tests to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 tests to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 frames to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a chart&apos;s tab to export it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote the chart to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::ResultsModel</name>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than three median absolute deviations from the median of its %1 repetitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the entries are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order of the input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries sorted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repetition, from 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time (µs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The routine alone, on a monotonic clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor (µs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A standard stable sort giving the same result, on the same input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the routine&apos;s result is the floor&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys read: n and the two sentinels&apos; (n + 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions the scan tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries inserted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries dropped: a key equal to one placed, or beyond a sentinel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries after each insertion point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sortedness an order sweep asked for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sortedness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered pairs over all pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unordered pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps predicted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By the law of the cost, from the input alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves predicted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shifted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries the list really moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vector width the scan ran at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median (µs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Of the repetitions at this routine, shape and n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spread (µs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fewest to the most seconds of the repetitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV column: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.
CSV column: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::ResultsTable</name>
    <message>
        <source>Results table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::RunStatus</name>
    <message>
        <source>&amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure the plan (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the run; what it measured is kept (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run laid over it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest n each routine sorts within this time, from the cost model of the run shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown ru&amp;n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laid o&amp;ver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::SettingsPanel</name>
    <message>
        <source>Routines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number texts, as CreateNumber makes them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four-capital words, as CreateString makes them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vector texts &quot;x,y,z&quot; (field 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole numbers with a companion list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Op&amp;en file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure a text file, one entry a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sortedness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sorted:S, the share of pairs in order, from 0 (descending) to 1 (ascending)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sorted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sizes, doubling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order, at one size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels of sortedness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repetitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;weep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr&amp;om</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;petitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The one size n of the order sweep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1 (%2 entries)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::StepControls</name>
    <message>
        <source>Step back one entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back one entry (Up or Page Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step back one test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back one test (Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play or pause (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step one test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One test (Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step one entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One entry (Down or Page Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Predict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predict mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say where each entry goes before it is placed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped (D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer: dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry fits no gap: it is dropped (D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sho&amp;w code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the routine&apos;s code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The routine&apos;s code beside the list, its line lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed, steps a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 step a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 steps a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position in the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predict mode is for one run: choose Nothing under Race beside it, then Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::StepPane</name>
    <message>
        <source>The list being built</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the list being built</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::StepSource</name>
    <message>
        <source>List to step through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The demo&apos;s 21 start-up vectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short random list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A list you type or paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record the routine&apos;s run on this list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fi&amp;eld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Routine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ra&amp;ce beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind of random list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape of random list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries in random list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typed list, one entry a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One entry a line, at most 60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21 vector texts, keyed on field 0; the paired routines take the 21 start-up numbers as keys and the texts as companion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another routine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same routine on the list reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same routine on the list in ascending key order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routine of the race&apos;s right pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on the list reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on the list in ascending key order</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sentinel::StepView</name>
    <message>
        <source>%1 cannot take this list: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left pane, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right pane, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where does %1 go? Gap %2 of %3, between %4 and %5: Left and Right choose a gap, Return confirms, D says dropped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Right or Return goes on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

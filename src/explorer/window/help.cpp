// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/window/help.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <array>

#include "runtime/project_version.h"

namespace sentinel {
namespace {

// Translated where shown: the table is data, its texts marked for the translator.
constexpr HelpKey kKeys[] = {
    {QT_TRANSLATE_NOOP("Help", "Everywhere"), "F5", QT_TRANSLATE_NOOP("Help", "Run the plan")},
    {QT_TRANSLATE_NOOP("Help", "Everywhere"), "Esc", QT_TRANSLATE_NOOP("Help", "Cancel the run; what it measured is kept")},
    {QT_TRANSLATE_NOOP("Help", "Everywhere"), "Ctrl+O", QT_TRANSLATE_NOOP("Help", "Open an input file")},
    {QT_TRANSLATE_NOOP("Help", "Everywhere"), "Ctrl+E", QT_TRANSLATE_NOOP("Help", "Export the run shown as CSV")},
    {QT_TRANSLATE_NOOP("Help", "Everywhere"), "Ctrl+Shift+E", QT_TRANSLATE_NOOP("Help", "Export the chart shown as PNG")},
    {QT_TRANSLATE_NOOP("Help", "Everywhere"), "Ctrl+Q", QT_TRANSLATE_NOOP("Help", "Quit")},
    {QT_TRANSLATE_NOOP("Help", "Everywhere"), "F1", QT_TRANSLATE_NOOP("Help", "The guide to the tab in view")},
    {QT_TRANSLATE_NOOP("Help", "Everywhere"), "Alt+letter",
     QT_TRANSLATE_NOOP("Help", "The tab, control or menu whose underlined letter it is")},
    {QT_TRANSLATE_NOOP("Help", "Everywhere"), "Tab, Shift+Tab", QT_TRANSLATE_NOOP("Help", "The next or the previous control")},
    {QT_TRANSLATE_NOOP("Help", "Charts"), "Wheel", QT_TRANSLATE_NOOP("Help", "Zoom in or out")},
    {QT_TRANSLATE_NOOP("Help", "Charts"), "Drag, right click", QT_TRANSLATE_NOOP("Help", "Zoom to the rectangle, or out")},
    {QT_TRANSLATE_NOOP("Help", "Charts"), "Ctrl+0", QT_TRANSLATE_NOOP("Help", "Undo the zoom")},
    {QT_TRANSLATE_NOOP("Help", "Chart legends"), "Up, Down", QT_TRANSLATE_NOOP("Help", "The entry above or below")},
    {QT_TRANSLATE_NOOP("Help", "Chart legends"), "Space", QT_TRANSLATE_NOOP("Help", "Show or hide the entry's series")},
    {QT_TRANSLATE_NOOP("Help", "Results"), "Ctrl+Up, Ctrl+Down",
     QT_TRANSLATE_NOOP("Help", "Sort by the current column, ascending or descending")},
    {QT_TRANSLATE_NOOP("Help", "Results"), "Ctrl+A", QT_TRANSLATE_NOOP("Help", "Select every row")},
    {QT_TRANSLATE_NOOP("Help", "Results"), "Ctrl+C", QT_TRANSLATE_NOOP("Help", "Copy the selected rows with their header")},
    {QT_TRANSLATE_NOOP("Help", "Step through"), "Space", QT_TRANSLATE_NOOP("Help", "Play or pause")},
    {QT_TRANSLATE_NOOP("Help", "Step through"), "Right, Left", QT_TRANSLATE_NOOP("Help", "One test on or back")},
    {QT_TRANSLATE_NOOP("Help", "Step through"), "Down, Up", QT_TRANSLATE_NOOP("Help", "One entry on or back")},
    {QT_TRANSLATE_NOOP("Help", "Step through"), "Page Down, Page Up", QT_TRANSLATE_NOOP("Help", "One entry on or back")},
    {QT_TRANSLATE_NOOP("Help", "Step through"), "Home, End", QT_TRANSLATE_NOOP("Help", "The run's start or end")},
    {QT_TRANSLATE_NOOP("Help", "Step through"), "Return", QT_TRANSLATE_NOOP("Help", "Go on after a verdict, as Right does")},
    {QT_TRANSLATE_NOOP("Help", "Predict mode"), "Left, Right", QT_TRANSLATE_NOOP("Help", "Choose the gap")},
    {QT_TRANSLATE_NOOP("Help", "Predict mode"), "Return", QT_TRANSLATE_NOOP("Help", "Answer: the gap chosen")},
    {QT_TRANSLATE_NOOP("Help", "Predict mode"), "D", QT_TRANSLATE_NOOP("Help", "Answer: dropped")},
};

// The keys' table, marked for the translator above, looked up where shown.
QString Tr(const char* text)
{
    return QCoreApplication::translate("Help", text);
}

// A window of rich text, scrolled to `anchor` when there is one.
void ShowText(QWidget* parent, const QString& title, const QString& html, const QString& anchor = {})
{
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(title);
    auto* text = new QTextBrowser;
    text->setHtml(html);
    text->setAccessibleName(title);
    if (!anchor.isEmpty())
        text->scrollToAnchor(anchor);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->resize(640, 520);
    dialog->show();
}

}  // namespace

std::span<const HelpKey> HelpKeys()
{
    return kKeys;
}

QString HelpGuide()
{
    return QCoreApplication::translate("Help", "<h2><a name=\"time\"></a>Time</h2>"
              "<p>Each line is a routine on one input shape: the median time of the repetitions at each size n, "
              "a band over the middle half of the repetitions (one far from the others is a star, left out of the "
              "band), and its floor dashed with hollow markers: a standard stable sort that "
              "gives the identical result. Both axes are logarithmic, so a power law n<sup>b</sup> is a straight "
              "line whose slope is b; the legend gives b with its 95 % interval and R², and faint reference slopes "
              "of n, n log n and n² to read it against.</p>"
              "<h2><a name=\"steps\"></a>Steps</h2>"
              "<p>The positions the scan tested. The law of the cost is exact: steps = n + A, where A counts the "
              "pairs of entries already in order. Ascending input costs n(n+1)/2 steps and descending n, dotted on "
              "top; the legend says how many measured points lie on them.</p>"
              "<h2><a name=\"ratio\"></a>Ratio</h2>"
              "<p>Each routine's median time over its floor's. A line that rises with n grows faster than the "
              "floor's n log n.</p>"
              "<h2><a name=\"order\"></a>Order</h2>"
              "<p>After an order sweep: steps, moves and entries really shifted against the input's sortedness s, "
              "the share of pairs in order, beside the law's lines steps = n + s·n(n−1)/2 and "
              "moves = n + (1−s)·n(n−1)/2. The scan starts at the low end, so sorted input, where every entry goes "
              "last, is the slow case. Measure the variants too and their steps appear beside: the scan from the "
              "high end costs n + (1−s)·n(n−1)/2, on the moves' line, so the two cross at s = 0.5; halving stays "
              "under a flat bound, and order matters to it only through the moves.</p>"
              "<h2><a name=\"results\"></a>Results</h2>"
              "<p>Every measurement of the run shown, with its order and the law's prediction, the median and "
              "spread of its repetitions, and a repetition far from the others flagged ⚑. A result that differs "
              "from the floor's, or counts that differ from the law's, would be red: a fault of this program.</p>"
              "<h2><a name=\"step-through\"></a>Step through</h2>"
              "<p>One run on a short list: the list being built between its sentinels, the two cells under test "
              "and the test written out, the entry placed (+) or dropped (−) with its reason, and the counts so "
              "far beside the law's totals. In predict mode you say where each entry goes first; a verdict is "
              "marked ✓ or ✗. A race steps a second run beside the first. Beside each list, the routine's code: "
              "the line of the moment lit and marked ▶, with the entry, its key, the gap's two keys and the counts "
              "so far; Show code hides it.</p>")
         + QCoreApplication::translate("Help", "<h2><a name=\"references\"></a>What a result is compared with</h2>"
              "<p>Each result is compared with a stable sort of the same input that orders equal keys as the "
              "routine does, and the floor is that sort timed. The scan from the high end places each entry after "
              "the equal keys already placed, so equal keys keep their input order: its reference is the standard "
              "stable sort. The scans that stop at the first fit from the low end, halving among them, place each "
              "entry before the equal keys already placed: their reference is the stable sort with equal keys in "
              "reverse order. A strict routine keeps the first entry of each key: its reference is the stable sort "
              "keeping the first of each key. The step-through names the reference of its routine under the "
              "result.</p>");
}

QString HelpExercises()
{
    return QCoreApplication::translate("Help", "<h2>Predict, then check</h2>"
              "<p>Each answer follows from the law of the cost. Say yours first, then check it in the explorer.</p>"
              "<ol>"
              "<li><p><b>Which input makes SortNumbersUnique drop the most?</b> Check: measure it on every shape "
              "at n = 1,000 and read the Results tab's dropped column.</p>"
              "<p><i>Answer:</i> equal keys. Every entry after the first finds its key placed: 999 drops, each "
              "after m + 1 = 2 steps, as only one entry is ever placed: 1 + 2 × 999 = 1,999 steps.</p></li>"
              "<li><p><b>At what sortedness do the scans from the low end and from the high end cost the same?</b> "
              "Check: an order sweep of SortNumbers and SortNumbersFromHigh, on the Order tab.</p>"
              "<p><i>Answer:</i> s = 0.5, where n + s·n(n−1)/2 = n + (1−s)·n(n−1)/2.</p></li>"
              "<li><p><b>How many steps do SortNumbers and SortNumbersFromHigh take on 1,000 ascending keys?</b> "
              "Check: the Steps tab or the Results tab.</p>"
              "<p><i>Answer:</i> 500,500 = n(n+1)/2 and 1,000 = n: every entry is the largest so far, at the far end "
              "from the low sentinel and next to the high one.</p></li>"
              "<li><p><b>On 1,000 equal keys, both scans take 1,000 steps. Which makes more moves?</b> Check: the moves "
              "column of the Results tab.</p>"
              "<p><i>Answer:</i> the scan from the low end: each entry goes before the equal keys placed, 500,500 "
              "moves in all; from the high end each goes after them, one move each, 1,000.</p></li>"
              "<li><p><b>On the 21 start-up vectors, what bound does the law put on the gaps SortNumbersBinary "
              "tests for one entry?</b> Check: step through it; the strip of steps shows each entry's.</p>"
              "<p><i>Answer:</i> 5. The 21st entry meets at most 20 placed entries, 21 gaps, and halving 21 gaps "
              "takes at most ⌊log₂ 21⌋ + 1 = 5 tests. The strip shows at most 4: a bound need not be reached.</p></li>"
              "</ol>");
}

QString AboutText()
{
    return QCoreApplication::translate("Help", "<h2>sentinel-cost %1</h2>"
              "<p>How the cost of sorting by sentinel insertion grows with size and input order.</p>"
              "<p>Free software under the GNU General Public License, version 3 or any later version: you may "
              "share and change it under its terms. It comes with no warranty.</p>"
              "<p>The manual: <tt>man sentinel-cost</tt>, and <tt>sentinel-cost --help</tt>. The source, and its "
              "README, come with the program's source package.</p>")
        .arg(QString::fromUtf8(kProjectVersion));
}

void ShowKeys(QWidget* parent)
{
    QString rows;
    for (const HelpKey& key : kKeys)
        rows += QStringLiteral("<tr><td>%1</td><td><b>%2</b></td><td>%3</td></tr>")
                    .arg(Tr(key.where), QString::fromUtf8(key.keys).toHtmlEscaped(), Tr(key.does));
    ShowText(parent, QCoreApplication::translate("Help", "Keys"), QStringLiteral("<table cellpadding=\"4\">%1</table>").arg(rows));
}

void ShowExercises(QWidget* parent)
{
    ShowText(parent, QCoreApplication::translate("Help", "Exercises"), HelpExercises());
}

void ShowGuide(QWidget* parent, PageId page)
{
    ShowText(parent, QCoreApplication::translate("Help", "Reading the explorer"), HelpGuide(), QString::fromUtf8(PageOf(page).key));
}

}  // namespace sentinel

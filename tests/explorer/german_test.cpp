// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The explorer as a German-speaking user starts it: LANG=de_DE.UTF-8, and
// no other locale variable to override it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QXmlStreamReader>

#include "cost/input_error.h"
#include "cost/plan.h"
#include "cost/preview.h"
#include "explorer/shared/units.h"
#include "explorer/window/cost_window.h"
#include "explorer/window/help.h"
#include "qt_glue/user_language.h"
#include "runtime/utf8.h"
#include "stepping/predict_quiz.h"
#include "stepping/step_through.h"
#include "support/explorer_pages.h"

namespace sentinel {
namespace {

class German : public ::testing::Test {
protected:
    German()
        : window([this](const QString& problem) { complaints.append(problem); }, [](const QString&) { return true; })
    {
    }
    QStringList complaints;
    CostWindow window;
};

QStringList TitlesOf(const QList<QAction*>& actions)
{
    QStringList titles;
    for (const QAction* action : actions)
        titles << action->text();
    return titles;
}

TEST_F(German, TheWindowItsMenusAndItsTabsSpeakGerman)
{
    EXPECT_EQ(window.windowTitle(), "Einfügen zwischen Wächtern: Kosten-Explorer");
    EXPECT_EQ(TitlesOf(window.menuBar()->actions()), QStringList({"&Datei", "&Messen", "&Hilfe"}));
    const QTabWidget& tabs = *window.findChild<QTabWidget*>();
    QStringList tabTexts;
    for (int tab = 0; tab < tabs.count(); ++tab)
        tabTexts << tabs.tabText(tab);
    EXPECT_EQ(tabTexts, QStringList({"&Zeit", "&Schritte", "&Verhältnis", "Reihen&folge", "&Ergebnisse",
                                     "Schritt für Schri&tt"}));
    QStringList buttons;
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        buttons << button->text();
    EXPECT_TRUE(buttons.contains("&Ausführen")) << buttons.join(' ').toStdString();
    EXPECT_TRUE(buttons.contains("Datei &öffnen…")) << buttons.join(' ').toStdString();
    // Numbers follow the locale: a point groups thousands, a comma marks decimals.
    EXPECT_EQ(CountLabel(16000), "16.000");
    EXPECT_EQ(CountLabel(2.5e6), "2,5 M");
}

// Qt's own dialogs follow the language too, from Qt's catalogs that the
// set-up installs: a file dialog's and a question's buttons.
TEST(GermanQt, QtsOwnDialogsSpeakGerman)
{
    QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Open)->text(), "Öffnen");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text(), "&Ja");
}

// The guide keeps the anchor of every tab, which F1 scrolls to; the keys'
// table and the About box are German too.
TEST(GermanHelp, TheGuideKeepsEveryTabsAnchor)
{
    const QString guide = HelpGuide();
    EXPECT_TRUE(guide.contains("<h2><a name=\"steps\"></a>Schritte</h2>"));
    for (const Page& page : Pages())
        EXPECT_TRUE(guide.contains(QStringLiteral("name=\"%1\"").arg(QLatin1String(page.key)))) << page.key;
    EXPECT_TRUE(HelpExercises().contains("Vorhersagen, dann prüfen"));
    EXPECT_TRUE(AboutText().contains("Version 3 oder jeder späteren Version"));
}

// What the engine tells the user arrives in German too: the reasons for a
// drop, a test written out, a verdict, a duration and a plan refused.
TEST(GermanEngine, DropsTestsVerdictsDurationsAndRefusalsSpeakGerman)
{
    const StepThrough run(StepInputOf(Routine::NumbersUnique, 0, {u"5", u"3", u"5", u"-100000000000000"}));
    const StepThrough::Frame end = run.At(run.Events());
    ASSERT_EQ(end.dropped.size(), 2U);
    EXPECT_EQ(end.dropped[0].reason, u"Schlüssel schon platziert");
    EXPECT_EQ(end.dropped[1].reason, u"unter dem unteren Wächter");
    EXPECT_EQ(run.At(run.EndOfEntry(0) - 1).test, u"-99999999999999 < 5 < 99999999999999 \u2192 passt");
    EXPECT_EQ(run.EntryText(0), u"unterer Wächter");

    PredictQuiz quiz;
    ASSERT_TRUE(quiz.Asks(run, 1));  // the first entry, its key computed
    const Text verdict = quiz.Answer(run, 1, PredictQuiz::kDropped).text;
    EXPECT_TRUE(verdict.starts_with(u"\u2717 Nicht verworfen. An der ersten Lücke, die 5 umschließt: ")) << ToUtf8(verdict);
    EXPECT_EQ(quiz.Score(), u"0 von 1");

    EXPECT_EQ(Duration(0.5), "unter einer Sekunde");
    EXPECT_EQ(Duration(90), "etwa 90 s");
    SweepPlan plan = DefaultPlan();
    plan.routines.clear();
    try {
        CheckPlan(plan);
        ADD_FAILURE() << "a plan without routines runs";
    } catch (const InputError& error) {
        EXPECT_STREQ(error.what(), "wählen Sie mindestens eine Routine");
    }
}

// Each text of the catalog is translated, and keeps what the code relies
// on: its placeholders, its mnemonic, and the blanks at its ends that join
// it to the text around it.
TEST(GermanCatalog, EveryTextIsTranslatedKeepingPlaceholdersMnemonicsAndEnds)
{
    QFile file(QStringLiteral(GERMAN_CATALOG));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    const auto placeholders = [&placeholder](const QString& text) {
        QStringList found;
        for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
            found << match.captured();
        found.sort();
        return found.join(QLatin1Char(' ')).toStdString();
    };
    const auto ends = [](const QString& text) {
        return std::pair{!text.isEmpty() && text.front().isSpace(), !text.isEmpty() && text.back().isSpace()};
    };
    int messages = 0;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString german = xml.readElementText();
            ++messages;
            EXPECT_TRUE(finished && !german.isEmpty()) << source.toStdString();
            EXPECT_EQ(placeholders(german), placeholders(source)) << source.toStdString();
            EXPECT_EQ(german.count(QLatin1Char('&')), source.count(QLatin1Char('&'))) << source.toStdString();
            EXPECT_EQ(ends(german), ends(source)) << source.toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 400);
}

// At the smallest window and at the size it opens at, every page shows its
// texts whole, its controls apart and its sliders usable, and no mnemonic twice.
TEST_F(German, EveryPageReadsWellAtTheSmallestSize)
{
    const QStringList faults = FaultsOnEveryPage(window, QSize(900, 560));
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(complaints.isEmpty()) << complaints.join(QLatin1Char('\n')).toStdString();
}

TEST_F(German, EveryPageReadsWellAtTheSizeItOpensAt)
{
    const QStringList faults = FaultsOnEveryPage(window, QSize(1280, 760));
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace sentinel

int main(int argc, char** argv)
{
    qputenv("LANG", "de_DE.UTF-8");
    for (const char* overriding : {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANGUAGE"})
        qunsetenv(overriding);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    sentinel::SpeakUserLanguage(QStringLiteral("sentinel-cost"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// After-action reports: the damage by compartment and the HTML read back by a real parser.

#include "Report.h"

#include "Journal.h"
#include "TestData.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace halvard {
namespace {

// A bomber that took off with its bomb bay doors out and its port flap out, on the test
// database, for a target whose name needs escaping in HTML: one Me109 at 12 High hits it once, in
// the waist, and puts the port waist gun out of action; the mission stops there, when the dice
// run out.
TEST(Report, ListsTheDamageAtTheEndAndHoldsTheWholeRecordOnceInWellFormedHtml) {
    constexpr const char* Awkward = R"(Dover <&"Q">)";
    const test::TempDatabase file(test::ValidSql() + "INSERT INTO Targets VALUES ('" + Awkward +
                                  "', 2, 'Docks', 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, "
                                  "'Land', NULL, NULL, NULL, NULL, NULL, NULL);\n");
    const GameDatabase database = file.Open();
    const std::vector<test::Roll> rolls = {
        {"1d6", 3, "Squadron Roll"},    {"2d6", 7, "Formation Roll"}, {"1d6", 1, "Fighter Cover"},
        {"1d6", 1, "Fighter Cover"},    {"2d6", 7, "Weather"},        {"1d6", 1, "Waves Appearing"},
        {"d66", 11, "Wave Generation"}, {"1d6", 1, "Fighter Cover"},  {"1d6", 6, "Enemy to Hit"},
        {"2d6", 7, "Shell Hits"},       {"2d6", 9, "Area Damage"},    {"2d6", 3, "Damage Waist"},
        {"1d6", 1, "Damage Waist: 3"},
    };
    const std::unique_ptr<Game> game = test::ScriptedGame(database, test::FacesFor(rolls));
    game->Damage.BombBayDoorsOut = game->Damage.PortFlapOut = true;
    EntryFlow flow(*game, {.FixedMissionNumber = 11});
    RunJournal journal(*game, flow);
    ASSERT_TRUE(journal.Perform({ActionKind::Choose, 0, Awkward}).Accepted);
    EXPECT_THROW(for (int i = 0; i < 20; ++i) journal.Perform({ActionKind::Step, 0, {}}), DiceExhausted);
    JournalMission mission = journal.Missions().at(0);
    EXPECT_NE(AfterActionReport(database, {&mission}, "Damage", ReportFormat::Text)
                  .find("Damage at the end\n-----------------\n\n"
                        "  Compartment   Damage\n"
                        "  Bomb bay      bomb bay doors out; bombs still aboard\n"
                        "  Waist         P Waist out of action\n"
                        "  Wings         port flap out\n\n"),
              std::string::npos);

    const std::string html = AfterActionReport(database, {&mission}, Awkward, ReportFormat::Html);
    QXmlStreamReader reader(QString::fromStdString(html));
    std::vector<std::string> headings;
    std::string record;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement()) continue;
        if (reader.name() == u"pre")
            record += reader.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
        if (reader.name() == u"h1" || reader.name() == u"h2")
            headings.push_back(reader.readElementText().toStdString());
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString() << " at line "
                                    << reader.lineNumber();
    EXPECT_EQ(headings,
              (std::vector<std::string>{Awkward, "Mission 11: " + std::string(Awkward) + " (Docks)"}));
    std::string expected;
    for (const std::string& line : RecordLines(mission))
        expected += (line.starts_with("R ") ? "    roll " : "") + line.substr(2) + '\n';
    EXPECT_EQ(record, expected);
    // Self-contained: nothing is fetched and nothing runs.
    for (const char* outside : {"<script", "src=", "href=", "url(", "@import"})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;

    // Without its take-off the record is reported as it stands, without the screens' tables.
    mission.Start.reset();
    mission.NoReplay = "its game is lost";
    const std::string text = AfterActionReport(database, {&mission}, "Record", ReportFormat::Text);
    EXPECT_NE(
        text.find("\n  Landing                   in flight\n\nNot replayed: its game is lost.\n\nRecord\n"),
        std::string::npos)
        << text;
    EXPECT_EQ(text.find("Crew"), std::string::npos) << text;
}

} // namespace
} // namespace halvard

// After-action reports as files: the HTML read back by a real parser, and a report written
// whole or not at all.

#include "Journal.h"
#include "Report.h"
#include "TestData.h"

#include <QXmlStreamReader>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace halvard {
namespace {

namespace fs = std::filesystem;

// A target whose name needs escaping in HTML.
constexpr const char* Awkward = R"(Dover <&"Q">)";

TEST(Report, HtmlIsWellFormedEscapedAndHoldsTheWholeRecordOnce) {
    const test::TempDatabase file(test::ValidSql() + "INSERT INTO Targets VALUES ('" + Awkward +
                                  "', 2, 'Docks', 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, "
                                  "'Land', NULL, NULL, NULL, NULL, NULL, NULL);\n");
    const GameDatabase database = file.Open();
    Game game(database, 3);
    EntryFlow flow(game);
    RunJournal journal(game, flow);
    ASSERT_TRUE(journal.Perform({ActionKind::Choose, 0, Awkward}).Accepted);
    for (int i = 0; i < 400 && flow.Mission().cmdNextStep.Enabled; ++i) {
        journal.Perform({ActionKind::Step, 0, {}});
        journal.Perform({ActionKind::Gun, 2 + i % 9, {}});
        journal.Perform({ActionKind::Cell, 1, {}});
    }
    journal.Perform({ActionKind::Ok, 0, {}});
    const JournalMission& mission = journal.Missions().at(0);

    const std::string html = AfterActionReport(database, {&mission}, Awkward, ReportFormat::Html);
    QXmlStreamReader reader(QString::fromStdString(html));
    std::vector<std::string> headings;
    std::string record;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement()) continue;
        if (reader.name() == u"pre") record += reader.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
        if (reader.name() == u"h1" || reader.name() == u"h2") headings.push_back(reader.readElementText().toStdString());
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString() << " at line " << reader.lineNumber();
    EXPECT_EQ(headings, (std::vector<std::string>{Awkward, std::string("Mission ") + std::to_string(mission.Number) +
                                                                ": " + Awkward + " (Docks)"}));
    std::string expected;
    for (const std::string& line : RecordLines(mission))
        expected += (line.starts_with("R ") ? "    roll " : "") + line.substr(2) + '\n';
    EXPECT_EQ(record, expected);
    EXPECT_GT(mission.Actions.size(), 10U);
    // Self-contained: nothing is fetched and nothing runs.
    for (const char* outside : {"<script", "src=", "href=", "url(", "@import"})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
}

TEST(Report, IsWrittenWholeOrNotAtAll) {
    const test::ScratchDirectory scratch;
    const fs::path kept = scratch.Path() / "report.md";
    std::ofstream(kept) << "an older report";
    WriteReport(kept, "the new report");
    EXPECT_EQ(test::ReadFile(kept), "the new report");

    for (const fs::path& bad : {scratch.Path() / "missing" / "report.md", scratch.Path()}) {
        SCOPED_TRACE(bad);
        try {
            WriteReport(bad, "text");
            ADD_FAILURE() << "written";
        } catch (const ReportError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with(bad.string() + ": ")) << e.what();
        }
    }
    // Nothing half-written is left beside the files.
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path()), fs::directory_iterator()), 1);
}

} // namespace
} // namespace halvard

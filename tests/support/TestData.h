#pragma once

// Databases and games for tests: a database made by the test itself, the shipped one, and a
// game whose dice are a script of faces.

#include "Game.h"
#include "GameDatabase.h"
#include "View.h"

#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace halvard::test {

// The mark a tag's text stands for: "FC", "XXX", "2/5" or "" (none).
Mark MarkFrom(std::string_view text);

// A small but complete database as SQL: every target of the mission chart (ZoneCount growing
// from 2 to 8 along the list, modifier 0, "Land"), one Me109 at 12 High for every wave roll, and
// one gunnery row (nose gun at 12 High: 4, 3, 5).
std::string ValidSql();

// A fresh temporary directory, removed with everything in it when the object goes.
class ScratchDirectory {
  public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(ScratchDirectory&& other) noexcept : path_(std::exchange(other.path_, {})) {}
    ScratchDirectory& operator=(ScratchDirectory&&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A database file built from SQL in a scratch directory of its own.
class TempDatabase {
  public:
    explicit TempDatabase(std::string_view sql);
    const std::filesystem::path& Path() const { return path_; }
    GameDatabase Open() const;

  private:
    ScratchDirectory directory_;
    std::filesystem::path path_ = directory_.Path() / GameDatabase::FileName;
};

// The message of the Error that work throws, or "" if it throws none; any other exception fails.
template <class Error = std::exception, class Work> std::string MessageOf(Work&& work) {
    try {
        work();
        return "";
    } catch (const Error& e) {
        return e.what();
    }
}

std::string ReadFile(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, std::string_view bytes);
std::vector<std::string> SplitLines(const std::string& text); // without the line ends

// The database the build makes from data/corvane.sql, opened once, and the directory it lies in.
const GameDatabase& ShippedDatabase();
std::filesystem::path DataDirectory();

// A game whose dice come from the given faces; CrewedGame mans it as a mission starts it.
std::unique_ptr<Game> ScriptedGame(const GameDatabase& database, std::vector<int> faces);
std::unique_ptr<Game> CrewedGame(const GameDatabase& database, std::vector<int> faces);
FighterRecord MakeFighter(std::string_view type, int position, int damage = 0, std::string special = " ");

// A roll a test scripts and expects: the die ("1d6", "2d6", "d66"), its result and its label;
// the die faces that make rolls, and the roll-window lines they show.
struct Roll {
    std::string_view Die;
    int Value;
    std::string_view Label;
};
std::vector<int> FacesFor(const std::vector<Roll>& rolls);
std::vector<std::string> LinesFor(const std::vector<Roll>& rolls);

// Every line a game writes from now on, beyond what the windows' logs keep.
struct Transcript {
    std::vector<std::string> Rolls, Messages;
    std::vector<std::string> RollLabels() const; // without the results
};
std::shared_ptr<Transcript> Record(Game& game);

// The crew, guns, crew positions and damage that differ from a fresh state, one per line, so a
// failed comparison shows what changed.
std::string Describe(const GameState& state);

} // namespace halvard::test

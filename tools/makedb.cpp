// makedb SQL_FILE DATABASE_FILE: builds a fresh SQLite database from SQL text.
#include <SQLiteCpp/SQLiteCpp.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: makedb SQL_FILE DATABASE_FILE\n";
        return 2;
    }
    const std::filesystem::path source = argv[1];
    const std::filesystem::path target = argv[2];
    std::ifstream in(source);
    if (!in) {
        std::cerr << source.string() << ": cannot be read\n";
        return 1;
    }
    std::stringstream sql;
    sql << in.rdbuf();

    // Build beside the target and move into place, so an error never leaves half a database.
    const std::filesystem::path partial = target.string() + ".partial";
    std::filesystem::remove(partial);
    try {
        SQLite::Database db(partial.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(sql.str());
    } catch (const SQLite::Exception& e) {
        std::filesystem::remove(partial);
        std::cerr << source.string() << ": " << e.what() << "\n";
        return 1;
    }
    std::filesystem::rename(partial, target);
    return 0;
}

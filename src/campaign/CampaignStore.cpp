#include "CampaignStore.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <nlohmann/json.hpp>
#include <sqlite3.h>
#include <unistd.h>

namespace halvard {

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

// "Halv": marks a file as a store of ours, apart from every other SQLite file.
constexpr int ApplicationId = 0x48616c76;

constexpr const char* SchemaV1 = R"(
CREATE TABLE campaigns(
    id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, seed INTEGER NOT NULL,
    next_mission INTEGER NOT NULL, damage TEXT NOT NULL, recruits INTEGER NOT NULL);
CREATE TABLE crew(
    id INTEGER PRIMARY KEY, campaign INTEGER NOT NULL REFERENCES campaigns(id),
    position INTEGER NOT NULL, name TEXT NOT NULL, missions INTEGER NOT NULL,
    kills INTEGER NOT NULL, status TEXT NOT NULL, left_order INTEGER);
CREATE TABLE missions(
    campaign INTEGER NOT NULL REFERENCES campaigns(id), number INTEGER NOT NULL,
    target TEXT NOT NULL, started TEXT NOT NULL, ended TEXT, complete INTEGER,
    outcome TEXT, on_target TEXT, bomb_pct INTEGER, wounds TEXT,
    PRIMARY KEY(campaign, number));
CREATE TABLE actions(
    campaign INTEGER NOT NULL, mission INTEGER NOT NULL, seq INTEGER NOT NULL,
    action TEXT NOT NULL, PRIMARY KEY(campaign, mission, seq),
    FOREIGN KEY(campaign, mission) REFERENCES missions(campaign, number));
CREATE TABLE lines(
    campaign INTEGER NOT NULL, mission INTEGER NOT NULL, seq INTEGER NOT NULL,
    line INTEGER NOT NULL, text TEXT NOT NULL, PRIMARY KEY(campaign, mission, seq, line));
)";

// Each step from the version before it.
constexpr const char* Migrations[] = {
    nullptr,
    nullptr,
    "ALTER TABLE actions ADD COLUMN caption TEXT NOT NULL DEFAULT ''",
};

constexpr const char* Tables[] = {"campaigns", "crew", "missions", "actions", "lines"};

// What a failed store call means to a player.
std::string Problem(const SQLite::Exception& e) {
    switch (e.getErrorCode()) {
    case SQLITE_NOTADB: return "not a campaign store (not an SQLite database)";
    case SQLITE_CORRUPT: return std::string("damaged (") + e.what() + ")";
    case SQLITE_FULL: return "the disk is full; the campaign is kept as it was last saved";
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return std::string("cannot be written (") + e.what() + "); the campaign is kept as it was last saved";
    case SQLITE_IOERR: return std::string("cannot be read or written (") + e.what() + ")";
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "is busy in another program; try again";
    default: return e.what();
    }
}

std::int64_t AsStored(std::uint64_t value) {
    return static_cast<std::int64_t>(value);
}

std::string DamageText(const DamageRecord& damage) {
    json fields = json::object();
    VisitDamageFields(damage, [&fields](const char* name, const auto& value) { fields[name] = value; });
    return fields.dump();
}

DamageRecord DamageFrom(const std::string& text) {
    const json fields = json::parse(text);
    DamageRecord damage;
    VisitDamageFields(damage, [&fields](const char* name, auto& value) {
        if (fields.contains(name)) fields.at(name).get_to(value);
    });
    return damage;
}

// Makes an empty store beside its place and moves it there, so that a store is either whole
// or absent, and a file that appeared meanwhile is never replaced.
void MakeStore(const fs::path& file) {
    std::error_code error;
    fs::create_directories(file.parent_path().empty() ? fs::path(".") : file.parent_path(), error);
    if (error) throw StoreError(file, "its directory cannot be made (" + error.message() + ")");
    const fs::path scratch = file.string() + ".new-" + std::to_string(::getpid());
    fs::remove(scratch, error);
    try {
        {
            SQLite::Database db(scratch.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            SQLite::Transaction transaction(db);
            db.exec(SchemaV1);
            for (int version = 2; version <= CampaignStore::SchemaVersion; ++version)
                db.exec(Migrations[version]);
            transaction.commit();
            db.exec("PRAGMA application_id = " + std::to_string(ApplicationId));
            db.exec("PRAGMA user_version = " + std::to_string(CampaignStore::SchemaVersion));
            db.exec("PRAGMA journal_mode = WAL");
        }
        if (::link(scratch.c_str(), file.c_str()) != 0 && errno != EEXIST)
            throw StoreError(file, std::string("cannot be made (") + std::strerror(errno) + ")");
    } catch (const SQLite::Exception& e) {
        fs::remove(scratch, error);
        throw StoreError(file, "cannot be made: " + Problem(e));
    } catch (...) {
        fs::remove(scratch, error);
        throw;
    }
    fs::remove(scratch, error);
}

CrewMember MemberFrom(SQLite::Statement& row) {
    CrewMember member;
    member.Id = row.getColumn(0).getInt64();
    member.Position = row.getColumn(1).getInt();
    member.Name = row.getColumn(2).getString();
    member.Missions = row.getColumn(3).getInt();
    member.Kills = row.getColumn(4).getInt();
    member.Status = StatusNamed(row.getColumn(5).getString()).value_or(MemberStatus::Active);
    return member;
}

} // namespace

fs::path CampaignStore::DefaultPath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (data != nullptr && *data == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home != nullptr ? home : ".") / ".local" / "share";
    }
    return base / "halvard" / "campaigns.db";
}

template <class Work> auto CampaignStore::Guarded(Work&& work) {
    try {
        return work();
    } catch (const SQLite::Exception& e) {
        throw StoreError(file_, Problem(e));
    } catch (const json::exception& e) {
        throw StoreError(file_, std::string("damaged (") + e.what() + ")");
    }
}

CampaignStore::CampaignStore(fs::path file) : file_(std::move(file)) {
    std::error_code error;
    const bool exists = fs::exists(file_, error);
    if (!exists) MakeStore(file_);
    if (fs::is_directory(file_, error)) throw StoreError(file_, "is a directory, not a campaign store");
    if (fs::file_size(file_, error) == 0 && !error) throw StoreError(file_, "is empty: not a campaign store");

    Guarded([this] {
        // Nothing is written until the file is known to be ours and readable by this version.
        db_.emplace(file_.string(), SQLite::OPEN_READWRITE);
        db_->setBusyTimeout(5000);
        const int application = db_->execAndGet("PRAGMA application_id").getInt();
        if (application != ApplicationId) throw StoreError(file_, "not a campaign store of Halvard");
        const int version = db_->execAndGet("PRAGMA user_version").getInt();
        if (version > SchemaVersion)
            throw StoreError(file_, "made by a newer version of Halvard (store version " + std::to_string(version) +
                                        "; this version reads up to " + std::to_string(SchemaVersion) + ")");
        if (version < 1) throw StoreError(file_, "not a campaign store of Halvard (no store version)");
        const std::string check = db_->execAndGet("PRAGMA quick_check").getString();
        if (check != "ok") throw StoreError(file_, "damaged (" + check + ")");
        for (const char* table : Tables)
            if (!db_->tableExists(table)) throw StoreError(file_, std::string("damaged (no table ") + table + ")");
        db_->exec("PRAGMA journal_mode = WAL");
        db_->exec("PRAGMA synchronous = FULL");
        db_->exec("PRAGMA foreign_keys = ON");
        if (version < SchemaVersion) Migrate(version);
    });
}

void CampaignStore::Migrate(int from) {
    SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
    // Another program may have moved it on while this one waited for the write lock.
    from = db_->execAndGet("PRAGMA user_version").getInt();
    for (int version = from + 1; version <= SchemaVersion; ++version)
        db_->exec(Migrations[version]);
    db_->exec("PRAGMA user_version = " + std::to_string(SchemaVersion));
    transaction.commit();
}

std::vector<Campaign> CampaignStore::LoadAll() {
    std::vector<Campaign> campaigns;
    std::vector<std::string> names = Guarded([this] {
        std::vector<std::string> found;
        SQLite::Statement query(*db_, "SELECT name FROM campaigns ORDER BY id");
        while (query.executeStep())
            found.push_back(query.getColumn(0).getString());
        return found;
    });
    for (const std::string& name : names)
        if (auto campaign = Load(name)) campaigns.push_back(std::move(*campaign));
    return campaigns;
}

std::optional<Campaign> CampaignStore::Load(std::string_view name) {
    return Guarded([&]() -> std::optional<Campaign> {
        SQLite::Statement head(*db_, "SELECT id, name, seed, next_mission, damage, recruits FROM campaigns WHERE name = ?");
        head.bind(1, std::string(name));
        if (!head.executeStep()) return std::nullopt;
        Campaign campaign;
        campaign.Id = head.getColumn(0).getInt64();
        campaign.Name = head.getColumn(1).getString();
        campaign.Seed = static_cast<std::uint64_t>(head.getColumn(2).getInt64());
        campaign.NextMission = head.getColumn(3).getInt();
        campaign.Damage = DamageFrom(head.getColumn(4).getString());
        campaign.Recruits = head.getColumn(5).getInt();

        SQLite::Statement crew(*db_, "SELECT id, position, name, missions, kills, status FROM crew WHERE campaign = ? "
                                     "ORDER BY left_order IS NOT NULL, left_order, position");
        crew.bind(1, campaign.Id);
        int active = 0;
        while (crew.executeStep()) {
            CrewMember member = MemberFrom(crew);
            if (member.Status != MemberStatus::Active) {
                campaign.Former.push_back(std::move(member));
            } else if (member.Position >= 1 && member.Position <= CrewCount) {
                campaign.Crew[member.Position] = std::move(member);
                ++active;
            }
        }
        if (active != CrewCount) throw StoreError(file_, "damaged (campaign \"" + campaign.Name + "\" lacks crew)");

        SQLite::Statement missions(*db_, "SELECT number, target, started, ended, complete, outcome, on_target, "
                                         "bomb_pct, wounds FROM missions WHERE campaign = ? AND ended IS NOT NULL "
                                         "ORDER BY number");
        missions.bind(1, campaign.Id);
        while (missions.executeStep()) {
            MissionLog log;
            log.Number = missions.getColumn(0).getInt();
            log.Target = missions.getColumn(1).getString();
            log.Started = missions.getColumn(2).getString();
            log.Ended = missions.getColumn(3).getString();
            log.Complete = missions.getColumn(4).getInt() != 0;
            log.Outcome = missions.getColumn(5).getString();
            log.OnTarget = missions.getColumn(6).getString();
            log.BombPct = missions.getColumn(7).getInt();
            json::parse(missions.getColumn(8).getString()).get_to(log.Wounds);
            campaign.Missions.push_back(std::move(log));
        }
        return campaign;
    });
}

void CampaignStore::SaveCrew(Campaign& campaign) {
    auto save = [&](CrewMember& member, std::optional<int> leftOrder) {
        if (member.Id == 0) {
            SQLite::Statement insert(*db_, "INSERT INTO crew(campaign, position, name, missions, kills, status, "
                                           "left_order) VALUES(?, ?, ?, ?, ?, ?, ?)");
            insert.bind(1, campaign.Id);
            insert.bind(2, member.Position);
            insert.bind(3, member.Name);
            insert.bind(4, member.Missions);
            insert.bind(5, member.Kills);
            insert.bind(6, std::string(StatusName(member.Status)));
            if (leftOrder) insert.bind(7, *leftOrder);
            insert.exec();
            member.Id = db_->getLastInsertRowid();
            return;
        }
        SQLite::Statement update(*db_, "UPDATE crew SET position = ?, name = ?, missions = ?, kills = ?, status = ?, "
                                       "left_order = ? WHERE id = ?");
        update.bind(1, member.Position);
        update.bind(2, member.Name);
        update.bind(3, member.Missions);
        update.bind(4, member.Kills);
        update.bind(5, std::string(StatusName(member.Status)));
        if (leftOrder) update.bind(6, *leftOrder);
        update.bind(7, member.Id);
        update.exec();
    };
    for (CrewMember& member : campaign.Crew)
        save(member, std::nullopt);
    for (std::size_t i = 0; i < campaign.Former.size(); ++i)
        save(campaign.Former[i], static_cast<int>(i));
}

void CampaignStore::Create(Campaign& campaign) {
    Campaign made = campaign;
    Guarded([&] {
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement taken(*db_, "SELECT 1 FROM campaigns WHERE name = ?");
        taken.bind(1, made.Name);
        if (taken.executeStep()) throw CampaignNameError("a campaign named \"" + made.Name + "\" exists already");
        SQLite::Statement insert(*db_, "INSERT INTO campaigns(name, seed, next_mission, damage, recruits) "
                                       "VALUES(?, ?, ?, ?, ?)");
        insert.bind(1, made.Name);
        insert.bind(2, AsStored(made.Seed));
        insert.bind(3, made.NextMission);
        insert.bind(4, DamageText(made.Damage));
        insert.bind(5, made.Recruits);
        insert.exec();
        made.Id = db_->getLastInsertRowid();
        SaveCrew(made);
        transaction.commit();
    });
    campaign = std::move(made);
}

void CampaignStore::Rename(const CrewMember& member, const std::string& name) {
    Guarded([&] {
        SQLite::Statement update(*db_, "UPDATE crew SET name = ? WHERE id = ?");
        update.bind(1, name);
        update.bind(2, member.Id);
        update.exec();
    });
}

std::vector<RecordedAction> CampaignStore::LoadRecord(const Campaign& campaign, int number) {
    return Guarded([&] { return ReadRecord(campaign, number); });
}

std::vector<RecordedAction> CampaignStore::ReadRecord(const Campaign& campaign, int number) {
    std::vector<RecordedAction> record;
    SQLite::Statement actions(*db_, "SELECT seq, action, caption FROM actions WHERE campaign = ? AND mission = ? "
                                    "ORDER BY seq");
    actions.bind(1, campaign.Id);
    actions.bind(2, number);
    while (actions.executeStep()) {
        if (actions.getColumn(0).getInt() != static_cast<int>(record.size()))
            throw StoreError(file_, "damaged (a recorded action is missing)");
        record.push_back({actions.getColumn(1).getString(), actions.getColumn(2).getString(), {}});
    }
    SQLite::Statement lines(*db_, "SELECT seq, text FROM lines WHERE campaign = ? AND mission = ? ORDER BY seq, line");
    lines.bind(1, campaign.Id);
    lines.bind(2, number);
    while (lines.executeStep()) {
        const auto seq = static_cast<std::size_t>(lines.getColumn(0).getInt());
        if (seq >= record.size()) throw StoreError(file_, "damaged (lines of no recorded action)");
        record[seq].Lines.push_back(lines.getColumn(1).getString());
    }
    return record;
}

std::optional<MissionInProgress> CampaignStore::LoadInProgress(const Campaign& campaign) {
    return Guarded([&]() -> std::optional<MissionInProgress> {
        SQLite::Statement head(*db_, "SELECT number, target, started FROM missions WHERE campaign = ? AND ended IS NULL");
        head.bind(1, campaign.Id);
        if (!head.executeStep()) return std::nullopt;
        MissionInProgress mission;
        mission.Number = head.getColumn(0).getInt();
        mission.Target = head.getColumn(1).getString();
        mission.Started = head.getColumn(2).getString();

        mission.Actions = ReadRecord(campaign, mission.Number);
        return mission;
    });
}

namespace {

void InsertAction(SQLite::Database& db, const Campaign& campaign, int number, int seq, const RecordedAction& action) {
    SQLite::Statement insert(db, "INSERT INTO actions(campaign, mission, seq, action, caption) VALUES(?, ?, ?, ?, ?)");
    insert.bind(1, campaign.Id);
    insert.bind(2, number);
    insert.bind(3, seq);
    insert.bind(4, action.Text);
    insert.bind(5, action.Caption);
    insert.exec();
    SQLite::Statement line(db, "INSERT INTO lines(campaign, mission, seq, line, text) VALUES(?, ?, ?, ?, ?)");
    for (std::size_t i = 0; i < action.Lines.size(); ++i) {
        line.bind(1, campaign.Id);
        line.bind(2, number);
        line.bind(3, seq);
        line.bind(4, static_cast<int>(i));
        line.bind(5, action.Lines[i]);
        line.exec();
        line.reset();
    }
}

} // namespace

void CampaignStore::BeginMission(const Campaign& campaign, int number, const std::string& target,
                                 const std::string& started, const RecordedAction& first) {
    Guarded([&] {
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement insert(*db_, "INSERT INTO missions(campaign, number, target, started) VALUES(?, ?, ?, ?)");
        insert.bind(1, campaign.Id);
        insert.bind(2, number);
        insert.bind(3, target);
        insert.bind(4, started);
        insert.exec();
        InsertAction(*db_, campaign, number, 0, first);
        transaction.commit();
    });
}

void CampaignStore::Record(const Campaign& campaign, int number, int seq, const RecordedAction& action) {
    Guarded([&] {
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        InsertAction(*db_, campaign, number, seq, action);
        transaction.commit();
    });
}

void CampaignStore::Conclude(Campaign& campaign, int seq, const RecordedAction& ok) {
    Campaign concluded = campaign;
    Guarded([&] {
        const MissionLog& log = concluded.Missions.back();
        SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
        InsertAction(*db_, concluded, log.Number, seq, ok);
        SQLite::Statement mission(*db_, "UPDATE missions SET ended = ?, complete = ?, outcome = ?, on_target = ?, "
                                        "bomb_pct = ?, wounds = ? WHERE campaign = ? AND number = ?");
        mission.bind(1, log.Ended);
        mission.bind(2, log.Complete ? 1 : 0);
        mission.bind(3, log.Outcome);
        mission.bind(4, log.OnTarget);
        mission.bind(5, log.BombPct);
        mission.bind(6, json(log.Wounds).dump());
        mission.bind(7, concluded.Id);
        mission.bind(8, log.Number);
        if (mission.exec() != 1) throw StoreError(file_, "damaged (mission " + std::to_string(log.Number) + " was never begun)");
        SQLite::Statement head(*db_, "UPDATE campaigns SET next_mission = ?, damage = ?, recruits = ? WHERE id = ?");
        head.bind(1, concluded.NextMission);
        head.bind(2, DamageText(concluded.Damage));
        head.bind(3, concluded.Recruits);
        head.bind(4, concluded.Id);
        head.exec();
        SaveCrew(concluded);
        transaction.commit();
    });
    campaign = std::move(concluded);
}

CampaignLock::CampaignLock(const CampaignStore& store, const Campaign& campaign) {
    const fs::path file = store.Path().string() + ".lock";
    descriptor_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor_ < 0) throw StoreError(file, std::string("cannot be made (") + std::strerror(errno) + ")");
    // An open-file-description lock on the campaign's own byte: held per opening, so two
    // holders in one process exclude each other too, and released when the process dies.
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = campaign.Id;
    lock.l_len = 1;
    if (::fcntl(descriptor_, F_OFD_SETLK, &lock) != 0) {
        ::close(descriptor_);
        throw CampaignBusy(campaign.Name);
    }
}

CampaignLock::~CampaignLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

} // namespace halvard

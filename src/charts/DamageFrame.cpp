#include "DamageFrame.h"

#include "Digits.h"
#include "Game.h"
#include "Wounds.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace halvard::damage {
namespace {

// The outcome of one hit, put together in place: a hit is resolved thousands of times a
// second in a simulation, and its line is copied into the message list anyway. Every table is
// checked at compile time to fit (OutcomeFits).
class OutcomeText {
  public:
    // Nobody reads the line of a simulated mission: its outcome is then not put together.
    explicit OutcomeText(bool seen) : seen_(seen) {}

    void Append(std::string_view text) {
        if (!seen_) return;
        const std::size_t n = std::min(text.size(), chars_.size() - size_);
        std::copy_n(text.data(), n, chars_.data() + size_);
        size_ += n;
    }
    void Append(int number) { Append(Digits(number).View()); }
    std::string_view View() const { return {chars_.data(), size_}; }

  private:
    std::array<char, OutcomeCapacity> chars_;
    std::size_t size_ = 0;
    bool seen_;
};

// What the rows of one hit have settled so far.
struct HitState {
    explicit HitState(bool seen) : outcome(seen) {}

    std::string_view area;
    std::string_view label; // of the last roll, for the rolls that effects make
    int engine = 0;
    OutcomeText outcome;
};

std::string& EngineStatusOf(DamageRecord& damage, int engine) {
    switch (engine) {
    case 1: return damage.Engine1Status;
    case 2: return damage.Engine2Status;
    case 3: return damage.Engine3Status;
    default: return damage.Engine4Status;
    }
}

int& EngineLeakZonesOf(DamageRecord& damage, int engine) {
    switch (engine) {
    case 1: return damage.Engine1LeakZones;
    case 2: return damage.Engine2LeakZones;
    case 3: return damage.Engine3LeakZones;
    default: return damage.Engine4LeakZones;
    }
}

template <class Apply> void ForEachIn(std::uint32_t who, int low, int high, Apply apply) {
    for (int n = low; n <= high; ++n)
        if ((who >> n) & 1u) apply(n);
}

void RecordFuelLeak(Game& game, HitState& hit, bool reportZones) {
    DamageRecord& damage = game.Damage;
    damage.FuelLeak = true;
    switch (++damage.FuelLeakHits) {
    case 1: damage.FuelLeakZones = game.RollDice("1d6", hit.label); break;
    case 2: damage.FuelLeakZones = 2; break;
    case 3: damage.FuelLeakZones = 1; break;
    default: break; // later leaks leave the count as it is
    }
    if (reportZones) {
        hit.outcome.Append(", ");
        hit.outcome.Append(damage.FuelLeakZones);
        hit.outcome.Append(" more zones");
    }
}

// Applies one effect; false when the hit was handed over to another table.
bool Apply(Game& game, const Effect& effect, HitState& hit) {
    DamageRecord& damage = game.Damage;
    switch (effect.What) {
    case Do::Nothing: break;
    case Do::Set: damage.*effect.Flag = true; break;
    case Do::Hit: {
        const int count = ++(damage.*effect.Counter);
        hit.outcome.Append(effect.Text);
        hit.outcome.Append("Hit #");
        hit.outcome.Append(count);
        break;
    }
    case Do::SetCount: damage.*effect.Counter = effect.Value; break;
    case Do::GunOut:
        ForEachIn(effect.Who, FirstGun, LastGun, [&](int gun) { game.Guns[gun].Status = "Out"; });
        break;
    case Do::HeatOut:
        ForEachIn(effect.Who, 1, CrewCount, [&](int position) { game.CrewPos[position].HeatOut = true; });
        break;
    case Do::OxygenHit:
        ForEachIn(effect.Who, 1, CrewCount, [&](int position) { ++game.CrewPos[position].OxygenHits; });
        break;
    case Do::OxygenFire:
        ForEachIn(effect.Who, 1, CrewCount, [&](int position) { game.CrewPos[position].OxygenHits = 2; });
        break;
    case Do::Wound:
        hit.outcome.Append(effect.Text);
        hit.outcome.Append(ResolveWound(game, effect.Value));
        break;
    case Do::Engine: hit.engine = effect.Value; break;
    case Do::EngineStatus: EngineStatusOf(damage, hit.engine) = effect.Text; break;
    case Do::EngineLeak: {
        const int zones = game.RollDice("1d6", hit.label);
        EngineLeakZonesOf(damage, hit.engine) = zones;
        hit.outcome.Append(zones);
        hit.outcome.Append(" more zones");
        break;
    }
    case Do::FuelLeak: RecordFuelLeak(game, hit, effect.Value != 0); break;
    case Do::HandOver: effect.Table(game); return false;
    case Do::Lose:
        // The first loss is how the bomber ended; what follows it in the same burst changes nothing.
        if (!game.Mission.Ending) game.Mission.Ending = static_cast<Outcome>(effect.Value);
        break;
    }
    return true;
}

} // namespace

void Resolve(Game& game, const Table& table) {
    HitState hit(!game.Messages.Unseen());
    hit.label = table.Label;
    const Row* row = &RowFor(table.Rows, table.ByTotal, game.RollDice("2d6", table.Label));
    for (;;) {
        if (!row->Area.empty()) hit.area = row->Area;
        hit.outcome.Append(row->Outcome);
        for (const Effect& effect : row->Effects)
            if (!Apply(game, effect, hit)) return;
        if (row->Then->Rows.empty()) break;

        const SubTable& sub = *row->Then;
        if (sub.OnlyWhile != nullptr && !(game.Damage.*sub.OnlyWhile)) {
            hit.outcome.Append(sub.Otherwise);
            break;
        }
        hit.label = sub.Label;
        row = &RowFor(sub.Rows, sub.ByFace, game.RollDice("1d6", sub.Label));
    }

    if (hit.area == "Superficial Damage")
        game.AddMessage(table.Prefix, hit.area);
    else
        game.AddMessage(table.Prefix, hit.area, " - ", hit.outcome.View());
}

} // namespace halvard::damage

#pragma once

// The eight compartment damage tables. Each call resolves one hit: a 2d6 on the table, the
// row's own 1d6 sub-rolls, then the "Wound" rolls of the crew it names, its effects on the
// mission state, and one line in the message list.

namespace halvard {

class Game;

void DamageNose(Game& game);
void DamagePilotCompartment(Game& game); // row 9 hands the hit to the instruments
void DamageBombBay(Game& game);
void DamageRadioRoom(Game& game);
void DamageWaist(Game& game);
void DamageTail(Game& game);

enum class WingSide { Port, Starboard };
void DamageWing(Game& game, WingSide side);
void DamageInstruments(Game& game);

} // namespace halvard

#pragma once

namespace halvard {

class Game;

// Rolls the make-up of an incoming wave and builds it in Fighters from the WaveSelection rows
// of the roll, after the extra Me109 that attacks a lead or tail bomber; 66 rolls again, and a
// roll of 16, 26, 36, 46 or 56 brings no attackers. Refreshes the wave panel's rows.
void ChartWaveGeneration(Game& game);

// Gives every fighter of the wave a new attack position as it comes round again.
void ChartSuccessiveAttack(Game& game);

// Shell hits that a fighter (index into Fighters) registers when it hits the bomber: 1-10, by
// its attack position and type.
int ChartShellHits(Game& game, int fighter);

} // namespace halvard

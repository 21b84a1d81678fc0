#pragma once

// What halvard-cli's exit status tells a script.

namespace halvard::exit_status {

constexpr int UnusableDatabase = 1;
constexpr int BadOptions = 2;
constexpr int DiceExhausted = 3;
constexpr int UnusableStore = 4;  // the campaign store: named, with its problem
constexpr int CampaignBusy = 5;   // the campaign is open in another program
constexpr int UnwritableReport = 6; // a report that could not be written: nothing was

} // namespace halvard::exit_status

#pragma once

// What halvard-cli's exit status tells a script.

namespace halvard::exit_status {

constexpr int UnusableDatabase = 1;
constexpr int BadOptions = 2;
constexpr int DiceExhausted = 3;

} // namespace halvard::exit_status

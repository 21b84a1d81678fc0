#pragma once

// The target selection dialog as plain data: the player lets the mission chart pick the target
// or names one of the game database's targets. Pressing OK draws a new mission number.

#include "IndexedArray.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace halvard {

class Game;

struct OptionButton {
    std::string_view Caption; // a text of the program's own
    bool Value = false;
};

// A text field with a drop-down list; the player may also type.
struct ComboBox {
    std::span<const std::string> List; // the game database's, which outlasts every dialog
    std::string Text;
    bool Enabled = true;
};

class TargetSelection {
  public:
    // The dialog of one selection. unload is called when OK confirms a target (true) or Cancel
    // closes the dialog (false). A fixed mission number replaces the random draw of OK.
    TargetSelection(Game& game, std::function<void(bool confirmed)> unload,
                    std::optional<int> fixedMissionNumber = std::nullopt);

    TargetSelection(const TargetSelection&) = delete;
    TargetSelection& operator=(const TargetSelection&) = delete;

    // Fills the list with the targets in the database's order.
    void Form_Load();
    // 0: "Random Mission Selection", the list disabled; 1: "Choose Your Own Target".
    void optTargetChoice_Click(int index);
    void cmdOK_Click();
    void cmdCancel_Click();

    IndexedArray<OptionButton, 0, 1> optTargetChoice;
    ComboBox cboTargetList;
    // Why the last OK press kept the dialog open, for the window to show; empty otherwise.
    std::string Refusal;

  private:
    Game& game_;
    std::function<void(bool confirmed)> unload_;
    std::optional<int> fixedMissionNumber_;
};

} // namespace halvard

#include "BenchData.h"

#include "MissionSetup.h"

#include <algorithm>

namespace halvard::bench {

const GameDatabase& ShippedDatabase() {
    static const GameDatabase database = OpenGameDatabase(HALVARD_DATA_DIR);
    return database;
}

std::vector<int> FacesFor(const std::vector<Roll>& rolls) {
    std::vector<int> faces;
    for (const Roll& roll : rolls) {
        if (roll.Die == "2d6") {
            const int first = std::max(1, roll.Value - 6);
            faces.push_back(first);
            faces.push_back(roll.Value - first);
        } else {
            faces.push_back(roll.Value);
        }
    }
    return faces;
}

} // namespace halvard::bench

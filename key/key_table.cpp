#include "key/key_table.h"

#include "core/rotors.h"

namespace q417 {

bool KeyTableValid(const KeyTable& t, int rotors_in_use) {
    std::array<bool, 11> body_seen{}, core_seen{};
    for (int k = 1; k <= rotors_in_use && k <= 10; ++k) {
        const int32_t body = t.at(KeyTable::kRotorNumber, k);
        const int32_t core = t.at(KeyTable::kCoreNumber, k);
        if (body < 1 || body > 10 || body_seen[body]) return false;
        if (core < 1 || core > 10 || core_seen[core]) return false;
        body_seen[body] = core_seen[core] = true;
        const int32_t ring = t.at(KeyTable::kRingSetting, k);
        const int32_t side = t.at(KeyTable::kCoreSide, k);
        const int32_t setting = t.at(KeyTable::kCoreSetting, k);
        if (ring < 1 || ring > 30 || side < 1 || side > 2 || setting < 1 || setting > 30)
            return false;
    }
    return true;
}

void ClearKeyTable(KeyTable& t) {
    for (auto& row : t.v) row.fill(0);
}

void KeyTableFromRotors(const RotorStack& rotors, KeyTable& t) {
    for (int k = 1; k <= RotorStack::kSlots; ++k) {
        const RotorState& r = rotors.Slot(k);
        t.at(KeyTable::kRotorNumber, k) = r.RotorNumber;
        t.at(KeyTable::kRingSetting, k) = r.RingSetting;
        t.at(KeyTable::kCoreNumber, k) = r.CoreNumber;
        t.at(KeyTable::kCoreSide, k) = r.CoreSide;
        t.at(KeyTable::kCoreSetting, k) = r.CoreSetting;
    }
}

bool ApplyKeyTable(const KeyTable& t, RotorStack& rotors) {
    if (!KeyTableValid(t, rotors.RotorsInUse())) return false;
    for (int k = 1; k <= rotors.RotorsInUse(); ++k)
        rotors.InitRotor(k, t.at(KeyTable::kRotorNumber, k), t.at(KeyTable::kRingSetting, k),
                         t.at(KeyTable::kCoreNumber, k), t.at(KeyTable::kCoreSide, k),
                         t.at(KeyTable::kCoreSetting, k));
    return true;
}

}  // namespace q417

#pragma once
// A plan store for tests: counts loads and saves, marks a loaded plan, and can
// be told to fail its saves.

#include "app/ui/PlanStore.h"

#include <optional>

namespace velmora::test {

class FakePlanStore : public PlanStore {
public:
    void Load(PlanData& plan) override {
        ++loads;
        if (loadedAgeSelf) {
            plan.AgeSelf = *loadedAgeSelf;
        }
    }
    std::optional<SaveError> Save(const PlanData& plan) override {
        ++saves;
        savedPlan = plan;
        return failure;
    }

    int loads = 0;
    int saves = 0;
    std::optional<std::int32_t> loadedAgeSelf; // what a load puts into AgeSelf
    std::optional<SaveError> failure;          // what every save returns
    PlanData savedPlan;
};

} // namespace velmora::test

#pragma once
// A plan store for tests: counts loads and saves, marks a loaded plan, and can
// be told what to say about the stored plan, to be held by another program, to
// have changed on disk, or to fail its saves.

#include "app/ui/PlanStore.h"

#include <optional>

namespace velmora::test {

class FakePlanStore : public PlanStore {
public:
    bool Claim(long long& holder) override {
        ++claims;
        holder = heldBy.value_or(0);
        return !heldBy;
    }
    std::string LockProblem() const override { return lockProblem; }
    std::string Load(PlanData& plan) override {
        ++loads;
        if (loadedAgeSelf) {
            plan.AgeSelf = *loadedAgeSelf;
        }
        return loadMessage;
    }
    bool ChangedOnDisk() override { return changedOnDisk; }
    PlanSaveReport Save(const PlanData& plan) override {
        ++saves;
        savedPlan = plan;
        return {failure, failure ? std::string() : saveWarning};
    }
    std::string FileName() const override { return "UserData.dta"; }

    int claims = 0;
    int loads = 0;
    int saves = 0;
    std::optional<long long> heldBy;           // the other program that has the plan
    std::string lockProblem;                   // what a claim has to say
    std::optional<std::int32_t> loadedAgeSelf; // what a load puts into AgeSelf
    std::string loadMessage;                   // what a load has to say
    bool changedOnDisk = false;
    std::optional<SaveError> failure; // what every save returns
    std::string saveWarning;          // what a save that works has to say
    PlanData savedPlan;
};

} // namespace velmora::test

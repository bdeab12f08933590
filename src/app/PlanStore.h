#pragma once
// Where the plan is kept between runs. The program uses the plan file in the
// working directory; tests put something else in its place.

#include "plan/PlanData.h"
#include "plan/PlanFile.h"

#include <optional>
#include <string>

namespace velmora {

class PlanStore {
public:
    virtual ~PlanStore() = default;
    // Fills the plan; a missing or unreadable store leaves it as it is.
    virtual void Load(PlanData& plan) = 0;
    virtual std::optional<SaveError> Save(const PlanData& plan) = 0;
};

class PlanFileStore : public PlanStore {
public:
    explicit PlanFileStore(std::string path = kPlanFileName) : path_(std::move(path)) {}
    void Load(PlanData& plan) override { LoadPlan(plan, path_); }
    std::optional<SaveError> Save(const PlanData& plan) override { return SavePlan(plan, path_); }

private:
    std::string path_;
};

} // namespace velmora

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

// The plan file, through the operating system's files or through `files`.
class PlanFileStore : public PlanStore {
public:
    explicit PlanFileStore(std::string path = kPlanFileName, FileSystem* files = nullptr)
        : path_(std::move(path)), files_(files) {}
    void Load(PlanData& plan) override {
        if (files_ != nullptr) {
            LoadPlan(plan, path_, *files_);
        } else {
            LoadPlan(plan, path_);
        }
    }
    std::optional<SaveError> Save(const PlanData& plan) override {
        return files_ != nullptr ? SavePlan(plan, path_, *files_) : SavePlan(plan, path_);
    }

private:
    std::string path_;
    FileSystem* files_;
};

} // namespace velmora

#pragma once
// Where the plan is kept between runs. The program uses the plan file in the
// working directory; tests put something else in its place.

#include "plan/PlanData.h"
#include "plan/PlanFileSession.h"

#include <string>

namespace velmora {

class PlanStore {
public:
    virtual ~PlanStore() = default;
    // Makes this run the only one of the program using the plan, then clears what
    // an interrupted save left behind. False when another run has the plan; then
    // `holder` is its process id (0 when unknown) and nothing has been touched. When
    // the plan cannot be locked for another reason, the run goes on (LockProblem).
    virtual bool Claim(long long& holder) = 0;
    // After a Claim that let this run go on: why the plan could not be locked against
    // another run (the lock file's name and the reason), to be told once the title
    // screen is up; empty when it is locked, or for a store that has no lock.
    virtual std::string LockProblem() const { return {}; }
    // Fills the plan; returns what to tell the user about the stored plan (empty
    // when there is nothing to say).
    virtual std::string Load(PlanData& plan) = 0;
    // Whether another program has changed the stored plan since it was loaded or
    // last saved.
    virtual bool ChangedOnDisk() = 0;
    virtual PlanSaveReport Save(const PlanData& plan) = 0;
    // The plan file's name as the user knows it.
    virtual std::string FileName() const = 0;
};

// The plan file, through the operating system's files or through `files`; the
// lock file beside it, or beside the file its link points to (LockPathFor), keeps a
// second run of the program away.
class PlanFileStore : public PlanStore {
public:
    explicit PlanFileStore(std::string path = kPlanFileName, FileSystem* files = nullptr);
    PlanFileStore(const PlanFileStore&) = delete;
    PlanFileStore& operator=(const PlanFileStore&) = delete;

    bool Claim(long long& holder) override;
    std::string LockProblem() const override { return lockProblem_; }
    std::string Load(PlanData& plan) override { return session_.Load(plan).message; }
    bool ChangedOnDisk() override { return session_.ChangedOnDisk(); }
    PlanSaveReport Save(const PlanData& plan) override { return session_.Save(plan); }
    std::string FileName() const override { return session_.FileName(); }

private:
    PlanFileSession session_;
    std::string lockProblem_;
};

} // namespace velmora

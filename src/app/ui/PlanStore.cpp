#include "app/ui/PlanStore.h"

namespace velmora {

PlanFileStore::PlanFileStore(std::string path, FileSystem* files)
    : session_(std::move(path), files) {}

bool PlanFileStore::Claim(long long& holder) {
    const PlanClaimReport claim = session_.Claim();
    lockProblem_ = claim.lockProblem;
    if (claim.heldByOther) {
        holder = claim.holder;
        return false;
    }
    return true;
}

} // namespace velmora

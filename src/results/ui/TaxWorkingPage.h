#pragma once
// How the tax was worked out, in the printed report on a page of its own: the
// lines of the tax engine's working, without the withdrawal and with it.

#include "export/ui/ReportBlocks.h"

namespace velmora {

struct Workspace;

class TaxWorkingPage : public BlockSection {
public:
    explicit TaxWorkingPage(const Workspace& workspace) : ws_(workspace) {}

private:
    void Build(double width) override;

    const Workspace& ws_;
};

} // namespace velmora

#include "plan/PlanWriter.h"

#include "plan/NumberText.h"
#include "plan/PlanFields.h"

namespace velmora {
namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr std::size_t kTypicalSize = 8 * 1024;

class LineWriter {
public:
    explicit LineWriter(std::string& out) : out_(out) {}

    void Text(const std::string& text) {
        for (const char c : text) {
            out_ += static_cast<unsigned char>(c) < 32 ? ' ' : c;
        }
        out_ += kLineEnd;
    }
    void Name(const std::string& name) { Text(name); }
    void Flag(const std::string& flag) { Text(flag); }
    void Int(std::int32_t value) {
        out_ += IntText(value);
        out_ += kLineEnd;
    }

private:
    std::string& out_;
};

} // namespace

std::string PlanFileText(const PlanData& plan) {
    std::string text;
    text.reserve(kTypicalSize);
    LineWriter writer(text);
    VisitPlanFields(plan, writer);
    return text;
}

} // namespace velmora

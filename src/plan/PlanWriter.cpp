#include "plan/PlanWriter.h"

#include "plan/PlanFields.h"

#include <array>
#include <charconv>

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
    // The digits as IntText gives them, without a string of their own for each line.
    void Int(std::int32_t value) {
        std::array<char, 16> line{}; // "-2147483648\r\n" and room to spare
        char* end = std::to_chars(line.data(), line.data() + line.size(), value).ptr;
        *end++ = '\r';
        *end++ = '\n';
        out_.append(line.data(), end);
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

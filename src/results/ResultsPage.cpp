#include "results/ResultsPage.h"

#include "plan/Windows1252.h"
#include "results/CategoryRows.h"
#include "results/ResultBox.h"
#include "results/TaxWorking.h"
#include "tax/TaxYear.h"

#include <string_view>

namespace velmora::results {

namespace {

// Pads to a width counted in characters; names are Windows-1252 (one byte, one
// character), so they are padded before they become UTF-8.
std::string Padded(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) {
        out.append(width - out.size(), ' ');
    }
    return out;
}

// A box under a heading, its label indented.
void Line(std::string& out, const ResultBoxTexts& boxes, ResultBox box) {
    out += "  ";
    out += Padded(BoxLabel(box), 24);
    out += BoxText(boxes, box);
    out += '\n';
}

// A box standing alone, its label in capitals as on the screen.
void Headline(std::string& out, const ResultBoxTexts& boxes, ResultBox box) {
    std::string label(BoxLabel(box));
    for (char& c : label) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A'); // labels are ASCII; no locale's rules apply
        }
    }
    out += Padded(label, 26);
    out += BoxText(boxes, box);
    out += '\n';
}

// A category box under the category's title, labelled by the rest of its label.
void CategoryLine(std::string& out, const ResultBoxTexts& boxes, ResultBox box) {
    out += "  " + Padded(CategoryCaption(box), 17) + BoxText(boxes, box) + '\n';
}

// How the tax was worked out, under its heading: each line's words, then its
// figure without the withdrawal and with it.
void AppendTaxWorking(std::string& out, const Workspace& ws) {
    constexpr std::size_t kLabelWidth = 56;
    constexpr std::size_t kColumnWidth = 20;
    out += "HOW THE TAX WAS WORKED OUT\n";
    out +=
        Padded("", kLabelWidth) + Padded("Without withdrawal", kColumnWidth) + "With withdrawal\n";
    for (const TaxWorkingLine& line : TaxWorkingLines(ws)) {
        if (line.Heading) {
            out += "  " + line.Label + '\n';
        } else {
            out += "    " + Padded(line.Label, kLabelWidth - 4) +
                   Padded(line.WithoutWithdrawal, kColumnWidth) + line.WithWithdrawal + '\n';
        }
    }
    out += TaxWorkingNote() + '\n';
}

void AppendCategory(std::string& out, const Workspace& ws, RiskCategory k) {
    const ResultBoxTexts& boxes = ws.results.boxes;
    out += Title(k);
    out += '\n';
    out += "  " + Padded("Name", 17) + Padded("Value", 12) + "ERR\n";
    const std::vector<CategoryRow> rows = CategoryRows(ws.ranking, k);
    if (rows.empty()) {
        out += "  (none)\n";
    }
    for (const CategoryRow& row : rows) {
        out +=
            "  " + Windows1252ToUtf8(Padded(row.Name, 17)) + Padded(row.Value, 12) + row.Err + '\n';
    }
    CategoryLine(out, boxes, TotalBox(k));
    CategoryLine(out, boxes, ShareBox(k));
    out += '\n';
}

} // namespace

std::string ResultsPage(const Workspace& ws) {
    const ResultBoxTexts& boxes = ws.results.boxes;
    std::string out;
    out += "Calculation\n";
    out += TaxYearLine(ws.taxYear.Number()) + '\n';
    out += "ERR = Effective Rate of Return (%)\n\n";
    out += "Portfolio Risk Categories\n";
    out += "B: Bonds, CDs, Bank   S: Stock, Equities   I: IRA, standard   R: IRA, Roth\n\n";
    for (const RiskCategory k : kRiskCategories) {
        AppendCategory(out, ws, k);
    }

    out += "INCOME\n";
    for (const ResultBox box : {ResultBox::ContinuedEarnings, ResultBox::Entitlements,
                                ResultBox::IntAndDiv, ResultBox::Ira}) {
        Line(out, boxes, box);
    }
    out += "\nEXPENSES\n";
    for (const ResultBox box :
         {ResultBox::Budget, ResultBox::TaxOnIncome, ResultBox::TaxOnWithdrawals}) {
        Line(out, boxes, box);
    }
    out += "\nTAX INFORMATION\n";
    out += "  Incremental Tax Rates\n";
    for (const ResultBox box : {ResultBox::TaxRate, ResultBox::DivTaxRate, ResultBox::CGTaxRate,
                                ResultBox::StateTaxRate}) {
        Line(out, boxes, box);
    }
    out += '\n';
    Headline(out, boxes, ResultBox::TotalInvestments);
    Headline(out, boxes, ResultBox::WithdrawalNeeded);
    out += '\n';
    AppendTaxWorking(out, ws);
    return out;
}

} // namespace velmora::results

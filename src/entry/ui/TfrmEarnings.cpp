#include "entry/ui/TfrmEarnings.h"

#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"
#include "plan/FilingStatus.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/ScreenText.h"
#include "screens/ui/ScreenWindow.h"
#include "screens/ui/Shell.h"
#include "sizing/ui/ViewMarks.h"

#include <QLabel>
#include <QPushButton>
#include <optional>

namespace velmora {

namespace {

constexpr int kGridLeft = 40;
constexpr int kGridTop = 84;
constexpr int kSelfWidth = 63;   // with the frame: 65 for a single household
constexpr int kSpouseWidth = 69; // with the frame: 134 for a married one
constexpr int kRowHeight = 22;

QLabel* PlacedLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    QLabel* label = NamedLabel(parent, name, text);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TfrmEarnings::TfrmEarnings(const ScreenContext& context)
    : workspace_(context.workspace), shell_(context.shell) {
    setObjectName("frmEarnings");
    setWindowTitle(QStringLiteral("Continued Earnings"));

    QLabel* heading = PlacedLabel(this, "lblHeading", QStringLiteral("Continued Earnings"), 0, 16);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    heading->setFont(bold);
    heading->adjustSize();
    QLabel* perMonth = PlacedLabel(this, "lblPerMonth", QStringLiteral("$/Month"), 0, 42);

    QLabel* lblSelf = PlacedLabel(this, "lblSelf", QStringLiteral("Self"), 0, kGridTop - 18);
    lblSelf->setFixedWidth(kSelfWidth);
    lblSelf->setAlignment(Qt::AlignCenter);
    lblSelf->move(kGridLeft + 1, kGridTop - 18);
    lblSpouse = PlacedLabel(this, "lblSpouse", QStringLiteral("Spouse"), 0, kGridTop - 18);
    lblSpouse->setFixedWidth(kSpouseWidth);
    lblSpouse->setAlignment(Qt::AlignCenter);
    lblSpouse->move(kGridLeft + 1 + kSelfWidth, kGridTop - 18);

    StringGridEarnings = new StringGrid(context.dialogs, this);
    NameControl(*StringGridEarnings, "StringGridEarnings",
                QStringLiteral("Continued Earnings, $/month"));
    StringGridEarnings->SetSize(2, 2);
    StringGridEarnings->SetFixedRows(1);
    StringGridEarnings->SetColWidths({kSelfWidth, kSpouseWidth});
    StringGridEarnings->SetDefaultRowHeight(kRowHeight);
    // "$/month" in the grid under the heading's "$/Month": both kept as they are on purpose.
    StringGridEarnings->SetCells(0, 0, QStringLiteral("$/month"));
    StringGridEarnings->SetCells(1, 0, QStringLiteral("$/month"));
    StringGridEarnings->SetColTitle(0, QStringLiteral("Self $/month"));
    StringGridEarnings->SetColTitle(1, QStringLiteral("Spouse $/month"));
    StringGridEarnings->move(kGridLeft, kGridTop);
    StringGridEarnings->SetCurrentCell(0, 1);
    StringGridEarnings->OnGetEditMask(
        [this](int col, int row) { return StringGridEarningsGetEditMask(col, row); });
    StringGridEarnings->OnSetEditText([this](int col, int row, const QString& text) {
        StringGridEarningsSetEditText(col, row, text);
    });
    connect(StringGridEarnings, &StringGrid::EditStored, this, &TfrmEarnings::ShowCells);
    context.history.RecordCellEdits(
        *StringGridEarnings, Screen::Earnings, [](int col, int row) -> std::optional<CellField> {
            if (row != 1 || (col != 0 && col != 1)) {
                return std::nullopt;
            }
            return CellField{{PlanPart::Personal},
                             col == 0 ? QStringLiteral("Continued Earnings (Self)")
                                      : QStringLiteral("Continued Earnings (Spouse)")};
        });
    ShowSpouseColumn(true);

    QPushButton* btnReturnToDataInput =
        NamedButton(this, "btnReturnToDataInput", QStringLiteral("Done"));
    btnReturnToDataInput->setGeometry(kGridLeft + 30, kGridTop + 2 * kRowHeight + 30, 75, 28);
    KeepInView(*btnReturnToDataInput);
    connect(btnReturnToDataInput, &QPushButton::clicked, this,
            &TfrmEarnings::btnReturnToDataInputClick);

    // The heading and its unit line stand centred over the grid of a married household.
    const int centre = kGridLeft + (kSelfWidth + kSpouseWidth + 2) / 2;
    heading->move(centre - heading->width() / 2, heading->y());
    perMonth->move(centre - perMonth->width() / 2, perMonth->y());

    resize(kGridLeft * 2 + kSelfWidth + kSpouseWidth + 2 + 40, 230);
}

void TfrmEarnings::ShowSpouseColumn(bool shown) {
    StringGridEarnings->setColumnHidden(1, !shown);
    StringGridEarnings->SizeToCells();
    lblSpouse->setVisible(shown);
}

void TfrmEarnings::FormActivate() {
    const PlanData& plan = workspace_.plan;
    switch (FilingStatusOf(plan.Married)) {
    case FilingStatus::Single:
        ShowSpouseColumn(false);
        break;
    case FilingStatus::Married:
        ShowSpouseColumn(true);
        break;
    case FilingStatus::Neither: // the layout stays as it was
        break;
    }
    ShowCells();
    StringGridEarnings->SetCurrentCell(0, 1);
    StringGridEarnings->setFocus();
}

void TfrmEarnings::ShowCells() {
    const PlanData& plan = workspace_.plan;
    StringGridEarnings->SetCells(0, 1, NumberText(plan.EarningsSelf));
    StringGridEarnings->SetCells(1, 1, NumberText(plan.EarningsSpouse));
}

QString TfrmEarnings::StringGridEarningsGetEditMask(int /*ACol*/, int /*ARow*/) {
    return QStringLiteral("0000");
}

void TfrmEarnings::StringGridEarningsSetEditText(int ACol, int ARow, const QString& Value) {
    if (ARow != 1) {
        return;
    }
    if (ACol == 0) {
        workspace_.plan.EarningsSelf = LeadingDigitsOf(Value);
    } else if (ACol == 1) {
        workspace_.plan.EarningsSpouse = LeadingDigitsOf(Value);
    }
}

void TfrmEarnings::btnReturnToDataInputClick() {
    shell_.Show(Screen::DataInput);
}

TfrmEarnings::~TfrmEarnings() {
    // The grids end their edits when they are hidden, which happens only after
    // this screen is gone: they must not call back into it then.
    for (StringGrid* grid : findChildren<StringGrid*>()) {
        disconnect(grid, &StringGrid::EditStored, this, nullptr);
    }
}

} // namespace velmora

#include "entry/ui/TfrmEntitlements.h"

#include "Workspace.h"
#include "grid/ui/StringGrid.h"
#include "history/ui/PlanHistory.h"
#include "plan/FilingStatus.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/ScreenText.h"
#include "screens/ui/ScreenWindow.h"
#include "screens/ui/Shell.h"
#include "sizing/ui/ViewMarks.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <optional>

namespace velmora {

namespace {

constexpr int kGridLeft = 24;
constexpr int kGridTop = 40;
constexpr int kTitleWidth = 100;
constexpr int kValueWidth = 65; // 165 pixels for a single household, 230 for a married one
constexpr int kRowHeight = 22;

// The field that a value cell (column 1 or 2, row 1 to 3) shows, or null.
std::int32_t* Field(PlanData& plan, int col, int row) {
    if (col != 1 && col != 2) {
        return nullptr;
    }
    const bool self = col == 1;
    switch (row) {
    case 1:
        return self ? &plan.SocialSecuritySelf : &plan.SocialSecuritySpouse;
    case 2:
        return self ? &plan.PensionSelf : &plan.PensionSpouse;
    case 3:
        return self ? &plan.TaxFreeSelf : &plan.TaxFreeSpouse;
    default:
        return nullptr;
    }
}

// The name of a value cell's field in the steps of the history ("Pensions
// (Spouse)"); none for the other cells.
std::optional<CellField> EntitlementField(int col, int row) {
    if ((col != 1 && col != 2) || row < 1 || row > 3) {
        return std::nullopt;
    }
    const char* const rows[] = {"Social Security", "Pensions", "Tax Free Benefits"};
    return CellField{{PlanPart::Personal},
                     QString::fromLatin1(rows[row - 1]) +
                         (col == 1 ? QStringLiteral(" (Self)") : QStringLiteral(" (Spouse)"))};
}

// The grid has no outer border and no lines between its title cells: lines
// are drawn only around and between the value cells.
class EntitlementsGrid : public StringGrid {
public:
    using StringGrid::StringGrid;

protected:
    void paintEvent(QPaintEvent* event) override {
        StringGrid::paintEvent(event);
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::Mid));
        const int left = columnViewportPosition(FixedCols()) - 1;
        const int top = rowViewportPosition(FixedRows()) - 1;
        int right = left;
        for (int col = FixedCols(); col < ColCount(); ++col) {
            if (!isColumnHidden(col)) {
                right = columnViewportPosition(col) + columnWidth(col) - 1;
            }
        }
        const int bottom = rowViewportPosition(RowCount() - 1) + rowHeight(RowCount() - 1) - 1;
        painter.drawLine(left, top, right, top);
        painter.drawLine(left, top, left, bottom);
        for (int row = FixedRows(); row < RowCount(); ++row) {
            const int y = rowViewportPosition(row) + rowHeight(row) - 1;
            painter.drawLine(left, y, right, y);
        }
        for (int col = FixedCols(); col < ColCount(); ++col) {
            if (!isColumnHidden(col)) {
                const int x = columnViewportPosition(col) + columnWidth(col) - 1;
                painter.drawLine(x, top, x, bottom);
            }
        }
    }
};

// The titles' type size: the largest, up to the screen's own, at which every
// row title fits its 100 pixels (less the cell's margins).
QFont TitleFont(QFont font, const QStringList& titles) {
    const int largest = QFontInfo(font).pixelSize();
    for (int size = largest; size >= 8; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const QString& title : titles) {
            fits = fits && metrics.horizontalAdvance(title) <= kTitleWidth - 8;
        }
        if (fits) {
            break;
        }
    }
    return font;
}

QLabel* BoldLabel(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = NamedLabel(parent, name, text, true);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedWidth(kValueWidth);
    return label;
}

} // namespace

TfrmEntitlements::TfrmEntitlements(const ScreenContext& context)
    : workspace_(context.workspace), shell_(context.shell) {
    setObjectName("frmEntitlements");
    setWindowTitle(QStringLiteral("Entitlements"));

    QLabel* lblSelf = BoldLabel(this, "lblSelf", QStringLiteral("Self"));
    lblSelf->move(kGridLeft + kTitleWidth, kGridTop - 20);
    lblSpouse = BoldLabel(this, "lblSpouse", QStringLiteral("Spouse"));
    lblSpouse->move(kGridLeft + kTitleWidth + kValueWidth, kGridTop - 20);

    StringGridEntitlements = new EntitlementsGrid(context.dialogs, this);
    NameControl(*StringGridEntitlements, "StringGridEntitlements", QStringLiteral("Entitlements"));
    StringGridEntitlements->SetSize(3, 4);
    StringGridEntitlements->SetFixedRows(1);
    StringGridEntitlements->SetFixedCols(1);
    StringGridEntitlements->SetColWidths({kTitleWidth, kValueWidth, kValueWidth});
    StringGridEntitlements->SetDefaultRowHeight(kRowHeight);
    StringGridEntitlements->setFrameShape(QFrame::NoFrame);
    StringGridEntitlements->setShowGrid(false);
    // The titles start with a blank on purpose.
    StringGridEntitlements->SetCells(1, 0, QStringLiteral(" ($/mo)"));
    StringGridEntitlements->SetCells(2, 0, QStringLiteral(" ($/mo)"));
    // Read as the words above each column with the title under them.
    StringGridEntitlements->SetColTitle(1, QStringLiteral("Self ($/mo)"));
    StringGridEntitlements->SetColTitle(2, QStringLiteral("Spouse ($/mo)"));
    const QStringList titles = {QStringLiteral("Social Security"), QStringLiteral("Pensions"),
                                QStringLiteral("Tax Free Benefits")};
    for (int row = 1; row <= 3; ++row) {
        StringGridEntitlements->SetCells(0, row, titles[row - 1]);
    }
    StringGridEntitlements->setFont(TitleFont(StringGridEntitlements->font(), titles));
    StringGridEntitlements->move(kGridLeft, kGridTop);
    StringGridEntitlements->SetCurrentCell(1, 1);
    StringGridEntitlements->OnGetEditMask(
        [this](int col, int row) { return StringGridEntitlementsGetEditMask(col, row); });
    StringGridEntitlements->OnSetEditText([this](int col, int row, const QString& text) {
        StringGridEntitlementsSetEditText(col, row, text);
    });
    connect(StringGridEntitlements, &StringGrid::EditStored, this, &TfrmEntitlements::ShowCells);
    context.history.RecordCellEdits(*StringGridEntitlements, Screen::Entitlements,
                                    EntitlementField);
    ShowSpouseColumn(true);

    QPushButton* btnReturnToDataInput =
        NamedButton(this, "btnReturnToDataInput", QStringLiteral("Done"));
    btnReturnToDataInput->setGeometry(kGridLeft + kTitleWidth + 10, kGridTop + 4 * kRowHeight + 30,
                                      100, 28);
    KeepInView(*btnReturnToDataInput);
    connect(btnReturnToDataInput, &QPushButton::clicked, this,
            &TfrmEntitlements::btnReturnToDataInputClick);

    resize(kGridLeft * 2 + kTitleWidth + 2 * kValueWidth + 24, 230);
}

void TfrmEntitlements::ShowSpouseColumn(bool shown) {
    StringGridEntitlements->setColumnHidden(2, !shown);
    StringGridEntitlements->SizeToCells();
    lblSpouse->setVisible(shown);
}

void TfrmEntitlements::FormActivate() {
    PlanData& plan = workspace_.plan;
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
    StringGridEntitlements->SetCurrentCell(1, 1);
    StringGridEntitlements->setFocus();
}

void TfrmEntitlements::ShowCells() {
    PlanData& plan = workspace_.plan;
    for (int row = 1; row <= 3; ++row) {
        for (int col = 1; col <= 2; ++col) {
            StringGridEntitlements->SetCells(col, row, NumberText(*Field(plan, col, row)));
        }
    }
}

QString TfrmEntitlements::StringGridEntitlementsGetEditMask(int ACol, int ARow) {
    if (ACol != 1 && ACol != 2) {
        return QString();
    }
    switch (ARow) {
    case 1:
        return QStringLiteral("0000");
    case 2:
    case 3:
        return QStringLiteral("00000");
    default:
        return QString();
    }
}

void TfrmEntitlements::StringGridEntitlementsSetEditText(int ACol, int ARow, const QString& Value) {
    if (std::int32_t* field = Field(workspace_.plan, ACol, ARow)) {
        *field = LeadingDigitsOf(Value);
    }
}

void TfrmEntitlements::btnReturnToDataInputClick() {
    shell_.Show(Screen::DataInput);
}

TfrmEntitlements::~TfrmEntitlements() {
    // The grids end their edits when they are hidden, which happens only after
    // this screen is gone: they must not call back into it then.
    for (StringGrid* grid : findChildren<StringGrid*>()) {
        disconnect(grid, &StringGrid::EditStored, this, nullptr);
    }
}

} // namespace velmora

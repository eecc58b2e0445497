#include "GridAccessible.h"

#include "GridImage.h"
#include "QVDisplayGrid.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QAccessibleWidget>

#include <array>

namespace {

constexpr int Side = 9;

class TGridTableAccessible;

// One square of the grid, by its row and column as shown.
class TGridCellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TGridCellAccessible(TGridTableAccessible* Table, int Row, int Col) : FTable(Table), FRow(Row), FCol(Col) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text Kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType Type) override
    {
        return Type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return FCol; }
    int rowIndex() const override { return FRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    TGridTableAccessible* FTable;
    int FRow;
    int FCol;
};

class TGridTableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TGridTableAccessible(TGridImage* Image) : QAccessibleWidget(Image, QAccessible::Table)
    {
        for (int Row = 0; Row < Side; ++Row)
            for (int Col = 0; Col < Side; ++Col)
                FCells[static_cast<size_t>(Row * Side + Col)] =
                    QAccessible::registerAccessibleInterface(new TGridCellAccessible(this, Row, Col));
    }
    ~TGridTableAccessible() override
    {
        for (const QAccessible::Id Id : FCells)
            QAccessible::deleteAccessibleInterface(Id);
    }

    TGridImage* Image() const { return static_cast<TGridImage*>(widget()); }
    const TGrid* Grid() const { return Image()->Grid(); }
    QAccessibleInterface* Cell(int Row, int Col) const
    {
        if (Row < 0 || Row >= Side || Col < 0 || Col >= Side)
            return nullptr;
        return QAccessible::accessibleInterface(FCells[static_cast<size_t>(Row * Side + Col)]);
    }
    // The cursor's row and column; false without a cursor.
    bool CursorAt(int& Row, int& Col) const
    {
        const TGrid* Shown = Grid();
        if (Shown == nullptr || Shown->Cursor().Box < 0)
            return false;
        const TPosition At = TPosition::FromBoxPlace(Shown->Cursor().Box, Shown->Cursor().Square);
        Row = At.Row;
        Col = At.Col;
        return true;
    }

    QString text(QAccessible::Text Kind) const override
    {
        if (Kind == QAccessible::Name)
            return Image()->AccessibleGridName();
        return QAccessibleWidget::text(Kind);
    }
    int childCount() const override { return Side * Side; }
    QAccessibleInterface* child(int Index) const override { return Cell(Index / Side, Index % Side); }
    int indexOfChild(const QAccessibleInterface* Child) const override
    {
        for (int Index = 0; Index < Side * Side; ++Index)
            if (QAccessible::accessibleInterface(FCells[static_cast<size_t>(Index)]) == Child)
                return Index;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        int Row = 0, Col = 0;
        return widget()->hasFocus() && CursorAt(Row, Col) ? Cell(Row, Col) : nullptr;
    }
    QAccessibleInterface* childAt(int X, int Y) const override
    {
        const TGrid* Shown = Grid();
        if (Shown == nullptr)
            return nullptr;
        const QPoint Local = widget()->mapFromGlobal(QPoint(X, Y));
        for (int Box = 0; Box < Side; ++Box) {
            if (!Shown->Box(Box).Contains(Local.x(), Local.y()))
                continue;
            const int Square = Shown->Box(Box).SquareAt(Local.x(), Local.y());
            if (Square >= 0) {
                const TPosition At = TPosition::FromBoxPlace(Box, Square);
                return Cell(At.Row, At.Col);
            }
        }
        return nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType Type) override
    {
        if (Type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(Type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int Row, int Col) const override { return Cell(Row, Col); }
    int selectedCellCount() const override { return selectedCells().size(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        int Row = 0, Col = 0;
        if (!CursorAt(Row, Col))
            return {};
        return {Cell(Row, Col)};
    }
    QString columnDescription(int Col) const override
    {
        return QCoreApplication::translate("TGrid", "Column %1").arg(Col + 1);
    }
    QString rowDescription(int Row) const override
    {
        return QCoreApplication::translate("TGrid", "Row %1").arg(Row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Side; }
    int rowCount() const override { return Side; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    std::array<QAccessible::Id, Side * Side> FCells{};
};

bool TGridCellAccessible::isValid() const
{
    return FTable->isValid();
}

QWindow* TGridCellAccessible::window() const
{
    return FTable->window();
}

QAccessibleInterface* TGridCellAccessible::parent() const
{
    return FTable;
}

QAccessibleInterface* TGridCellAccessible::table() const
{
    return FTable;
}

QString TGridCellAccessible::text(QAccessible::Text Kind) const
{
    const TGrid* Grid = FTable->Grid();
    if (Kind != QAccessible::Name || Grid == nullptr)
        return QString();
    const TPosition At{FRow, FCol};
    return SpokenSquare(*Grid, At.Box(), At.Place());
}

QRect TGridCellAccessible::rect() const
{
    const TGrid* Grid = FTable->Grid();
    if (Grid == nullptr)
        return QRect();
    const TPosition At{FRow, FCol};
    const TGridSquare& Square = Grid->Box(At.Box()).Square(At.Place());
    const TGridImage& Image = *FTable->Image();
    const QRect Shown = Image.FromGrid(QRect(Square.X(), Square.Y(), Grid->SquareWidth(), Grid->SquareHeight()));
    return QRect(Image.mapToGlobal(Shown.topLeft()), Shown.size());
}

bool TGridCellAccessible::isSelected() const
{
    int Row = 0, Col = 0;
    return FTable->CursorAt(Row, Col) && Row == FRow && Col == FCol;
}

QAccessible::State TGridCellAccessible::state() const
{
    QAccessible::State State;
    State.focusable = true;
    State.selectable = true;
    State.selected = isSelected();
    State.focused = State.selected && FTable->Image()->hasFocus();
    State.readOnly = true;
    return State;
}

}  // namespace

QAccessibleInterface* GridAccessibleFactory(const QString& ClassName, QObject* Object)
{
    if (ClassName == QLatin1String("TGridImage") && Object != nullptr && Object->isWidgetType())
        return new TGridTableAccessible(static_cast<TGridImage*>(Object));
    return nullptr;
}

void CellNameChanged(TGridImage& Image, int Box, int Square)
{
    if (!QAccessible::isActive() || Box < 0 || Box > 8 || Square < 0 || Square > 8)
        return;
    QAccessibleInterface* Table = QAccessible::queryAccessibleInterface(&Image);
    if (dynamic_cast<TGridTableAccessible*>(Table) == nullptr)
        return;
    const TPosition At = TPosition::FromBoxPlace(Box, Square);
    QAccessibleEvent Named(Table, QAccessible::NameChanged);
    Named.setChild(At.Index());
    QAccessible::updateAccessibility(&Named);
}

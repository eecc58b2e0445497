#pragma once
// What a screen reader finds in a grid picture: a table of nine rows and
// nine columns named for the puzzle it shows ("Parent", "Child 3"), whose
// 81 cells are named for what they hold ("Row 2, column 7: 5, entered").
// The focused cell is the grid's keyboard cursor.
//
// Ownership: the table interface is Qt's (made by the factory below, freed
// with its widget); it owns its 81 cell interfaces, which are made once,
// registered with Qt and released with the table.

class QAccessibleInterface;
class QObject;
class QString;
class TGridImage;

// Makes the table interface for a TGridImage; installed once by the first
// picture made.
QAccessibleInterface* GridAccessibleFactory(const QString& ClassName, QObject* Object);

// Tells a screen reader that the name of the square (Box, Square) changed:
// one event, for that cell.
void CellNameChanged(TGridImage& Image, int Box, int Square);

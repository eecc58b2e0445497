#pragma once
// The "New Pyramid" dialog: the layout (the fourteen layout types by name,
// or any layout) and a grade that layout allows. The grade list follows the
// layout: a grade the layout cannot have is not offered.

#include "Grader.h"

#include <QDialog>

class QComboBox;
class QKeyEvent;

class TfrmNewPyramid : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpTopic = 8;

    explicit TfrmNewPyramid(QWidget* Owner = nullptr);

    // Shows Layout (a layout type or AnyLayout) and Grade; a grade the
    // layout does not allow gives way to the plain grade of its level.
    void SetChoice(int Layout, const TGrade& Grade);
    int Layout() const;
    TGrade Grade() const;

    QComboBox* LayoutBox() const { return FLayouts; }
    QComboBox* GradeBox() const { return FGrades; }

signals:
    void HelpRequested(int Topic);

protected:
    void keyPressEvent(QKeyEvent* Event) override;

private:
    // The grades of the layout shown, keeping Wanted where it is offered.
    void FillGrades(const TGrade& Wanted);

    QComboBox* FLayouts = nullptr;
    QComboBox* FGrades = nullptr;
};

#pragma once

#include <QObject>
#include <memory>

#include "tests/support/selection_harness.h"

// What a user sees after any clicks, whatever view carries the controls. A test program
// derives from this and says which program to drive; every slot here runs against it.
class SelectionBehaviour : public QObject {
    Q_OBJECT

protected:
    virtual std::unique_ptr<SelectionHarness> MakeHarness() = 0;
    // Clicks for the seeded random run; a view that is slow to drive may ask for fewer.
    virtual int RandomClicks() const { return 5000; }

private slots:
    void startsWithNothingSelected();
    void clickFromStart_data();
    void clickFromStart();
    void clickSequence_data();
    void clickSequence();
    void deselectingByProgramLeavesNoFigure();
    void randomClicksKeepOneConsistentSelection();
};

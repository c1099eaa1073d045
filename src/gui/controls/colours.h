#pragma once

#include <QColor>

// The program's colours, each named once. A right answer, a running clock and "Student was
// added!" are green; a wrong answer, the last ten seconds of a round, the board's dots and
// every warning are red; the board's grid and the certificate's web address grey.
inline const QColor green(0, 128, 0);
inline const QColor red(255, 0, 0);
inline const QColor grey(128, 128, 128);

// The name dialog: pale yellow behind a brown frame round the name box.
inline const QColor nameDialogYellow(254, 253, 199);
inline const QColor nameFrameBrown(169, 150, 109);

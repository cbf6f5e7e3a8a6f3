#pragma once
// The timeline view ("Brumal Timeline Show Tool"): one schedule file as a
// strip of boxes on a time scale, one per row, placed by its start (a
// hundredth of a second is one twip) and labelled with its target. A view
// only: it reads the file itself.

#include <QWidget>
#include <vector>

class QLabel;
class QScrollArea;

class frmTimeLine : public QWidget {
    Q_OBJECT
public:
    frmTimeLine();
    // Reads a schedule file (asks for one when empty) and builds the boxes.
    void loadschedule(const QString& whichone);
    // The start of a row in hundredths of a second, from its Start text.
    static double startHundredths(const QString& start);

    std::vector<QLabel*> cmdTrack; // one box per row, from row 1
    QWidget* Frame1;

private:
    QScrollArea* scroll;
};

#pragma once
// What other subsystems ask of the pixel matrix effects. The base answers
// "nothing there": no matrix addressing window.

#include <QString>

class MatrixService {
public:
    virtual ~MatrixService() = default;
    virtual void setMatrixName(const QString& /*name*/) {} // choose the matrix the addressing window works on
    virtual void showMatrixAddressing() {}                 // show that window modeless and on top
};
